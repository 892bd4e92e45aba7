// Reading and writing pixels of DIB-section bitmaps for drawing tests.
#pragma once

#include <cstdint>
#include <cstring>

#include "toolkit/graphics/Bitmap.h"

namespace pixels {

// The colour at (x, y) of a 24- or 32-bit bitmap, read from its DIB bits.
inline TColor At(TBitmap& bitmap, int x, int y) {
  const auto* row = static_cast<const std::uint8_t*>(bitmap.ScanLine(y));
  if (!row || x < 0 || x >= bitmap.Width()) return clNone;
  const int step = bitmap.BitsPerPixel() / 8;
  const std::uint8_t* p = row + x * step;
  return RGBColor(p[2], p[1], p[0]);
}

inline void Set(TBitmap& bitmap, int x, int y, TColor color) {
  auto* row = static_cast<std::uint8_t*>(bitmap.ScanLine(y));
  const int step = bitmap.BitsPerPixel() / 8;
  std::uint8_t* p = row + x * step;
  p[0] = static_cast<std::uint8_t>(ColorBlue(color));
  p[1] = static_cast<std::uint8_t>(ColorGreen(color));
  p[2] = static_cast<std::uint8_t>(ColorRed(color));
}

inline void Fill(TBitmap& bitmap, int left, int top, int right, int bottom, TColor color) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) Set(bitmap, x, y, color);
}

inline void Fill(TBitmap& bitmap, TColor color) {
  Fill(bitmap, 0, 0, bitmap.Width(), bitmap.Height(), color);
}

}  // namespace pixels
