#include "skin/draw/ImgUtil.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/draw/RegionRuns.h"
#include "skin/draw/Scratch.h"
#include "tests/win32/graphics/Pixels.h"

namespace {

using pixels::At;
using pixels::Fill;

// 3 x 2: top row A B C, bottom row D E F.
constexpr TColor A = clRed, B = clLime, C = clBlue, D = clYellow, E = clAqua, F = clWhite;

void SixPixels(TBitmap& b) {
  b.SetSize(3, 2);
  const TColor colours[2][3] = {{A, B, C}, {D, E, F}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) pixels::Set(b, x, y, colours[y][x]);
}

void ExpectPixels(TBitmap& b, const std::vector<std::vector<TColor>>& rows) {
  ASSERT_EQ(static_cast<int>(rows.size()), b.Height());
  ASSERT_EQ(static_cast<int>(rows[0].size()), b.Width());
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) EXPECT_EQ(rows[y][x], At(b, x, y)) << x << "," << y;
}

TEST(Transformations, MirrorReversesEveryRow) {
  TBitmap b;
  SixPixels(b);
  MirrorHorz(b);
  EXPECT_EQ(pf24bit, b.PixelFormat());
  ExpectPixels(b, {{C, B, A}, {F, E, D}});
}

TEST(Transformations, FlipReversesTheRowsAndKeepsTheFormat) {
  TBitmap b;
  SixPixels(b);
  FlipVert(b);
  EXPECT_EQ(pfDevice, b.PixelFormat());
  ExpectPixels(b, {{D, E, F}, {A, B, C}});
  TBitmap three(1, 3, pf24bit);
  pixels::Set(three, 0, 0, A);
  pixels::Set(three, 0, 1, B);
  pixels::Set(three, 0, 2, C);
  FlipVert(three);
  ExpectPixels(three, {{C}, {B}, {A}});
}

TEST(Transformations, RotateLeftTurnsCounterClockwise) {
  TBitmap b;
  SixPixels(b);
  RotateLeft(b);
  // new (y, W - 1 - x) = old (x, y): the right column becomes the top row.
  ExpectPixels(b, {{C, F}, {B, E}, {A, D}});
}

TEST(Transformations, RotateRightTurnsClockwise) {
  TBitmap b;
  SixPixels(b);
  RotateRight(b);
  // new (H - 1 - y, x) = old (x, y): the bottom row becomes the left column.
  ExpectPixels(b, {{D, A}, {E, B}, {F, C}});
}

TEST(Transformations, EmptyBitmapsStayEmpty) {
  TBitmap b;
  MirrorHorz(b);
  FlipVert(b);
  RotateLeft(b);
  RotateRight(b);
  ReplaceColour(b, clRed);
  EXPECT_TRUE(b.Empty());
}

TEST(ReplaceColour, OnlyPureMagentaTakesTheColourAndTheResultIs24Bit) {
  TBitmap b(3, 1);
  pixels::Set(b, 0, 0, clFuchsia);
  pixels::Set(b, 1, 0, RGBColor(254, 0, 255));
  pixels::Set(b, 2, 0, clRed);
  ReplaceColour(b, RGBColor(1, 2, 3));
  EXPECT_EQ(pf24bit, b.PixelFormat());
  ExpectPixels(b, {{RGBColor(1, 2, 3), RGBColor(254, 0, 255), clRed}});
  TBitmap s(1, 1, pf24bit);
  pixels::Set(s, 0, 0, clFuchsia);
  ReplaceColour(s, clBtnFace);
  EXPECT_EQ(static_cast<TColor>(GetSysColor(COLOR_BTNFACE)), At(s, 0, 0));
}

TEST(GradientFill, StripsFollowTheGradientOnlyInsideTheClipBox) {
  TBitmap b(100, 4);
  Fill(b, clWhite);
  HDC dc = b.Canvas().Handle();
  IntersectClipRect(dc, 20, 0, 40, 4);
  // Black to red over 100 pixels: red = (49 + 99 i) div 99 = i.
  GradientFill(dc, RECT{0, 0, 100, 4}, clBlack, false, RGBColor(99, 0, 0));
  SelectClipRgn(dc, nullptr);
  for (int x = 0; x < 100; ++x) {
    const TColor expected = x >= 20 && x < 40 ? RGBColor(x, 0, 0) : clWhite;
    ASSERT_EQ(expected, At(b, x, 2)) << x;
  }
}

TEST(GradientFill, VerticalRunsTopToBottomAndMatchesTheCache) {
  TBitmap b(3, 50);
  Fill(b, clWhite);
  GradientFill(b.Canvas().Handle(), RECT{0, 10, 3, 40}, RGBColor(10, 200, 0), true,
               RGBColor(240, 20, 90));
  const TGradient& expected = GetGradient(30, RGBColor(10, 200, 0), RGBColor(240, 20, 90));
  ASSERT_EQ(30u, expected.size());
  for (int y = 0; y < 30; ++y) EXPECT_EQ(expected[y], At(b, 1, 10 + y)) << y;
  EXPECT_EQ(clWhite, At(b, 1, 9));
  EXPECT_EQ(clWhite, At(b, 1, 40));
}

TEST(GradientFill, NothingWithoutExtentOrOutsideTheVisibleArea) {
  TBitmap b(10, 10);
  Fill(b, clWhite);
  HDC dc = b.Canvas().Handle();
  GradientFill(dc, RECT{0, 0, 10, 0}, clBlack, true, clRed);
  GradientFill(dc, RECT{5, 0, 2, 10}, clBlack, false, clRed);
  GradientFill(dc, RECT{20, 20, 30, 30}, clBlack, false, clRed);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(clWhite, At(b, x, y));
}

std::vector<RECT> RegionRects(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<std::uint8_t> data(size);
  GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data()));
  const auto* header = reinterpret_cast<const RGNDATAHEADER*>(data.data());
  const auto* rects = reinterpret_cast<const RECT*>(data.data() + header->dwSize);
  return std::vector<RECT>(rects, rects + header->nCount);
}

TEST(RegionFromBitmap, RectanglesAreTheNonKeyRunsOffset) {
  // Rows with different runs, so the system cannot merge them into bands.
  TBitmap b(5, 3);
  Fill(b, clFuchsia);
  pixels::Set(b, 1, 0, clRed);
  pixels::Set(b, 2, 0, clRed);
  pixels::Set(b, 4, 0, clRed);
  Fill(b, 0, 2, 5, 3, clBlue);
  HRGN region = RegionFromBitmap(b, 10, 20, 0, 0, 0, clFuchsia);
  const std::vector<RECT> rects = RegionRects(region);
  const RECT expected[] = {{11, 20, 13, 21}, {14, 20, 15, 21}, {10, 22, 15, 23}};
  ASSERT_EQ(3u, rects.size());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(EqualRect(&expected[i], &rects[i])) << i;
  DeleteObject(region);
  EXPECT_EQ(pfDevice, b.PixelFormat());  // the caller's bitmap is left as it was
}

TEST(RegionFromBitmap, ManyRunsAcrossSeveralBatchesCoverExactlyTheNonKeyPixels) {
  // A checkerboard of 120 x 40 has 2400 runs: more than one batch of 2000.
  TBitmap b(120, 40, pf24bit);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) pixels::Set(b, x, y, (x + y) % 2 ? clFuchsia : RGBColor(x, y, 7));
  HRGN region = RegionFromBitmap(b, 3, 4, 0, 0, 0, clFuchsia);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x)
      ASSERT_EQ((x + y) % 2 == 0, PtInRegion(region, x + 3, y + 4) != FALSE) << x << "," << y;
  DeleteObject(region);
}

TEST(RegionFromBitmap, ToleranceWidensTheKeyAndAllKeyGivesAnEmptyRegion) {
  TBitmap b(3, 1);
  pixels::Set(b, 0, 0, RGBColor(255, 3, 250));  // inside green 0..3; blue 250 is below the key
  pixels::Set(b, 1, 0, RGBColor(255, 3, 255));
  pixels::Set(b, 2, 0, RGBColor(255, 4, 255));
  HRGN region = RegionFromBitmap(b, 0, 0, 0, 3, 0, clFuchsia);
  EXPECT_TRUE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 1, 0));
  EXPECT_TRUE(PtInRegion(region, 2, 0));
  DeleteObject(region);
  TBitmap key(4, 4);
  Fill(key, clFuchsia);
  region = RegionFromBitmap(key, 0, 0, 0, 0, 0, clFuchsia);
  RECT box{};
  EXPECT_EQ(NULLREGION, GetRgnBox(region, &box));
  DeleteObject(region);
}

TEST(DrawSkinText, DrawsWideTextAndReturnsItsHeight) {
  TBitmap b(80, 30);
  Fill(b, clWhite);
  HDC dc = b.Canvas().Handle();
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 255));
  RECT rect{0, 0, 80, 30};
  const int height = DrawSkinText(dc, u"\u70B9\u51FB Go", rect, DT_LEFT | DT_TOP | DT_SINGLELINE);
  EXPECT_GT(height, 5);
  int drawn = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x) drawn += At(b, x, y) != clWhite;
  EXPECT_GT(drawn, 10);
}

TEST(AnsiToWide, ConvertsThroughTheAnsiCodePage) {
  EXPECT_EQ(u"Tapvane 1.0", AnsiToWide("Tapvane 1.0"));
  EXPECT_EQ(u"", AnsiToWide(""));
}

TEST(Scratch, OneBitmapStretchingColourOnColourAndOneStringList) {
  TBitmap& scratch = ScratchBitmap();
  EXPECT_EQ(&scratch, &ScratchBitmap());
  scratch.SetSize(4, 4);
  EXPECT_EQ(COLORONCOLOR, GetStretchBltMode(scratch.Canvas().Handle()));
  ScratchStrings().Add("x");
  EXPECT_EQ(1, ScratchStrings().Count());
  ScratchStrings().Clear();
}

}  // namespace
