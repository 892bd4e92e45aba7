// Text drawn with grey smoothing runs from the ink's colour in a glyph's
// solid strokes to the paper's at its edges, and a stroke need not hold one
// pixel of exactly the ink's colour. Pixel tests that look for text ask
// whether a pixel is ink: every channel near the ink's, so the strokes count
// and a faint fringe over other paper does not.
#pragma once

#include <cstdlib>

namespace wintest {

// pixel and ink as 0x00RRGGBB.
inline bool IsInk(unsigned pixel, unsigned ink) {
  constexpr int kTolerance = 96;  // about two thirds of the way from paper to ink
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = static_cast<int>((pixel >> shift) & 0xFF);
    const int b = static_cast<int>((ink >> shift) & 0xFF);
    if (std::abs(a - b) > kTolerance) return false;
  }
  return true;
}

}  // namespace wintest
