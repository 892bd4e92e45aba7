// TSkinProgress: a progress bar drawn from the skin's "Progress" element,
// the track in frame 1 and the filled part in frame 2, or (Style 1) the
// track with "Progress.Chunk" cells repeated over the filled part.
#pragma once

#include "skin/controls/SkinControl.h"

// How many pixels of a bar `length` long a position fills; 0 for an empty
// or inverted range, never more than the bar.
int ProgressFilledLength(int length, int position, int low, int high);

class TSkinProgress : public TSkinControl {
  TAPVANE_CLASS(TSkinProgress)
 public:
  using TSkinControl::TSkinControl;

  bool HasPicture() const override;
  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 private:
  bool HasImage() const;
  // The bar composed lying down, length x thickness, into dc.
  void ComposeLyingDown(HDC dc, int length, int thickness, int filled);
};
