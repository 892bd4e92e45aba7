#include <gtest/gtest.h>

#include "skin/draw/FramedImage.h"
#include "skin/draw/ImgUtil.h"
#include "tests/win32/graphics/Pixels.h"
#include "tests/win32/support/HandleExpectations.h"

namespace {

// Drawing the same things a thousand times more holds no more GDI objects
// than drawing them once.
TEST(Handles, RepeatedDrawingHoldsNoMoreGdiObjects) {
  TBitmap source(40, 10);
  pixels::Fill(source, clRed);
  pixels::Fill(source, 0, 0, 5, 10, clFuchsia);
  TBitmap target(60, 30);
  const auto drawAll = [&] {
    HDC dc = target.Canvas().Handle();
    DrawFramedImage(dc, RECT{0, 0, 60, 30}, source, false, true, true, 2, 1, RECT{3, 3, 3, 3});
    DrawHorzBand(target.Canvas(), RECT{0, 0, 50, 8}, source, false, true, 2, 2, RECT{3, 0, 3, 0});
    StretchHorzBand(target.Canvas().Handle(), RECT{0, 0, 50, 8}, source, false, 2, 2,
                    RECT{3, 0, 3, 0});
    DrawCentredFrame(target.Canvas().Handle(), RECT{0, 0, 50, 20}, source, true, 2, 1);
    GradientFill(target.Canvas().Handle(), RECT{0, 0, 60, 30}, clBlack, true, clWhite);
    DeleteObject(RegionFromBitmap(source, 0, 0, 0, 0, 0, clFuchsia));
    TBitmap copy;
    copy.Assign(&source);
    MirrorHorz(copy);
    RotateLeft(copy);
    copy.MaskHandle();
  };
  drawAll();
  const wintest::HandleCounts afterFirst = wintest::Snapshot();
  for (int i = 0; i < 1000; ++i) drawAll();
  wintest::ExpectHandlesFlat(afterFirst, wintest::Snapshot());
}

}  // namespace
