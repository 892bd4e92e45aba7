#include <gtest/gtest.h>

#include <vector>

#include "skin/draw/ParentBackground.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/controls/WinControl.h"

namespace {

struct Seen {
  UINT Msg;
  WPARAM WParam;
  POINT Origin;
  RECT Clip;
};

// A parent that records the paint messages it is asked to handle and what
// the DC looks like at that moment, and paints its whole client red.
struct Recorder {
  TWinControl parent{nullptr};
  TControl child{nullptr};
  std::vector<Seen> seen;

  Recorder() {
    child.SetParent(&parent);
    child.SetBounds(5, 7, 20, 10);
    parent.WindowProc = [this](TMessage& message) {
      if (message.Msg != WM_ERASEBKGND && message.Msg != WM_PAINT) return;
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      Seen s{message.Msg, message.WParam, {}, {}};
      GetViewportOrgEx(dc, &s.Origin);
      GetClipBox(dc, &s.Clip);
      seen.push_back(s);
      if (message.Msg == WM_PAINT) {
        const RECT all{0, 0, 100, 100};
        TBrushHandle red(CreateSolidBrush(RGB(255, 0, 0)));
        FillRect(dc, &all, red.Get());
      }
    };
  }
  ~Recorder() { child.SetParent(nullptr); }
};

TEST(PaintParentBackground, ParentPaintsIntoTheControlsDcShiftedAndClipped) {
  Recorder r;
  TBitmap surface(30, 30);
  pixels::Fill(surface, clWhite);
  HDC dc = surface.Canvas().Handle();
  PaintParentBackground(&r.child, dc);
  ASSERT_EQ(2u, r.seen.size());
  EXPECT_EQ(static_cast<UINT>(WM_ERASEBKGND), r.seen[0].Msg);
  EXPECT_EQ(static_cast<UINT>(WM_PAINT), r.seen[1].Msg);
  for (const Seen& s : r.seen) {
    EXPECT_EQ(reinterpret_cast<WPARAM>(dc), s.WParam);
    EXPECT_EQ(-5, s.Origin.x);
    EXPECT_EQ(-7, s.Origin.y);
    // In the parent's coordinates: the control's rectangle.
    EXPECT_EQ(5, s.Clip.left);
    EXPECT_EQ(7, s.Clip.top);
    EXPECT_EQ(25, s.Clip.right);
    EXPECT_EQ(17, s.Clip.bottom);
  }
  // Red only inside the control's own 20 x 10, and the DC is as it was.
  EXPECT_EQ(clRed, pixels::At(surface, 0, 0));
  EXPECT_EQ(clRed, pixels::At(surface, 19, 9));
  EXPECT_EQ(clWhite, pixels::At(surface, 20, 9));
  EXPECT_EQ(clWhite, pixels::At(surface, 19, 10));
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(0, origin.x);
  RECT clip{};
  EXPECT_EQ(SIMPLEREGION, GetClipBox(dc, &clip));
  EXPECT_EQ(30, clip.right);
}

TEST(PaintParentBackground, NothingWithoutAParent) {
  TControl orphan(nullptr);
  TBitmap surface(4, 4);
  pixels::Fill(surface, clWhite);
  PaintParentBackground(&orphan, surface.Canvas().Handle());
  PaintParentBackground(nullptr, surface.Canvas().Handle());
  EXPECT_EQ(clWhite, pixels::At(surface, 1, 1));
}

}  // namespace
