// Reading and writing pixels of DIB-section bitmaps for drawing tests, and
// the small helpers pixel tests share: colours as DIB pixels, strips of
// solid frames whose colours say which frame was drawn, counting pixels of
// a colour or of text ink, telling which ink text is drawn in.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "tests/win32/support/Ink.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Colors.h"

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

// A colour as a 32-bit DIB holds it (0x00RRGGBB), taken as given: a system
// colour is not looked up.
constexpr unsigned Dib(TColor colour) {
  return static_cast<unsigned>(ColorRed(colour) << 16 | ColorGreen(colour) << 8 |
                               ColorBlue(colour));
}

// The same after looking a system colour up (clBtnFace and the like).
inline unsigned ResolvedDib(TColor colour) { return Dib(ColorToRGB(colour)); }

// The colour of frame (or cell) n of the solid test strips; never magenta.
constexpr TColor FrameColour(int n) { return RGBColor(20 * n, 200 - 10 * n, 40 + 15 * n); }

// Frame n of the solid test strips as a DIB pixel.
constexpr unsigned Frame(int n) { return Dib(FrameColour(n)); }

// A horizontal 24-bit strip of `frames` solid frames of w x h; frame n
// (counted from 1) in colour(n).
inline void MakeStrip(TBitmap& strip, int frames, int w, int h,
                      TColor (*colour)(int) = FrameColour) {
  strip.SetPixelFormat(pf24bit);
  strip.SetSize(w * frames, h);
  for (int n = 1; n <= frames; ++n) Fill(strip, (n - 1) * w, 0, n * w, h, colour(n));
}

// How many pixels of rect on a surface (anything with Pixel(x, y) giving a
// DIB pixel) satisfy match.
template <typename Surface, typename Match>
int CountPixelsIf(const Surface& surface, const RECT& rect, Match match) {
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) count += match(surface.Pixel(x, y)) ? 1 : 0;
  return count;
}

// How many pixels of rect are exactly colour.
template <typename Surface>
int CountPixels(const Surface& surface, const RECT& rect, unsigned colour) {
  return CountPixelsIf(surface, rect, [colour](unsigned pixel) { return pixel == colour; });
}

// How many pixels of rect are text in the ink's colour, grey smoothing allowed.
template <typename Surface>
int CountInk(const Surface& surface, const RECT& rect, unsigned ink) {
  return CountPixelsIf(surface, rect, [ink](unsigned pixel) { return wintest::IsInk(pixel, ink); });
}

// Which of the inks (DIB pixels) the text in rect is drawn in, on black
// paper. A smoothed glyph pixel there is its ink scaled down, so each lit
// pixel goes to the ink whose colour points the same way; the ink with most
// pixels wins. -1 when fewer than `least` pixels are lit.
template <typename Surface>
int InkOnBlack(const Surface& surface, const RECT& rect, const std::vector<unsigned>& inks,
               int least = 5) {
  const auto channel = [](unsigned pixel, int shift) {
    return static_cast<double>((pixel >> shift) & 0xFF);
  };
  std::vector<int> votes(inks.size(), 0);
  int lit = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) {
      const unsigned pixel = surface.Pixel(x, y);
      if (channel(pixel, 16) + channel(pixel, 8) + channel(pixel, 0) < 96) continue;
      ++lit;
      std::size_t best = 0;
      double bestCosine = -1;
      for (std::size_t i = 0; i < inks.size(); ++i) {
        double dot = 0, inkNorm = 0, pixelNorm = 0;
        for (const int shift : {16, 8, 0}) {
          dot += channel(pixel, shift) * channel(inks[i], shift);
          inkNorm += channel(inks[i], shift) * channel(inks[i], shift);
          pixelNorm += channel(pixel, shift) * channel(pixel, shift);
        }
        // The squared cosine; channels are never negative.
        const double cosine = dot * dot / (inkNorm * pixelNorm + 1e-9);
        if (cosine > bestCosine) {
          bestCosine = cosine;
          best = i;
        }
      }
      ++votes[best];
    }
  if (lit < least) return -1;
  std::size_t winner = 0;
  for (std::size_t i = 1; i < votes.size(); ++i)
    if (votes[i] > votes[winner]) winner = i;
  return static_cast<int>(winner);
}

}  // namespace pixels
