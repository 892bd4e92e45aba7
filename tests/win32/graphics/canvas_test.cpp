#include "toolkit/graphics/Canvas.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win32/graphics/Pixels.h"
#include "toolkit/core/TypInfo.h"

namespace {

// A DC of our own with a white DIB in it, as a window's paint DC would be.
struct ForeignDC {
  TBitmap surface{40, 20};
  TMemoryDC dc;
  HGDIOBJ old;
  ForeignDC() {
    pixels::Fill(surface, clWhite);
    old = SelectObject(dc.Get(), surface.Handle());
  }
  ~ForeignDC() { SelectObject(dc.Get(), old); }
  TColor At(int x, int y) { return static_cast<TColor>(GetPixel(dc.Get(), x, y)); }
};

TEST(Canvas, BoundToAForeignDcDrawsThereAndGivesItsObjectsBackWhenUnbound) {
  ForeignDC target;
  HDC dc = target.dc.Get();
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  {
    TCanvas canvas;
    canvas.SetHandle(dc);
    EXPECT_EQ(dc, canvas.Handle());
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(RECT{0, 0, 5, 5});
    EXPECT_EQ(clRed, target.At(2, 2));
    EXPECT_EQ(canvas.Brush().Handle(), GetCurrentObject(dc, OBJ_BRUSH));
    canvas.SetHandle(nullptr);
    EXPECT_FALSE(canvas.HandleAllocated());
    EXPECT_EQ(brush, GetCurrentObject(dc, OBJ_BRUSH));
    EXPECT_EQ(pen, GetCurrentObject(dc, OBJ_PEN));
    EXPECT_EQ(font, GetCurrentObject(dc, OBJ_FONT));
    // Bound again and destroyed while bound: the DC still gets its objects back.
    canvas.SetHandle(dc);
    canvas.Pen().SetColor(clBlue);
    canvas.MoveTo(0, 10);
    canvas.LineTo(10, 10);
  }
  EXPECT_EQ(clBlue, target.At(5, 10));
  EXPECT_EQ(brush, GetCurrentObject(dc, OBJ_BRUSH));
  EXPECT_EQ(pen, GetCurrentObject(dc, OBJ_PEN));
  EXPECT_EQ(font, GetCurrentObject(dc, OBJ_FONT));
}

TEST(Canvas, AChangedFontReplacesTheSelectedOne) {
  ForeignDC target;
  TCanvas canvas;
  canvas.SetHandle(target.dc.Get());
  const int small = canvas.TextHeight("Hg");
  const HGDIOBJ before = GetCurrentObject(target.dc.Get(), OBJ_FONT);
  canvas.Font().SetHeight(-30);
  EXPECT_NE(before, GetCurrentObject(target.dc.Get(), OBJ_FONT));
  const int large = canvas.TextHeight("Hg");
  EXPECT_EQ(canvas.Font().Handle(), GetCurrentObject(target.dc.Get(), OBJ_FONT));
  EXPECT_GT(large, small);
  canvas.SetHandle(nullptr);
}

TEST(Canvas, TextIsDrawnInTheFontColour) {
  TBitmap b(60, 20);
  pixels::Fill(b, clWhite);
  TCanvas& canvas = b.Canvas();
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetColor(clRed);
  canvas.Font().SetName("\xE5\xAE\x8B\xE4\xBD\x93");  // 宋体
  canvas.Font().SetHeight(-16);
  canvas.TextOut(2, 2, "\xE7\x82\xB9\xE5\x87\xBB");  // 点击
  int red = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) red += pixels::At(b, x, y) == clRed;
  EXPECT_GT(red, 10);
  EXPECT_GT(canvas.TextWidth("\xE7\x82\xB9\xE5\x87\xBB"), 20);
  EXPECT_EQ(2 + canvas.TextWidth("\xE7\x82\xB9\xE5\x87\xBB"), canvas.PenPos().x);
}

TEST(Canvas, ShapesUseThePenAndTheBrush) {
  TBitmap b(10, 10);
  TCanvas& canvas = b.Canvas();
  canvas.Pen().SetColor(clBlue);
  canvas.Brush().SetColor(clLime);
  canvas.Rectangle(1, 1, 9, 9);
  EXPECT_EQ(clBlue, pixels::At(b, 1, 1));
  EXPECT_EQ(clBlue, pixels::At(b, 8, 5));
  EXPECT_EQ(clLime, pixels::At(b, 4, 4));
  EXPECT_EQ(clBlack, pixels::At(b, 9, 9));
  canvas.Brush().SetColor(clRed);
  canvas.FrameRect(RECT{0, 0, 10, 10});
  EXPECT_EQ(clRed, pixels::At(b, 0, 5));
  EXPECT_EQ(clLime, pixels::At(b, 4, 4));
}

TEST(Canvas, CopyRectStretchesFromAnotherCanvas) {
  TBitmap source(2, 1);
  pixels::Set(source, 0, 0, clRed);
  pixels::Set(source, 1, 0, clBlue);
  TBitmap target(4, 2);
  target.Canvas().CopyRect(RECT{0, 0, 4, 2}, source.Canvas(), RECT{0, 0, 2, 1});
  EXPECT_EQ(clRed, pixels::At(target, 1, 1));
  EXPECT_EQ(clBlue, pixels::At(target, 2, 0));
}

TEST(Font, SizeAndHeightFollowEachOther) {
  TFont font;
  font.SetPixelsPerInch(96);
  font.SetSize(9);
  EXPECT_EQ(-12, font.Height());
  font.SetHeight(-16);
  EXPECT_EQ(12, font.Size());
}

TEST(Font, ChangesAreAnnouncedAndAssignCopiesEverything) {
  TFont a;
  int changes = 0;
  a.OnChange = [&](TObject*) { ++changes; };
  a.SetName("Arial");
  a.SetStyle(TFontStyles{fsBold, fsItalic});
  a.SetColor(clRed);
  a.SetName("Arial");  // unchanged: no announcement
  EXPECT_EQ(3, changes);
  TFont b;
  b.Assign(&a);
  EXPECT_EQ("Arial", b.Name());
  EXPECT_TRUE(b.Style().Contains(fsItalic));
  EXPECT_EQ(clRed, b.Color());
  LOGFONTW lf{};
  ASSERT_NE(0, GetObjectW(b.Handle(), sizeof lf, &lf));
  EXPECT_EQ(FW_BOLD, lf.lfWeight);
  EXPECT_STREQ(L"Arial", lf.lfFaceName);
}

TEST(Font, TakesTheDescriptionOfAForeignFont) {
  HFONT foreign =
      CreateFontW(-20, 0, 0, 0, FW_BOLD, TRUE, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"SimSun");
  TFont font;
  font.SetHandle(foreign);
  EXPECT_EQ("SimSun", font.Name());
  EXPECT_EQ(-20, font.Height());
  EXPECT_EQ(GB2312_CHARSET, font.Charset());
  EXPECT_TRUE(font.Style().Contains(fsBold));
  EXPECT_TRUE(font.Style().Contains(fsItalic));
  EXPECT_NE(foreign, font.Handle());
  DeleteObject(foreign);
}

TEST(Font, PublishedPropertiesAreReachableByName) {
  TFont font;
  EXPECT_TRUE(SetStrProp(&font, "Name", "Courier New"));
  EXPECT_EQ("Courier New", font.Name());
  EXPECT_TRUE(SetSetProp(&font, "Style", "[fsUnderline]"));
  EXPECT_TRUE(font.Style().Contains(fsUnderline));
  font.SetHeight(-13);
  EXPECT_EQ(-13, GetOrdProp(&font, "Height"));
  EXPECT_EQ("fpDefault", GetEnumProp(&font, "Pitch"));
}

TEST(BrushAndPen, HandlesFollowTheirProperties) {
  TBrush brush;
  brush.SetColor(clBtnFace);
  LOGBRUSH lb{};
  GetObjectW(brush.Handle(), sizeof lb, &lb);
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_BTNFACE)), lb.lbColor);
  brush.SetStyle(bsClear);
  GetObjectW(brush.Handle(), sizeof lb, &lb);
  EXPECT_EQ(static_cast<UINT>(BS_HOLLOW), lb.lbStyle);
  TPen pen;
  pen.SetWidth(3);
  pen.SetColor(clRed);
  LOGPEN lp{};
  GetObjectW(pen.Handle(), sizeof lp, &lp);
  EXPECT_EQ(3, lp.lopnWidth.x);
  EXPECT_EQ(static_cast<COLORREF>(clRed), lp.lopnColor);
}

}  // namespace
