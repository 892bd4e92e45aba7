// TSkinTabBtn: page and tab controls whose tabs are buttons, drawn from the
// skin's push-button frames. TSkinTabSheet: the pages of a page control,
// filled with the skin's face colour under their windowless children.
#pragma once

#include <memory>

#include "skin/controls/SkinControl.h"

class TBitmap;

class TSkinTabBtn : public TSkinControl {
  TAPVANE_CLASS(TSkinTabBtn)
 public:
  explicit TSkinTabBtn(TControl* control);
  ~TSkinTabBtn() override;

  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 private:
  std::unique_ptr<TBitmap> strip_;
};

class TSkinTabSheet : public TSkinControl {
  TAPVANE_CLASS(TSkinTabSheet)
 public:
  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
};
