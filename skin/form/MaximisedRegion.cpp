// The shape of a window about to be maximised. Setting a window region once
// the window is maximised changes its frame, and under Wine without a window
// manager that frame change makes the X11 driver read the window as no longer
// maximised and restore it. So the region for the maximised size is set while
// the window is still in normal placement; the WM_SIZE that follows finds it
// already built for that size.
#include <algorithm>

#include "skin/form/FormFrame.h"
#include "skin/form/WinSkinForm.h"

namespace {

// The size the system gives a maximised top-level window: its default (the
// screen grown by the standard frame), what the window's own WM_GETMINMAXINFO
// makes of it, and the monitor's work area when the window left it alone.
SIZE MaximisedSize(HWND window) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  const LONG adjusted = (style & WS_CAPTION) == WS_CAPTION ? style & ~WS_BORDER : style;
  const int screenW = GetSystemMetrics(SM_CXSCREEN);
  const int screenH = GetSystemMetrics(SM_CYSCREEN);
  RECT frame{0, 0, screenW, screenH};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(adjusted),
                     (style & WS_POPUP) && GetMenu(window) != nullptr, static_cast<DWORD>(exStyle));
  const LONG xinc = -frame.left;
  const LONG yinc = -frame.top;
  MINMAXINFO info{};
  info.ptMaxSize = {frame.right - frame.left, frame.bottom - frame.top};
  info.ptMaxPosition = {-xinc, -yinc};
  info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  if (info.ptMaxSize.x == screenW + 2 * xinc && info.ptMaxSize.y == screenH + 2 * yinc) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
      const RECT work = (style & WS_MAXIMIZEBOX) ? monitor.rcWork : monitor.rcMonitor;
      info.ptMaxSize = {work.right - work.left + 2 * xinc, work.bottom - work.top + 2 * yinc};
    }
  }
  return SIZE{std::min(info.ptMaxSize.x, std::max(info.ptMaxTrackSize.x, info.ptMinTrackSize.x)),
              std::min(info.ptMaxSize.y, std::max(info.ptMaxTrackSize.y, info.ptMinTrackSize.y))};
}

}  // namespace

void TFormFrame::PrepareMaximisedRegion() {
  const HWND window = form_.Handle();
  if (form_.Window().MDIKind != mkNone || !form_.Window().SkinFrame || IsZoomed(window) ||
      IsIconic(window))
    return;
  if (form_.AttachState() != asSkinned) return;
  const SIZE size = MaximisedSize(window);
  BuildRegion(size.cx, size.cy);
}
