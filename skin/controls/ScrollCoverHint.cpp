#include "skin/controls/ScrollCoverHint.h"

#include "toolkit/controls/Messages.h"
#include "toolkit/controls/MouseControl.h"
#include "toolkit/controls/MouseTracking.h"
#include "toolkit/controls/WinControl.h"

TCoverHint::TCoverHint() : TControl(nullptr) {}

void TCoverHint::PointerOver(HWND covered) {
  if (MouseControl() == this) return;
  TWinControl* control = TWinControl::FindControl(covered);
  if (!control) return;
  // Copied at every entry, so a hint changed meanwhile shows as it is now.
  SetHint(control->Hint());
  SetShowHint(control->ShowHint());
  TrackMouseControl(control, this);
}

void TCoverHint::PointerLeft(HWND cover) {
  if (MouseControl() != this) return;
  POINT at{};
  if (GetCursorPos(&at) && WindowFromPoint(at) == cover) return;
  ForgetMouseControl(this);
  Perform(CM_MOUSELEAVE);
}
