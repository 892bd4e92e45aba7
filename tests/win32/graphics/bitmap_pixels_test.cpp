// The in-memory pixel operations against GDI doing the same on the same
// bitmaps: every format a bitmap can have, random pixels, whole rows
// compared byte for byte (the fourth byte of 32-bit pixels too).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "toolkit/graphics/BitmapPixels.h"

namespace {

constexpr TPixelFormat kFormats[] = {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit};

// Random bytes in every row; a few pixels of direct formats made magenta so
// that keyed copies have something to leave out.
void Randomise(TBitmap& b, std::mt19937& random) {
  for (int y = 0; y < b.Height(); ++y) {
    auto* row = static_cast<std::uint8_t*>(b.ScanLine(y));
    for (int i = 0; i < b.Stride(); ++i) row[i] = static_cast<std::uint8_t>(random());
    const int step = b.BitsPerPixel() / 8;
    if (step < 3) continue;
    for (int x = 0; x < b.Width(); x += 3) {
      std::uint8_t* p = row + x * step;
      p[0] = 255;  // blue, green, red
      p[1] = 0;
      p[2] = 255;
    }
  }
}

std::unique_ptr<TBitmap> MakeBitmap(int w, int h, TPixelFormat format, std::mt19937& random) {
  auto b = std::make_unique<TBitmap>(w, h, format);
  Randomise(*b, random);
  return b;
}

// Where two bitmaps of one size and format first differ, or "" when they do not.
std::string FirstDifference(TBitmap& expected, TBitmap& actual) {
  // Bits past the last pixel of a row are padding, whatever they hold.
  const int bits = expected.Width() * expected.BitsPerPixel();
  const int used = (bits + 7) / 8;
  const auto lastByteMask = static_cast<std::uint8_t>(bits % 8 ? 0xFF00 >> (bits % 8) : 0xFF);
  for (int y = 0; y < expected.Height(); ++y) {
    const auto* e = static_cast<const std::uint8_t*>(expected.ScanLine(y));
    const auto* a = static_cast<const std::uint8_t*>(actual.ScanLine(y));
    for (int i = 0; i < used; ++i)
      if ((e[i] ^ a[i]) & (i == used - 1 ? lastByteMask : 0xFF))
        return "row " + std::to_string(y) + " byte " + std::to_string(i) + ": " +
               std::to_string(e[i]) + " expected, " + std::to_string(a[i]) + " found";
  }
  return "";
}

std::unique_ptr<TBitmap> Clone(TBitmap& b) {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(&b);
  return copy;
}

// What DrawTransparent does: a mask of the key colour, then MaskBlt.
void MaskedBlt(TBitmap& dest, int x, int y, TBitmap& source, const RECT& from, TColor key) {
  const int w = from.right - from.left, h = from.bottom - from.top;
  TBitmap piece(w, h, pf32bit);
  BitBlt(piece.Canvas().Handle(), 0, 0, w, h, source.Canvas().Handle(), from.left, from.top,
         SRCCOPY);
  TBitmap mask;
  mask.Assign(&piece);
  mask.Mask(key);
  MaskBlt(dest.Canvas().Handle(), x, y, w, h, piece.Canvas().Handle(), 0, 0, mask.Handle(), 0, 0,
          MAKEROP4(0x00AA0029, SRCCOPY));
}

struct TCopyCase {
  int X, Y;
  RECT From;
};

// Inside, overhanging every edge of the destination, reaching outside the
// source, and a piece of one pixel.
constexpr TCopyCase kCopies[] = {{3, 2, {1, 1, 12, 9}},    {-4, -3, {0, 0, 23, 17}},
                                 {15, 10, {2, 3, 20, 15}}, {0, 0, {-5, -2, 10, 8}},
                                 {5, 4, {18, 12, 30, 20}}, {7, 7, {4, 4, 5, 5}}};

TEST(BitmapPixels, CopyGivesWhatBitBltGives) {
  std::mt19937 random(7);
  for (const TPixelFormat from : kFormats) {
    for (const TPixelFormat to : kFormats) {
      for (const TCopyCase& c : kCopies) {
        auto sourceBitmap = MakeBitmap(23, 17, from, random);
        TBitmap& source = *sourceBitmap;
        auto destBitmap = MakeBitmap(21, 15, to, random);
        TBitmap& dest = *destBitmap;
        auto expectedBitmap = Clone(dest);
        TBitmap& expected = *expectedBitmap;
        BitBlt(expected.Canvas().Handle(), c.X, c.Y, c.From.right - c.From.left,
               c.From.bottom - c.From.top, source.Canvas().Handle(), c.From.left, c.From.top,
               SRCCOPY);
        CopyPixels(dest, c.X, c.Y, source, c.From);
        EXPECT_EQ("", FirstDifference(expected, dest))
            << "format " << from << " to " << to << " at " << c.X << "," << c.Y;
      }
    }
  }
}

TEST(BitmapPixels, KeyedCopyGivesWhatTheMaskedBltGives) {
  std::mt19937 random(11);
  for (const TPixelFormat from : kFormats) {
    for (const TPixelFormat to : {pf8bit, pf24bit, pf32bit}) {
      // Clipping is the plain copy's; here the piece lies inside both.
      auto sourceBitmap = MakeBitmap(23, 17, from, random);
      TBitmap& source = *sourceBitmap;
      auto destBitmap = MakeBitmap(21, 15, to, random);
      TBitmap& dest = *destBitmap;
      auto expectedBitmap = Clone(dest);
      TBitmap& expected = *expectedBitmap;
      const RECT piece{2, 1, 18, 14};
      MaskedBlt(expected, 3, 1, source, piece, clFuchsia);
      CopyPixels(dest, 3, 1, source, piece, clFuchsia);
      EXPECT_EQ("", FirstDifference(expected, dest)) << "format " << from << " to " << to;
    }
  }
}

TEST(BitmapPixels, ReadPixelIsGetPixel) {
  std::mt19937 random(13);
  for (const TPixelFormat format : kFormats) {
    auto bitmap = MakeBitmap(19, 6, format, random);
    TBitmap& b = *bitmap;
    for (int y = -1; y <= b.Height(); ++y)
      for (int x = -1; x <= b.Width(); ++x)
        ASSERT_EQ(static_cast<TColor>(GetPixel(b.Canvas().Handle(), x, y)), ReadPixel(b, x, y))
            << "format " << format << " at " << x << "," << y;
  }
}

TEST(BitmapPixels, FillIsASolidFillRect) {
  std::mt19937 random(17);
  const RECT rects[] = {{2, 3, 9, 7}, {-3, -2, 40, 30}, {9, 7, 2, 3}, {5, 5, 5, 9}};
  for (const TPixelFormat format : kFormats) {
    for (const RECT& r : rects) {
      for (const TColor colour : {RGBColor(12, 200, 99), clFuchsia, clBtnFace}) {
        auto destBitmap = MakeBitmap(21, 15, format, random);
        TBitmap& dest = *destBitmap;
        auto expectedBitmap = Clone(dest);
        TBitmap& expected = *expectedBitmap;
        TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(colour))));
        FillRect(expected.Canvas().Handle(), &r, brush.Get());
        FillPixels(dest, r, colour);
        EXPECT_EQ("", FirstDifference(expected, dest))
            << "format " << format << " rect " << r.left << "," << r.top << "," << r.right << ","
            << r.bottom;
      }
    }
  }
}

TEST(BitmapPixels, PixelFormatChangesGiveWhatBitBltGives) {
  std::mt19937 random(19);
  for (const TPixelFormat from : kFormats) {
    for (const TPixelFormat to : kFormats) {
      auto bitmap = MakeBitmap(13, 5, from, random);
      TBitmap& b = *bitmap;
      TBitmap expected(13, 5, to);
      BitBlt(expected.Canvas().Handle(), 0, 0, 13, 5, b.Canvas().Handle(), 0, 0, SRCCOPY);
      b.SetPixelFormat(to);
      ASSERT_EQ(to, b.PixelFormat());
      EXPECT_EQ("", FirstDifference(expected, b)) << "format " << from << " to " << to;
    }
  }
}

TEST(BitmapPixels, PixelDcCopiesWithoutTheCanvasObjects) {
  TBitmap source(4, 4, pf24bit);
  FillPixels(source, RECT{0, 0, 4, 4}, clRed);
  TBitmap dest(4, 4, pf24bit);
  HDC dc = dest.PixelDC();
  ASSERT_NE(nullptr, dc);
  // No font of the canvas in it: the DC still holds its stock font.
  EXPECT_EQ(GetStockObject(SYSTEM_FONT), GetCurrentObject(dc, OBJ_FONT));
  BitBlt(dc, 0, 0, 4, 4, source.PixelDC(), 0, 0, SRCCOPY);
  EXPECT_EQ(clRed, ReadPixel(dest, 3, 3));
  // The canvas, used afterwards, has its objects selected as always.
  dest.Canvas().Handle();
  EXPECT_NE(GetStockObject(SYSTEM_FONT), GetCurrentObject(dc, OBJ_FONT));
}

}  // namespace
