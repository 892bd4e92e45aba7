#include "toolkit/controls/MouseTracking.h"

#include "toolkit/controls/MouseControl.h"
#include "toolkit/controls/WinControl.h"

namespace {

// Windows posts WM_MOUSELEAVE the moment the pointer goes; Wine finds out by
// polling on a system timer for as long as the pointer rests on the window,
// every hover time (400 ms) for a plain TME_LEAVE, every dwHoverTime when
// TME_HOVER comes with it. A long hover keeps a resting pointer from waking
// an idle program 2.5 times a second; under Wine a leave for another
// program's window is then noticed within this time. The toolkit does
// nothing with the WM_MOUSEHOVER that comes along; a native control that
// knows it sees a pointer that has indeed rested on it.
constexpr DWORD kLeavePollMilliseconds = 2000;

bool BelongsTo(TControl* control, TWinControl* window) {
  return control == window ||
         (control && control->Parent() == window && dynamic_cast<TWinControl*>(control) == nullptr);
}

}  // namespace

void TrackMouseControl(TWinControl* window, TControl* target) {
  if (target == MouseControl()) return;
  TControl* previous = MouseControl();
  SetMouseControl(target);
  if (previous) previous->Perform(CM_MOUSELEAVE);
  if (target && MouseControl() == target) target->Perform(CM_MOUSEENTER);
  TRACKMOUSEEVENT track = MouseLeaveRequest(window->Handle());
  TrackMouseEvent(&track);
}

TRACKMOUSEEVENT MouseLeaveRequest(HWND window) {
  return {sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_HOVER, window, kLeavePollMilliseconds};
}

void MouseLeftWindow(TWinControl* window) {
  TControl* previous = MouseControl();
  if (!BelongsTo(previous, window)) return;
  SetMouseControl(nullptr);
  previous->Perform(CM_MOUSELEAVE);
}
