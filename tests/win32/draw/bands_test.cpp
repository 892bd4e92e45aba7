#include <gtest/gtest.h>

#include "skin/draw/FramedImage.h"
#include "tests/win32/graphics/Pixels.h"

namespace {

using pixels::At;
using pixels::Fill;

// Frame 2 of a 2-frame strip of 7 x 4 frames: left 2 red, middle green,
// blue, white, right 2 yellow. Frame 1 is black.
void Band(TBitmap& strip) {
  strip.SetSize(14, 4);
  Fill(strip, clBlack);
  Fill(strip, 7, 0, 9, 4, clRed);
  Fill(strip, 9, 0, 10, 4, clLime);
  Fill(strip, 10, 0, 11, 4, clBlue);
  Fill(strip, 11, 0, 12, 4, clWhite);
  Fill(strip, 12, 0, 14, 4, clYellow);
}

TEST(DrawHorzBand, LeftPieceRepeatedMiddleRightPiece) {
  TBitmap strip;
  Band(strip);
  TBitmap target(14, 6);
  Fill(target, clGray);
  // 12 wide at x = 1: middle pieces at band x = 2, 5, 8; the last one runs
  // under the right piece at 10.
  DrawHorzBand(target.Canvas(), RECT{1, 1, 13, 5}, strip, false, false, 2, 2, RECT{2, 0, 2, 0});
  const TColor expected[] = {clRed,  clRed,   clLime, clBlue, clWhite,  clLime,
                             clBlue, clWhite, clLime, clBlue, clYellow, clYellow};
  for (int x = 0; x < 12; ++x) EXPECT_EQ(expected[x], At(target, 1 + x, 2)) << x;
  EXPECT_EQ(clGray, At(target, 0, 2));
  EXPECT_EQ(clGray, At(target, 13, 2));
  EXPECT_EQ(clGray, At(target, 5, 0));
  EXPECT_EQ(clLime, At(target, 3, 4));
}

TEST(DrawHorzBand, TransparentLeavesMagentaOut) {
  TBitmap strip;
  Band(strip);
  Fill(strip, 10, 0, 11, 4, clFuchsia);
  TBitmap target(14, 6);
  Fill(target, clGray);
  DrawHorzBand(target.Canvas(), RECT{1, 1, 13, 5}, strip, false, true, 2, 2, RECT{2, 0, 2, 0});
  EXPECT_EQ(clLime, At(target, 3, 2));
  EXPECT_EQ(clGray, At(target, 4, 2));
  EXPECT_EQ(clGray, At(target, 7, 2));
  EXPECT_EQ(clYellow, At(target, 12, 2));
}

TEST(DrawHorzBand, NoMiddleWhenTheMarginsFillTheFrame) {
  TBitmap strip;
  Band(strip);
  TBitmap target(14, 6);
  Fill(target, clGray);
  DrawHorzBand(target.Canvas(), RECT{0, 0, 10, 4}, strip, false, false, 2, 2, RECT{4, 0, 3, 0});
  EXPECT_EQ(clRed, At(target, 0, 0));
  EXPECT_EQ(clBlack, At(target, 5, 0));  // between the pieces: the band's own black
  EXPECT_EQ(clYellow, At(target, 9, 0));
  Fill(target, clGray);
  DrawHorzBand(target.Canvas(), RECT{5, 0, 2, 4}, strip, false, false, 2, 2, RECT{2, 0, 2, 0});
  EXPECT_EQ(clGray, At(target, 3, 0));
}

TEST(StretchHorzBand, ThreePiecesWithTheMiddleStretched) {
  TBitmap strip;
  Band(strip);
  TBitmap target(20, 6);
  Fill(target, clGray);
  // 16 wide: left 2, middle 12 from 3 columns (4 each), right 2.
  StretchHorzBand(target.Canvas().Handle(), RECT{2, 1, 18, 5}, strip, false, 2, 2,
                  RECT{2, 0, 2, 0});
  EXPECT_EQ(clRed, At(target, 3, 1));
  EXPECT_EQ(clLime, At(target, 4, 1));
  EXPECT_EQ(clLime, At(target, 7, 4));
  EXPECT_EQ(clBlue, At(target, 8, 2));
  EXPECT_EQ(clWhite, At(target, 15, 2));
  EXPECT_EQ(clYellow, At(target, 16, 2));
  EXPECT_EQ(clYellow, At(target, 17, 2));
  EXPECT_EQ(clGray, At(target, 18, 2));
  EXPECT_EQ(clGray, At(target, 5, 5));
}

TEST(StretchHorzBand, NarrowerThanTheFrameStretchesTheWholeFrame) {
  TBitmap strip;
  Band(strip);
  TBitmap target(20, 6);
  Fill(target, clGray);
  // 5 is narrower than the 7-wide frame: all of it goes into the 5 columns.
  StretchHorzBand(target.Canvas().Handle(), RECT{0, 0, 5, 4}, strip, false, 2, 2, RECT{2, 0, 2, 0});
  EXPECT_EQ(clRed, At(target, 0, 0));
  EXPECT_EQ(clYellow, At(target, 4, 0));
  EXPECT_EQ(clGray, At(target, 5, 0));
}

TEST(DrawStretchedFrame, OneFrameOverTheWholeRectangle) {
  TBitmap strip(8, 2);
  Fill(strip, 0, 0, 4, 2, clRed);
  Fill(strip, 4, 0, 8, 2, clBlue);
  pixels::Set(strip, 4, 0, clFuchsia);
  TBitmap target(12, 12);
  Fill(target, clGray);
  DrawStretchedFrame(target.Canvas().Handle(), RECT{2, 2, 10, 6}, strip, false, 2, 2);
  EXPECT_EQ(clFuchsia, At(target, 2, 2));
  EXPECT_EQ(clBlue, At(target, 9, 5));
  EXPECT_EQ(clGray, At(target, 10, 5));
  Fill(target, clGray);
  DrawStretchedFrame(target.Canvas().Handle(), RECT{2, 2, 10, 6}, strip, true, 2, 2);
  EXPECT_EQ(clGray, At(target, 2, 2));
  EXPECT_EQ(clBlue, At(target, 4, 2));
}

TEST(DrawCentredFrame, UnscaledAndCentredOverhangingEvenly) {
  TBitmap strip(8, 2);  // two frames of 4 x 2
  Fill(strip, 0, 0, 4, 2, clRed);
  Fill(strip, 4, 0, 8, 2, clBlue);
  TBitmap target(12, 12);
  Fill(target, clGray);
  // 10 x 6 at (0, 0): left (10 - 4) / 2 = 3, top (6 - 2) / 2 = 2.
  DrawCentredFrame(target.Canvas().Handle(), RECT{0, 0, 10, 6}, strip, false, 2, 1);
  EXPECT_EQ(clGray, At(target, 2, 2));
  EXPECT_EQ(clRed, At(target, 3, 2));
  EXPECT_EQ(clRed, At(target, 6, 3));
  EXPECT_EQ(clGray, At(target, 7, 3));
  EXPECT_EQ(clGray, At(target, 3, 4));
  // Larger than a 1 x 1 rectangle at (5, 8): (1 - 4) / 2 = -1, (1 - 2) / 2 = 0.
  Fill(target, clGray);
  DrawCentredFrame(target.Canvas().Handle(), RECT{5, 8, 6, 9}, strip, false, 2, 2);
  EXPECT_EQ(clGray, At(target, 3, 8));
  EXPECT_EQ(clBlue, At(target, 4, 8));
  EXPECT_EQ(clBlue, At(target, 7, 9));
  EXPECT_EQ(clGray, At(target, 8, 8));
  EXPECT_EQ(clGray, At(target, 5, 7));
}

TEST(DrawCentredFrame, TransparentLeavesMagentaOut) {
  TBitmap strip(2, 1);
  pixels::Set(strip, 0, 0, clFuchsia);
  pixels::Set(strip, 1, 0, clRed);
  TBitmap target(4, 1);
  Fill(target, clGray);
  DrawCentredFrame(target.Canvas().Handle(), RECT{0, 0, 4, 1}, strip, true, 1, 1);
  EXPECT_EQ(clGray, At(target, 1, 0));
  EXPECT_EQ(clRed, At(target, 2, 0));
}

}  // namespace
