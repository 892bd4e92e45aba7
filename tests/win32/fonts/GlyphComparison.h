// Measures that tell a whole character from a wrong or half one while
// forgiving what smoothing and hinting change: where the ink lies, and how
// alike the two shapes are whatever the depth of their grey.
#pragma once

#include <string>

#include "GlyphImage.h"

struct TInkBox {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool Empty() const { return right <= left || bottom <= top; }
};

// The box around the pixels at least a fifth inked.
TInkBox InkBox(const TGlyphImage& image);

// Correlation of the two images' ink, the best over shifts of up to one
// pixel: 1 for the same shape at any depth of grey, lower for another shape.
double ShiftedCorrelation(const TGlyphImage& drawn, const TGlyphImage& reference);

struct TGlyphVerdict {
  bool alike = false;
  std::string why;  // the measures, for the failure message
};

TGlyphVerdict CompareGlyphs(const TGlyphImage& drawn, const TGlyphImage& reference);
