#include "app/Win32ClickInput.h"

#include <windows.h>

#include "app/CursorDpi.h"
#include "toolkit/controls/Application.h"

namespace app {

namespace {

double NowMs() {
  LARGE_INTEGER counter{}, frequency{};
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

void TWin32ClickInput::SetCursorPos(int x, int y) { SetCursorPosPhysical(x, y); }

// No offset and no data: the button event happens where the cursor was set.
void TWin32ClickInput::MouseEvent(unsigned flags) { mouse_event(flags, 0, 0, 0, 0); }

bool TWin32ClickInput::Wait(unsigned milliseconds) {
  const double deadline = NowMs() + milliseconds;
  for (;;) {
    // Messages first: a stop already queued ends the wait before it begins.
    if (Application) Application->ProcessMessages();
    if (running_ && !running_()) return false;
    const double left = deadline - NowMs();
    if (left <= 0) return true;
    // The system's wait overshoots by up to a tick: sleep short of the end,
    // then look again until it comes.
    const DWORD sleep = left > 2 ? static_cast<DWORD>(left) - 1 : 0;
    if (sleep == 0)
      SwitchToThread();
    else
      MsgWaitForMultipleObjectsEx(0, nullptr, sleep, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

}  // namespace app
