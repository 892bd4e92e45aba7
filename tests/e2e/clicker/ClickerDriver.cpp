#include "ClickerDriver.h"

#include <commctrl.h>

#include <cstdio>

namespace e2e {

namespace {
TPortableTapvane g_portable;
std::wstring g_skinSource;
}  // namespace

void SetSkinSource(const std::wstring& folder) { g_skinSource = folder; }
const std::wstring& SkinSource() { return g_skinSource; }

bool MakePortableTapvane(const std::wstring& builtExe, const std::wstring& folder) {
  CreateDirectoryW(folder.c_str(), nullptr);
  g_portable = {folder, folder + L"\\Tapvane.exe", folder + L"\\Tapvane.list.txt"};
  return CopyFileW(builtExe.c_str(), g_portable.exe.c_str(), FALSE) && WriteListFile("");
}

const TPortableTapvane& PortableTapvane() { return g_portable; }

bool WriteListFile(const std::string& bytes) {
  FILE* f = _wfopen(g_portable.listFile.c_str(), L"wb");
  if (!f) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && written;
}

std::string ReadFileBytes(const std::wstring& path) {
  std::string bytes;
  FILE* f = _wfopen(path.c_str(), L"rb");
  if (!f) return bytes;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
  std::fclose(f);
  return bytes;
}

TClicker::TClicker(const std::wstring& exePath) : process_(L"\"" + exePath + L"\"") {
  if (!process_.Started()) {
    problem_ = "Tapvane.exe did not start";
    return;
  }
  WaitFor([this] { return (form_ = FindTopLevel(Id(), kMainCaption)) != nullptr; }, 20s);
  if (!form_) {
    problem_ = "no main window";
    return;
  }
  // The settings controls sit on the group box that holds "添加"; positions
  // are those of the stored layout, a few pixels inside each control.
  HWND add = nullptr;
  WaitFor([&] { return (add = FindChildByText(form_, L"添加")) != nullptr; }, 5s);
  groupBox1_ = add ? GetParent(add) : nullptr;
  if (!groupBox1_) {
    problem_ = "no \"添加\" button";
    return;
  }
  editClickTime_ = ChildAt(groupBox1_, 84, 21);
  editX_ = ChildAt(groupBox1_, 84, 50);
  editY_ = ChildAt(groupBox1_, 132, 50);
  listBox_ = ChildAt(groupBox1_, 20, 148);
  RECT client{};
  GetClientRect(form_, &client);
  statusBar_ = ChildAt(form_, 10, client.bottom - 5);
  pageControl_ = ChildAt(form_, 10, 90);
  if (!editClickTime_ || !editX_ || !editY_ || !listBox_ || !statusBar_ || !pageControl_) {
    problem_ = "controls not where the layout puts them";
    return;
  }
  ready_ = true;
}

TClicker::~TClicker() {
  if (!process_.Running() || !form_) return;
  PostMessageW(form_, WM_CLOSE, 0, 0);
  process_.WaitExit(5s);
}

bool TClicker::Press(const std::wstring& caption) {
  HWND control = Control(caption);
  if (!control) return false;
  return PostMessageW(control, BM_CLICK, 0, 0) != FALSE;
}

void TClicker::SetText(HWND control, const std::wstring& text) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, 5000, &result);
}

std::vector<std::wstring> TClicker::Items() const {
  std::vector<std::wstring> items;
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutW(listBox_, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count))
    return items;
  for (DWORD_PTR i = 0; i < count; ++i) {
    wchar_t buffer[512] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(listBox_, LB_GETTEXTLEN, i, 0, SMTO_ABORTIFHUNG, 5000, &length);
    if (length >= 511) {
      items.push_back(L"<too long>");
      continue;
    }
    SendMessageTimeoutW(listBox_, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                        5000, &length);
    items.emplace_back(buffer);
  }
  return items;
}

bool TClicker::Responsive(std::chrono::milliseconds timeout) const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(form_, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeout.count()),
                             &result) != 0;
}

void TClicker::BringToFront() {
  SetForegroundWindow(form_);
  Pump(100ms);
}

bool TClicker::Capture(int x, int y) {
  if (!XMove(x, y)) return false;
  const std::wstring wantX = std::to_wstring(x), wantY = std::to_wstring(y);
  // Let the 100 ms capture timer catch up before freezing.
  if (!WaitFor([&] { return WindowText(editX_) == wantX && WindowText(editY_) == wantY; }, 10s))
    return false;
  BringToFront();
  if (!PressKeys(form_, "ctrl+s")) return false;
  Pump(300ms);
  return WindowText(editX_) == wantX && WindowText(editY_) == wantY;
}

bool TClicker::AddItem(int x, int y, const std::wstring& action) {
  if (!Capture(x, y)) return false;
  const auto before = Items().size();
  if (!Press(action) || !Press(L"添加")) return false;
  return WaitFor([&] { return Items().size() == before + 1; }, 10s);
}

void TClicker::ShowPage(int index) {
  // The tab control tells its parent of the change as a click on a tab would.
  DWORD_PTR result = 0;
  SendMessageTimeoutW(pageControl_, TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0,
                      SMTO_ABORTIFHUNG, 5000, &result);
  Pump(300ms);
}

}  // namespace e2e
