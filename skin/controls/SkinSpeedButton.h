// TSkinSpeedButton: windowless speed buttons. Their parent paints them by
// sending WM_PAINT with its DC through the button's WindowProc, which this
// object replaces, so the skin draws them in place of their own paint.
#pragma once

#include "skin/controls/SkinBitButton.h"

class TSkinSpeedButton : public TSkinBitButton {
  TAPVANE_CLASS(TSkinSpeedButton)
 public:
  explicit TSkinSpeedButton(TControl* control);

  // The speed button's own attach: there is no window to take over.
  void InitSpeed(TSkinControlHost* form, TSkinData* skinData, TCanvas* canvas);
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void PaintControl(HDC dc) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // A draw running; one that starts meanwhile does nothing.
  bool Painting = false;

 private:
  int SpeedFrame() const;
  // Invalidate, and have the parent paint the button now.
  void PaintNow();
};
