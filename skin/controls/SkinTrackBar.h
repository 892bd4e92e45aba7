// TSkinTrackBar: the track bar keeps its own painting and tics; its
// custom-draw notifications hand us the channel ("Track", or "TRACKVERT"
// standing) and the thumb (cell 2 of the 5-cell "Trackbar.Thumb..." strip).
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "skin/controls/SkinControl.h"

class TSkinTrackBar : public TSkinControl {
  TAPVANE_CLASS(TSkinTrackBar)
 public:
  using TSkinControl::TSkinControl;

  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  void Unskin() override;
  bool BeforeProc(TMessage& message) override;

 private:
  // The answer to one custom-draw stage.
  LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
  void DrawThumb(HDC dc) const;
  void DrawChannel(HDC dc, const RECT& channel) const;
  bool Vertical() const;
};
