#include "toolkit/controls/MouseControl.h"

namespace {

TControl* mouseControl = nullptr;

}  // namespace

TControl* MouseControl() { return mouseControl; }

void SetMouseControl(TControl* control) { mouseControl = control; }

void ForgetMouseControl(TControl* control) {
  if (mouseControl == control) mouseControl = nullptr;
}
