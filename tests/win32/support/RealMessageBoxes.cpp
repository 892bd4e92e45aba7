#include "tests/win32/support/RealMessageBoxes.h"

#include <algorithm>

namespace wintest {

namespace {

TRealMessageBoxes* current = nullptr;

bool IsDialog(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return std::wstring(name) == L"#32770";
}

// The static text of a message box (control id 0xFFFF).
std::wstring BoxText(HWND box) {
  wchar_t text[512] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 512);
  return text;
}

}  // namespace

TRealMessageBoxes::TRealMessageBoxes(UINT openMs) : openMs_(openMs) {
  current = this;
  hook_ = SetWindowsHookExW(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
}

TRealMessageBoxes::~TRealMessageBoxes() {
  UnhookWindowsHookEx(hook_);
  current = nullptr;
}

LRESULT CALLBACK TRealMessageBoxes::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto window = reinterpret_cast<HWND>(wParam);
  if (current && code == HCBT_ACTIVATE && IsDialog(window) &&
      std::find(current->waiting_.begin(), current->waiting_.end(), window) ==
          current->waiting_.end()) {
    current->waiting_.push_back(window);
    current->texts_.push_back(BoxText(window));
    current->mostOpen_ = std::max(current->mostOpen_, ++current->open_);
    SetTimer(nullptr, 0, current->openMs_, AnswerOldest);
  }
  if (current && code == HCBT_DESTROYWND && IsDialog(window)) {
    auto& waiting = current->waiting_;
    const auto found = std::find(waiting.begin(), waiting.end(), window);
    if (found != waiting.end()) {
      waiting.erase(found);
      --current->open_;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK TRealMessageBoxes::AnswerOldest(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (current && !current->waiting_.empty())
    PostMessageW(current->waiting_.front(), WM_COMMAND, IDOK, 0);
}

}  // namespace wintest
