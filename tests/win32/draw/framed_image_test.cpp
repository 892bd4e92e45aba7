#include <gtest/gtest.h>

#include "skin/draw/FramedImage.h"
#include "tests/win32/graphics/Pixels.h"

namespace {

using pixels::At;
using pixels::Fill;

constexpr TColor kFrameColours[] = {clRed, clLime, clBlue, clYellow, clAqua};
constexpr RECT kNoMargins{0, 0, 0, 0};

// 100 x 20, five frames of 20 x 20, each one colour.
void FiveFrames(TBitmap& strip) {
  strip.SetSize(100, 20);
  for (int n = 0; n < 5; ++n) Fill(strip, 20 * n, 0, 20 * n + 20, 20, kFrameColours[n]);
}

bool AllPixels(TBitmap& b, TColor colour) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (At(b, x, y) != colour) return false;
  return true;
}

// A 2-frame strip of 30 x 30 frames; frame 2 is a nine-slice with margins
// of 10, every piece its own colour. Frame 1 is black, so reading from the
// wrong frame shows.
enum Piece { TL, T, TR, L, C, R, BL, B, BR };
constexpr TColor kPieces[] = {clRed,  clLime,   clBlue,   clYellow, clWhite,
                              clAqua, clMaroon, clSilver, clNavy};

void NineSlice(TBitmap& strip) {
  strip.SetSize(60, 30);
  Fill(strip, clBlack);
  const int edges[] = {0, 10, 20, 30};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      Fill(strip, 30 + edges[col], edges[row], 30 + edges[col + 1], edges[row + 1],
           kPieces[row * 3 + col]);
}

TEST(ComposeFramedImage, FrameThreeOfFiveIsTheSquareAtForty) {
  TBitmap strip;
  FiveFrames(strip);
  auto image = ComposeFramedImage(RECT{5, 5, 25, 25}, strip, kNoMargins, false, false, 5, 3);
  ASSERT_EQ(20, image->Width());
  ASSERT_EQ(20, image->Height());
  EXPECT_TRUE(AllPixels(*image, clBlue));
  image = ComposeFramedImage(RECT{0, 0, 37, 9}, strip, kNoMargins, false, false, 5, 5);
  EXPECT_TRUE(AllPixels(*image, clAqua));
}

TEST(ComposeFramedImage, StackedFramesCountDownwards) {
  TBitmap strip(10, 30);
  Fill(strip, 0, 0, 10, 10, clRed);
  Fill(strip, 0, 10, 10, 20, clLime);
  Fill(strip, 0, 20, 10, 30, clBlue);
  auto image = ComposeFramedImage(RECT{0, 0, 15, 15}, strip, kNoMargins, true, false, 3, 2);
  EXPECT_TRUE(AllPixels(*image, clLime));
}

TEST(ComposeFramedImage, NineSliceKeepsCornersAndStretchesEdgesAndCentre) {
  TBitmap strip;
  NineSlice(strip);
  auto image =
      ComposeFramedImage(RECT{0, 0, 100, 70}, strip, RECT{10, 10, 10, 10}, false, false, 2, 2);
  struct Probe {
    int X, Y;
    Piece P;
  };
  const Probe probes[] = {{0, 0, TL},  {9, 9, TL},  {10, 0, T},  {50, 5, T},   {89, 9, T},
                          {90, 0, TR}, {99, 9, TR}, {0, 10, L},  {5, 59, L},   {10, 10, C},
                          {50, 35, C}, {89, 59, C}, {90, 10, R}, {99, 59, R},  {0, 60, BL},
                          {9, 69, BL}, {10, 60, B}, {89, 69, B}, {90, 60, BR}, {99, 69, BR}};
  for (const Probe& p : probes) EXPECT_EQ(kPieces[p.P], At(*image, p.X, p.Y)) << p.X << "," << p.Y;
}

TEST(ComposeFramedImage, MarginsThatDoNotFitDropAndTheFrameStretches) {
  // Frame of 60 x 10: thirds red, green, blue; margins of 20 and 20 do not
  // fit a 30-wide destination, so the whole frame is stretched across it.
  TBitmap strip(60, 10);
  Fill(strip, 0, 0, 20, 10, clRed);
  Fill(strip, 20, 0, 40, 10, clLime);
  Fill(strip, 40, 0, 60, 10, clBlue);
  auto image =
      ComposeFramedImage(RECT{0, 0, 30, 10}, strip, RECT{20, 0, 20, 0}, false, false, 1, 1);
  EXPECT_EQ(clRed, At(*image, 5, 5));
  EXPECT_EQ(clLime, At(*image, 12, 5));
  EXPECT_EQ(clLime, At(*image, 17, 5));
  EXPECT_EQ(clBlue, At(*image, 25, 5));
  // The same rule on the vertical axis: top and bottom of 8 in a 10-high image.
  TBitmap tall(10, 30);
  Fill(tall, 0, 0, 10, 8, clRed);
  Fill(tall, 0, 8, 10, 22, clLime);
  Fill(tall, 0, 22, 10, 30, clBlue);
  image = ComposeFramedImage(RECT{0, 0, 10, 10}, tall, RECT{0, 8, 0, 8}, false, false, 1, 1);
  EXPECT_EQ(clRed, At(*image, 5, 1));
  EXPECT_EQ(clLime, At(*image, 5, 5));
  EXPECT_EQ(clBlue, At(*image, 5, 9));
}

TEST(ComposeFramedImage, TiledCentreRepeatsAndLaterPiecesCoverTheOverflow) {
  // Frame 7 x 7, margins 2: centre columns red, green, blue; right margin
  // aqua, bottom margin silver.
  TBitmap frame(7, 7);
  Fill(frame, clBlack);
  Fill(frame, 2, 2, 3, 5, clRed);
  Fill(frame, 3, 2, 4, 5, clLime);
  Fill(frame, 4, 2, 5, 5, clBlue);
  Fill(frame, 5, 0, 7, 7, clAqua);
  Fill(frame, 0, 5, 7, 7, clSilver);
  // Centre of the 12 x 9 result: (2, 2)-(10, 7); tiles at x = 2, 5, 8 and
  // y = 2, 5, the last ones running into the right and bottom margins.
  auto image = ComposeFramedImage(RECT{0, 0, 12, 9}, frame, RECT{2, 2, 2, 2}, false, true, 1, 1);
  const TColor row[] = {clRed, clLime, clBlue, clRed, clLime, clBlue, clRed, clLime};
  for (int x = 2; x < 10; ++x) {
    EXPECT_EQ(row[x - 2], At(*image, x, 3)) << x;
    EXPECT_EQ(row[x - 2], At(*image, x, 6)) << x;
  }
  EXPECT_EQ(clAqua, At(*image, 10, 4));   // not the overflowing blue
  EXPECT_EQ(clSilver, At(*image, 5, 7));  // not the overflowing red
  // Stretched instead, the three columns spread over the eight.
  image = ComposeFramedImage(RECT{0, 0, 12, 9}, frame, RECT{2, 2, 2, 2}, false, false, 1, 1);
  EXPECT_EQ(clRed, At(*image, 2, 4));
  EXPECT_EQ(clBlue, At(*image, 9, 4));
  EXPECT_EQ(clAqua, At(*image, 10, 4));
}

TEST(ComposeFramedImage, BadCountsIndexesMarginsAndSizesAreHarmless) {
  TBitmap strip;
  FiveFrames(strip);
  // Count 0 is one frame: the whole strip stretched.
  auto image = ComposeFramedImage(RECT{0, 0, 10, 4}, strip, kNoMargins, false, false, 0, 1);
  EXPECT_EQ(clRed, At(*image, 0, 0));
  EXPECT_EQ(clAqua, At(*image, 9, 0));
  // An index past the last frame draws the last frame.
  image = ComposeFramedImage(RECT{0, 0, 4, 4}, strip, kNoMargins, false, false, 5, 7);
  EXPECT_TRUE(AllPixels(*image, clAqua));
  // Negative margins are no margins.
  image = ComposeFramedImage(RECT{0, 0, 4, 4}, strip, RECT{-5, -5, -5, -5}, false, false, 5, 2);
  EXPECT_TRUE(AllPixels(*image, clLime));
  // No size, or an empty source: an empty or untouched result.
  EXPECT_TRUE(ComposeFramedImage(RECT{5, 5, 5, 9}, strip, kNoMargins, false, false, 5, 1)->Empty());
  EXPECT_TRUE(ComposeFramedImage(RECT{5, 5, 0, 0}, strip, kNoMargins, false, false, 5, 1)->Empty());
  TBitmap empty;
  image = ComposeFramedImage(RECT{0, 0, 3, 3}, empty, kNoMargins, false, false, 1, 1);
  EXPECT_EQ(3, image->Width());
  EXPECT_TRUE(AllPixels(*image, clBlack));
  // More frames than pixels: nothing to copy.
  TBitmap narrow(3, 3);
  Fill(narrow, clRed);
  image = ComposeFramedImage(RECT{0, 0, 3, 3}, narrow, kNoMargins, false, false, 5, 1);
  EXPECT_TRUE(AllPixels(*image, clBlack));
}

TEST(DrawFramedImage, TransparentLeavesMagentaOut) {
  TBitmap source(4, 4);
  Fill(source, 0, 0, 2, 4, clFuchsia);
  Fill(source, 2, 0, 4, 4, clRed);
  TBitmap target(10, 10);
  Fill(target, clGray);
  DrawFramedImage(target.Canvas().Handle(), RECT{2, 2, 6, 6}, source, false, false, true, 1, 1,
                  kNoMargins);
  EXPECT_EQ(clGray, At(target, 2, 3));
  EXPECT_EQ(clGray, At(target, 3, 5));
  EXPECT_EQ(clRed, At(target, 4, 2));
  EXPECT_EQ(clRed, At(target, 5, 5));
  EXPECT_EQ(clGray, At(target, 6, 5));
  EXPECT_EQ(clGray, At(target, 1, 1));
  DrawFramedImage(target.Canvas().Handle(), RECT{2, 2, 6, 6}, source, false, false, false, 1, 1,
                  kNoMargins);
  EXPECT_EQ(clFuchsia, At(target, 2, 3));
}

TEST(DrawFramedImage, NothingForInvertedRectanglesOrEmptySources) {
  TBitmap source(4, 4);
  Fill(source, clRed);
  TBitmap target(10, 10);
  Fill(target, clGray);
  HDC dc = target.Canvas().Handle();
  DrawFramedImage(dc, RECT{6, 2, 2, 6}, source, false, false, false, 1, 1, kNoMargins);
  DrawFramedImage(dc, RECT{2, 6, 6, 2}, source, false, false, false, 1, 1, kNoMargins);
  TBitmap empty;
  DrawFramedImage(dc, RECT{2, 2, 6, 6}, empty, false, false, false, 1, 1, kNoMargins);
  EXPECT_TRUE(AllPixels(target, clGray));
}

TEST(DrawTiled, ColumnByColumnRunningPastTheEdges) {
  TBitmap source(5, 5);
  Fill(source, clBlack);
  Fill(source, 1, 1, 3, 3, clLime);
  pixels::Set(source, 1, 1, clRed);
  TBitmap target(10, 10);
  Fill(target, clGray);
  // Source piece (1,1)-(3,3): red in its top-left. Destination (1,1)-(6,4):
  // tiles at x = 1, 3, 5 and y = 1, 3; the last ones reach x = 6 and y = 4.
  DrawTiled(target.Canvas(), RECT{1, 1, 6, 4}, source, RECT{1, 1, 3, 3});
  for (int x : {1, 3, 5})
    for (int y : {1, 3}) EXPECT_EQ(clRed, At(target, x, y)) << x << "," << y;
  EXPECT_EQ(clLime, At(target, 6, 4));
  EXPECT_EQ(clGray, At(target, 7, 4));
  EXPECT_EQ(clGray, At(target, 6, 5));
  EXPECT_EQ(clGray, At(target, 0, 0));
}

TEST(DrawTiled, ZeroSizedSourceDrawsNothing) {
  TBitmap source(5, 5);
  Fill(source, clRed);
  TBitmap target(10, 10);
  Fill(target, clGray);
  DrawTiled(target.Canvas(), RECT{0, 0, 10, 10}, source, RECT{2, 0, 2, 5});
  DrawTiled(target.Canvas(), RECT{0, 0, 10, 10}, source, RECT{0, 3, 5, 1});
  EXPECT_TRUE(AllPixels(target, clGray));
}

TEST(DrawTransparent, ColourLeftOutAndNeverMoreThanTheBitmap) {
  TBitmap source(3, 2);
  Fill(source, clBlue);
  pixels::Set(source, 1, 0, clFuchsia);
  TBitmap target(8, 4);
  Fill(target, clWhite);
  DrawTransparent(target.Canvas().Handle(), RECT{2, 1, 8, 4}, source, clFuchsia);
  EXPECT_EQ(clBlue, At(target, 2, 1));
  EXPECT_EQ(clWhite, At(target, 3, 1));
  EXPECT_EQ(clBlue, At(target, 4, 2));
  EXPECT_EQ(clWhite, At(target, 5, 1));  // past the bitmap's width
  EXPECT_EQ(clWhite, At(target, 2, 3));  // past its height
  // The rectangle's size wins when smaller.
  Fill(target, clWhite);
  DrawTransparent(target.Canvas().Handle(), RECT{0, 0, 1, 1}, source, clFuchsia);
  EXPECT_EQ(clBlue, At(target, 0, 0));
  EXPECT_EQ(clWhite, At(target, 2, 0));
  EXPECT_EQ(clWhite, At(target, 0, 1));
}

TEST(ComposeFramedImage, TwentyFourBitSourcesComposeAlike) {
  TBitmap strip;
  NineSlice(strip);
  strip.SetPixelFormat(pf24bit);
  auto image =
      ComposeFramedImage(RECT{0, 0, 50, 40}, strip, RECT{10, 10, 10, 10}, false, true, 2, 2);
  EXPECT_EQ(kPieces[TL], At(*image, 0, 0));
  EXPECT_EQ(kPieces[C], At(*image, 25, 20));
  EXPECT_EQ(kPieces[BR], At(*image, 49, 39));
}

}  // namespace
