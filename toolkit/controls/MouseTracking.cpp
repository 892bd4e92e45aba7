#include "toolkit/controls/MouseTracking.h"

#include "toolkit/controls/WinControl.h"

namespace {

TControl* mouseControl = nullptr;

bool BelongsTo(TControl* control, TWinControl* window) {
  return control == window ||
         (control && control->Parent() == window && dynamic_cast<TWinControl*>(control) == nullptr);
}

}  // namespace

void TrackMouseControl(TWinControl* window, TControl* target) {
  if (target == mouseControl) return;
  TControl* previous = mouseControl;
  mouseControl = target;
  if (previous) previous->Perform(CM_MOUSELEAVE);
  if (target && mouseControl == target) target->Perform(CM_MOUSEENTER);
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window->Handle(), 0};
  TrackMouseEvent(&track);
}

void MouseLeftWindow(TWinControl* window) {
  if (!BelongsTo(mouseControl, window)) return;
  TControl* previous = mouseControl;
  mouseControl = nullptr;
  previous->Perform(CM_MOUSELEAVE);
}

void ForgetMouseControl(TControl* control) {
  if (mouseControl == control) mouseControl = nullptr;
}

TControl* MouseControl() { return mouseControl; }
