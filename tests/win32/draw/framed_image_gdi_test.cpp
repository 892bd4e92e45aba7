// ComposeFramedImage copies the pieces that keep their size in memory; here
// it is held against the same nine-slice done wholly with StretchBlt, over
// many sizes, margins, frame counts and source formats.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "skin/draw/FrameGeometry.h"
#include "skin/draw/FramedImage.h"
#include "toolkit/graphics/BitmapPixels.h"

namespace {

// The nine pieces in their order, every one a StretchBlt (a tiled centre
// one BitBlt per tile), between canvases.
std::unique_ptr<TBitmap> ComposeWithStretchBlt(int dw, int dh, TBitmap& source, RECT margins,
                                               bool tile, int count, int index) {
  auto result = std::make_unique<TBitmap>(dw, dh);
  const TFrameRect f = FrameOf(source.Width(), source.Height(), false, count, index);
  const TMargins sane = SaneMargins(margins.left, margins.top, margins.right, margins.bottom);
  int l = std::min(sane.Left, f.Width), t = std::min(sane.Top, f.Height);
  int r = std::min(sane.Right, f.Width), b = std::min(sane.Bottom, f.Height);
  if (dw < l + r) l = r = 0;
  if (dh < t + b) t = b = 0;
  const int x0 = f.X, y0 = f.Y, fw = f.Width, fh = f.Height;
  HDC dst = result->Canvas().Handle();
  HDC src = source.Canvas().Handle();
  SetStretchBltMode(dst, COLORONCOLOR);
  const auto piece = [&](int dl, int dt, int dr, int db, int sl, int st, int sr, int sb) {
    if (dr <= dl || db <= dt || sr <= sl || sb <= st) return;
    StretchBlt(dst, dl, dt, dr - dl, db - dt, src, sl, st, sr - sl, sb - st, SRCCOPY);
  };
  if (l * t > 0) piece(0, 0, l, t, x0, y0, x0 + l, y0 + t);
  if (l * b > 0) piece(0, dh - b, l, dh, x0, y0 + fh - b, x0 + l, y0 + fh);
  if (r * t > 0) piece(dw - r, 0, dw, t, x0 + fw - r, y0, x0 + fw, y0 + t);
  if (l > 0) piece(0, t, l, dh - b, x0, y0 + t, x0 + l, y0 + fh - b);
  if (t > 0) piece(l, 0, dw - r, t, x0 + l, y0, x0 + fw - r, y0 + t);
  if (tile) {
    const int sw = fw - l - r, sh = fh - t - b;
    if (sw > 0 && sh > 0)
      for (int x = l; x < dw - r; x += sw)
        for (int y = t; y < dh - b; y += sh)
          BitBlt(dst, x, y, sw, sh, src, x0 + l, y0 + t, SRCCOPY);
  } else {
    piece(l, t, dw - r, dh - b, x0 + l, y0 + t, x0 + fw - r, y0 + fh - b);
  }
  if (r * b > 0) piece(dw - r, dh - b, dw, dh, x0 + fw - r, y0 + fh - b, x0 + fw, y0 + fh);
  if (r > 0) piece(dw - r, t, dw, dh - b, x0 + fw - r, y0 + t, x0 + fw, y0 + fh - b);
  if (b > 0) piece(l, dh - b, dw - r, dh, x0 + l, y0 + fh - b, x0 + fw - r, y0 + fh);
  return result;
}

std::string FirstDifference(TBitmap& expected, TBitmap& actual) {
  if (expected.Width() != actual.Width() || expected.Height() != actual.Height())
    return "sizes differ";
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      if (ReadPixel(expected, x, y) != ReadPixel(actual, x, y))
        return "pixel " + std::to_string(x) + "," + std::to_string(y);
  return "";
}

TEST(FramedImageAgainstStretchBlt, SamePixelsForEveryGridAndFormat) {
  std::mt19937 random(23);
  const auto roll = [&random](int n) { return static_cast<int>(random() % n); };
  for (const TPixelFormat format : {pf8bit, pf24bit, pf32bit}) {
    for (int round = 0; round < 60; ++round) {
      const int count = 1 + roll(5);
      TBitmap source(count * (3 + roll(30)), 3 + roll(30), format);
      for (int y = 0; y < source.Height(); ++y) {
        auto* row = static_cast<std::uint8_t*>(source.ScanLine(y));
        for (int i = 0; i < source.Stride(); ++i) row[i] = static_cast<std::uint8_t>(random());
      }
      // Destinations smaller, equal and larger than the frame; margins that
      // fit, that do not, and negative ones.
      const int frameWidth = source.Width() / count;
      const int dw = round % 3 == 0 ? frameWidth : 1 + roll(70);
      const int dh = round % 4 == 0 ? source.Height() : 1 + roll(50);
      const RECT margins{roll(12) - 1, roll(12) - 1, roll(12) - 1, roll(12) - 1};
      const bool tile = round % 2 == 1;
      const int index = 1 + roll(count);
      const auto expected = ComposeWithStretchBlt(dw, dh, source, margins, tile, count, index);
      const auto actual =
          ComposeFramedImage(RECT{0, 0, dw, dh}, source, margins, false, tile, count, index);
      ASSERT_EQ("", FirstDifference(*expected, *actual))
          << "format " << format << " round " << round << ": " << source.Width() << "x"
          << source.Height() << " in " << count << " to " << dw << "x" << dh;
    }
  }
}

}  // namespace
