#include "toolkit/graphics/Bitmap.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/win32/graphics/Pixels.h"
#include "toolkit/core/Streams.h"

namespace {

void Load(TMemoryStream& stream, std::span<const std::uint8_t> bytes) {
  stream.Write(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  stream.SetPosition(0);
}

// The tiny.bmp resource: 4 x 2; top row black, magenta, cyan, yellow; bottom
// row red, green, blue, white.
void ExpectTinyPixels(TBitmap& b) {
  ASSERT_EQ(4, b.Width());
  ASSERT_EQ(2, b.Height());
  const TColor top[] = {clBlack, clFuchsia, clAqua, clYellow};
  const TColor bottom[] = {clRed, clLime, clBlue, clWhite};
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(top[x], pixels::At(b, x, 0)) << x;
    EXPECT_EQ(bottom[x], pixels::At(b, x, 1)) << x;
  }
}

TEST(Bitmap, IsADibSectionOfItsSize) {
  TBitmap b(5, 3);
  DIBSECTION dib{};
  ASSERT_EQ(static_cast<int>(sizeof dib), GetObjectW(b.Handle(), sizeof dib, &dib));
  EXPECT_NE(nullptr, dib.dsBm.bmBits);
  EXPECT_EQ(5, dib.dsBm.bmWidth);
  EXPECT_EQ(3, dib.dsBm.bmHeight);
  EXPECT_EQ(32, dib.dsBm.bmBitsPixel);
  EXPECT_EQ(pfDevice, b.PixelFormat());
  EXPECT_FALSE(b.Empty());
  EXPECT_TRUE(TBitmap().Empty());
  EXPECT_EQ(nullptr, TBitmap().Handle());
}

TEST(Bitmap, ScanLineRowsCountFromTheTopAndAgreeWithTheCanvas) {
  TBitmap b(4, 3, pf24bit);
  pixels::Set(b, 1, 0, clRed);
  pixels::Set(b, 2, 2, clBlue);
  EXPECT_EQ(clRed, b.Canvas().Pixel(1, 0));
  EXPECT_EQ(clBlue, b.Canvas().Pixel(2, 2));
  b.Canvas().SetPixel(3, 1, clLime);
  EXPECT_EQ(clLime, pixels::At(b, 3, 1));
  EXPECT_EQ(nullptr, b.ScanLine(-1));
  EXPECT_EQ(nullptr, b.ScanLine(3));
  EXPECT_EQ(12, b.Stride());
}

TEST(Bitmap, SetSizeKeepsThePixelsThatStillFit) {
  TBitmap b(3, 3);
  pixels::Fill(b, clWhite);
  pixels::Set(b, 0, 0, clRed);
  b.SetSize(5, 2);
  ASSERT_EQ(5, b.Width());
  ASSERT_EQ(2, b.Height());
  EXPECT_EQ(clRed, pixels::At(b, 0, 0));
  EXPECT_EQ(clWhite, pixels::At(b, 2, 1));
  EXPECT_EQ(clBlack, pixels::At(b, 4, 1));
  b.SetSize(0, 7);
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, PixelFormatChangesKeepColoursThePaletteHolds) {
  TBitmap b(2, 1);
  pixels::Set(b, 0, 0, clRed);
  pixels::Set(b, 1, 0, clWhite);
  b.SetPixelFormat(pf24bit);
  EXPECT_EQ(24, b.BitsPerPixel());
  EXPECT_EQ(clRed, pixels::At(b, 0, 0));
  b.SetPixelFormat(pf8bit);
  EXPECT_EQ(clRed, b.Canvas().Pixel(0, 0));
  EXPECT_EQ(clWhite, b.Canvas().Pixel(1, 0));
  b.SetPixelFormat(pf1bit);
  EXPECT_EQ(clWhite, b.Canvas().Pixel(1, 0));
  b.SetPixelFormat(pf16bit);
  EXPECT_EQ(clWhite, b.Canvas().Pixel(1, 0));
  b.SetPixelFormat(pf32bit);
  EXPECT_EQ(clWhite, pixels::At(b, 1, 0));
}

TEST(Bitmap, LoadsABitmapResource) {
  TBitmap b;
  b.LoadFromResourceName(GetModuleHandleW(nullptr), "TESTBMP");
  EXPECT_EQ(pf24bit, b.PixelFormat());
  ExpectTinyPixels(b);
  b.LoadFromResourceName(GetModuleHandleW(nullptr), "NOSUCHBMP");
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, SavedFileLoadsBackWithTheSamePixels) {
  TBitmap source;
  source.LoadFromResourceName(GetModuleHandleW(nullptr), "TESTBMP");
  TMemoryStream saved;
  source.SaveToStream(saved);
  ASSERT_GT(saved.Size(), 54);
  EXPECT_EQ('B', saved.Bytes()[0]);
  saved.SetPosition(0);
  TBitmap back;
  back.LoadFromStream(saved);
  ExpectTinyPixels(back);
}

TEST(Bitmap, BadFilesLeaveItEmpty) {
  TBitmap good;
  good.LoadFromResourceName(GetModuleHandleW(nullptr), "TESTBMP");
  TMemoryStream saved;
  good.SaveToStream(saved);
  const std::vector<std::uint8_t> file(saved.Bytes().begin(), saved.Bytes().end());

  TBitmap b(3, 3);
  TMemoryStream truncated;
  Load(truncated, std::span(file).first(file.size() - 1));
  b.LoadFromStream(truncated);
  EXPECT_TRUE(b.Empty());

  std::vector<std::uint8_t> huge = file;
  huge[18] = 0xFF;  // a width of 65535
  huge[19] = 0xFF;
  TMemoryStream absurd;
  Load(absurd, huge);
  b.SetSize(2, 2);
  b.LoadFromStream(absurd);
  EXPECT_TRUE(b.Empty());

  const std::uint8_t junk[] = {'B', 'M', 1, 2, 3, 4, 5, 6, 7};
  TMemoryStream garbage;
  Load(garbage, junk);
  b.SetSize(2, 2);
  b.LoadFromStream(garbage);
  EXPECT_TRUE(b.Empty());

  TMemoryStream nothing;
  b.SetSize(2, 2);
  b.LoadFromStream(nothing);
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixelUntilFixed) {
  TBitmap b(3, 2);
  pixels::Fill(b, clWhite);
  pixels::Set(b, 0, 1, clFuchsia);
  EXPECT_EQ(tmAuto, b.TransparentMode());
  EXPECT_EQ(clFuchsia, b.TransparentColor());
  b.SetTransparentColor(clWhite);
  EXPECT_EQ(tmFixed, b.TransparentMode());
  EXPECT_EQ(clWhite, b.TransparentColor());
  b.SetTransparentColor(clDefault);
  EXPECT_EQ(tmAuto, b.TransparentMode());
}

TEST(Bitmap, MaskIsWhiteWhereTheTransparentColourIs) {
  TBitmap b(17, 2);  // wider than one 16-bit word of mask bits
  pixels::Fill(b, clRed);
  pixels::Set(b, 0, 0, clFuchsia);
  pixels::Set(b, 16, 1, clFuchsia);
  b.SetTransparentColor(clFuchsia);
  HBITMAP mask = b.MaskHandle();
  ASSERT_NE(nullptr, mask);
  BITMAP info{};
  GetObjectW(mask, sizeof info, &info);
  EXPECT_EQ(1, info.bmBitsPixel);
  TMemoryDC dc;
  TSelection select(dc.Get(), mask);
  EXPECT_EQ(0xFFFFFFu, GetPixel(dc.Get(), 0, 0));
  EXPECT_EQ(0xFFFFFFu, GetPixel(dc.Get(), 16, 1));
  EXPECT_EQ(0u, GetPixel(dc.Get(), 1, 0));
  EXPECT_EQ(0u, GetPixel(dc.Get(), 16, 0));
}

TEST(Bitmap, MaskTurnsTheBitmapIntoAMonochromeMask) {
  TBitmap b(3, 1, pf24bit);
  pixels::Fill(b, clBlue);
  pixels::Set(b, 1, 0, clFuchsia);
  b.Mask(clFuchsia);
  EXPECT_EQ(pf1bit, b.PixelFormat());
  EXPECT_EQ(clBlack, b.Canvas().Pixel(0, 0));
  EXPECT_EQ(clWhite, b.Canvas().Pixel(1, 0));
  EXPECT_EQ(clBlack, b.Canvas().Pixel(2, 0));
}

TEST(Bitmap, AssignMakesAnIndependentCopy) {
  TBitmap a(2, 2, pf24bit);
  pixels::Fill(a, clLime);
  a.SetTransparent(true);
  a.SetTransparentColor(clLime);
  TBitmap b;
  b.Assign(&a);
  EXPECT_EQ(pf24bit, b.PixelFormat());
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(clLime, b.TransparentColor());
  pixels::Set(b, 0, 0, clRed);
  EXPECT_EQ(clLime, pixels::At(a, 0, 0));
  EXPECT_EQ(clRed, pixels::At(b, 0, 0));
  EXPECT_NE(a.Handle(), b.Handle());
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, HandleCanBeSelectedElsewhereAfterCanvasUse) {
  TBitmap b(2, 2);
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().FillRect(RECT{0, 0, 2, 2});
  TMemoryDC dc;
  HGDIOBJ old = SelectObject(dc.Get(), b.Handle());
  EXPECT_NE(nullptr, old);
  EXPECT_EQ(clRed, static_cast<TColor>(GetPixel(dc.Get(), 1, 1)));
  SelectObject(dc.Get(), old);
  // And the canvas comes back on demand.
  b.Canvas().SetPixel(0, 0, clBlue);
  EXPECT_EQ(clBlue, pixels::At(b, 0, 0));
}

TEST(Bitmap, TransparentDrawLeavesTheTransparentColourOut) {
  TBitmap sprite(2, 1);
  pixels::Set(sprite, 0, 0, clFuchsia);
  pixels::Set(sprite, 1, 0, clRed);
  sprite.SetTransparentColor(clFuchsia);
  sprite.SetTransparent(true);
  TBitmap target(3, 1);
  pixels::Fill(target, clWhite);
  target.Canvas().Draw(1, 0, sprite);
  EXPECT_EQ(clWhite, pixels::At(target, 0, 0));
  EXPECT_EQ(clWhite, pixels::At(target, 1, 0));
  EXPECT_EQ(clRed, pixels::At(target, 2, 0));
  sprite.SetTransparent(false);
  target.Canvas().Draw(1, 0, sprite);
  EXPECT_EQ(clFuchsia, pixels::At(target, 1, 0));
}

}  // namespace
