// Cursor calls in physical pixels: on scaled displays a DPI-unaware thread
// would read and set virtualised coordinates that do not match the screen.
#pragma once

#include <windows.h>

namespace app {

// Switches the calling thread to per-monitor awareness for its lifetime and
// restores the previous context; does nothing where the system lacks
// SetThreadDpiAwarenessContext.
class TPerMonitorDpiScope {
 public:
  TPerMonitorDpiScope();
  ~TPerMonitorDpiScope();
  TPerMonitorDpiScope(const TPerMonitorDpiScope&) = delete;
  TPerMonitorDpiScope& operator=(const TPerMonitorDpiScope&) = delete;

  bool Switched() const { return previous_ != nullptr; }

 private:
  HANDLE previous_ = nullptr;
};

// True when this system has SetThreadDpiAwarenessContext.
bool HasThreadDpiAwareness();

bool GetCursorPosPhysical(POINT& point);
void SetCursorPosPhysical(int x, int y);

}  // namespace app
