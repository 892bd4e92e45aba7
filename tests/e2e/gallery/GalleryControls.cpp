#include "GalleryControls.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "E2eSupport.h"
#include "RemoteMemory.h"

namespace e2e {

namespace {

struct TClassSearch {
  const std::wstring& className;
  const std::function<bool(HWND)>& accept;
  HWND found = nullptr;
};

BOOL CALLBACK ClassVisitor(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TClassSearch*>(data);
  if (ClassOf(window) != search.className) return TRUE;
  if (search.accept && !search.accept(window)) return TRUE;
  search.found = window;
  return FALSE;
}

std::string Point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

// "mousemove --sync" waits for a motion that never comes when the pointer
// is there already.
std::string MoveTo(int x, int y) {
  POINT at{};
  if (GetCursorPos(&at) && at.x == x && at.y == y) return "";
  return " mousemove --sync " + Point(x, y);
}

}  // namespace

HWND FindDescendant(HWND parent, const std::wstring& className,
                    const std::function<bool(HWND)>& accept) {
  TClassSearch search{className, accept};
  EnumChildWindows(parent, ClassVisitor, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND VisibleTopLevelOfClass(DWORD process, const std::wstring& className) {
  for (HWND w = FindWindowExW(nullptr, nullptr, className.c_str(), nullptr); w;
       w = FindWindowExW(nullptr, w, className.c_str(), nullptr)) {
    if (IsWindowVisible(w) && ProcessOf(w) == process) return w;
  }
  return nullptr;
}

bool ShowPage(HWND gallery, int index) {
  const HWND pages = FindWindowExW(gallery, nullptr, L"TPageControl", nullptr);
  if (!pages) return false;
  const auto tab = AskThroughRemote<RECT>(pages, TCM_GETITEMRECT, static_cast<WPARAM>(index));
  if (!tab || IsRectEmpty(&*tab)) return false;
  POINT at = CentreOf(*tab);
  ClientToScreen(pages, &at);
  if (!XClick(at.x, at.y)) return false;
  const bool shown = WaitFor([&] { return SendMessageW(pages, TCM_GETCURSEL, 0, 0) == index; }, 5s);
  Pump(400ms);
  return shown;
}

RECT ScreenRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

POINT CentreOf(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

int Differing(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  if (a.size() != b.size()) return -1;
  int count = 0;
  for (size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
  return count;
}

bool XPress(int x, int y) { return RunUnix("xdotool" + MoveTo(x, y) + " sleep 0.1 mousedown 1"); }

bool XRelease() { return RunUnix("xdotool mouseup 1"); }

bool XDrag(POINT from, POINT to) {
  std::string command = "xdotool" + MoveTo(from.x, from.y) + " sleep 0.1 mousedown 1 sleep 0.1";
  constexpr int kSteps = 4;
  for (int step = 1; step <= kSteps; ++step) {
    const int x = from.x + (to.x - from.x) * step / kSteps;
    const int y = from.y + (to.y - from.y) * step / kSteps;
    command += " mousemove " + Point(x, y) + " sleep 0.1";
  }
  return RunUnix(command + " mouseup 1");
}

}  // namespace e2e
