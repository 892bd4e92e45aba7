// The skin objects that only give a window the skin's face colour:
// TSkinBox switches a container's colour, TSkinBoxH paints a container's
// background and its static children on face colour, TSkinSizer covers a
// size grip.
#pragma once

#include "skin/controls/SkinControl.h"

// Colour only: the control's messages are never hooked.
class TSkinBox : public TSkinControl {
  TAPVANE_CLASS(TSkinBox)
 public:
  using TSkinControl::TSkinControl;

  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  void Unskin() override;
  void AfterProc(TMessage& /*message*/) override {}
};

class TSkinBoxH : public TSkinControl {
  TAPVANE_CLASS(TSkinBoxH)
 public:
  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& message) override;
};

class TSkinSizer : public TSkinControl {
  TAPVANE_CLASS(TSkinSizer)
 public:
  using TSkinControl::TSkinControl;

  void DrawControl(HDC dc, const RECT& rect) override;
};
