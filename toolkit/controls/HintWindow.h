// The small pop-up that shows a control's Hint.
#pragma once

#include "toolkit/controls/WinControl.h"

class THintWindow : public TCustomControl {
  TAPVANE_CLASS(THintWindow)
 public:
  explicit THintWindow(TComponent* owner);
  // The rectangle (at the origin) the text needs, at most maxWidth wide.
  RECT CalcHintRect(int maxWidth, const String& hint);
  // Shows the text in rect (screen coordinates) without taking the focus.
  void ActivateHint(const RECT& rect, const String& hint);
  void ReleaseHandle() {
    SetVisible(false);
    DestroyHandle();
  }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};
