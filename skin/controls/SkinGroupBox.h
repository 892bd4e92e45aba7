// TSkinGroupBox: a rounded shadow line with the caption on face colour. A
// toolkit group box (Mode 1) is painted whole, labels included; a plain
// group box window (Mode 0) is painted over after it painted itself.
#pragma once

#include "skin/controls/SkinControl.h"

class TSkinGroupBox : public TSkinControl {
  TAPVANE_CLASS(TSkinGroupBox)
 public:
  using TSkinControl::TSkinControl;

  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 private:
  void DrawCaption(HDC dc, const RECT& rect);
};
