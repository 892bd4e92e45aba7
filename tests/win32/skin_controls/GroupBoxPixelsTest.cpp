// Group boxes on pixels read back: the rounded shadow line, the caption on
// face colour over it (left or right), the labels inside, and a plain
// group box window whose own border is covered.
#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinGroupBox.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/Label.h"

namespace {

constexpr int kW = 200, kH = 120;

class GroupBoxPixelsTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    box = Make<TGroupBox>(form.get(), 10, 10, kW, kH);
    box->SetCaption("Group");
    object = new TSkinGroupBox(box);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    FlushEvents();
  }
  // The row of the line: half the height of a "0" in the box's font, less one.
  int LineRow() const {
    const HDC dc = GetDC(box->Handle());
    const TSelection font(dc, box->Font()->Handle());
    SIZE extent{};
    GetTextExtentPoint32A(dc, "0", 1, &extent);
    ReleaseDC(box->Handle(), dc);
    return extent.cy / 2 - 1;
  }
  void Paint(DibSurface& surface) {
    SendMessageW(box->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
  }

  TGroupBox* box = nullptr;
  TSkinGroupBox* object = nullptr;
};

TEST_F(GroupBoxPixelsTest, RoundedShadowLineOnFaceWithTheCaptionOverItLeftOrRight) {
  ASSERT_EQ(1, object->Mode);
  DibSurface surface(kW, kH);
  surface.Fill(RGB(255, 0, 255));
  Paint(surface);
  const unsigned face = SkinPixel(scButtonFace), shadow = SkinPixel(scButtonShadow);
  const int y = LineRow();
  EXPECT_EQ(face, surface.Pixel(kW / 2, kH / 2));
  EXPECT_EQ(face, surface.Pixel(0, kH / 2)) << "the line starts one pixel in";
  EXPECT_EQ(shadow, surface.Pixel(1, kH / 2));
  EXPECT_EQ(shadow, surface.Pixel(kW - 2, kH / 2));
  EXPECT_EQ(face, surface.Pixel(kW - 1, kH / 2));
  EXPECT_EQ(shadow, surface.Pixel(kW / 2, kH - 2));
  EXPECT_EQ(face, surface.Pixel(kW / 2, kH - 1));
  EXPECT_EQ(shadow, surface.Pixel(5, y)) << "the line before the caption";
  EXPECT_NE(shadow, surface.Pixel(9, y)) << "the caption's cells cover the line";
  EXPECT_EQ(shadow, surface.Pixel(kW - 20, y)) << "the line after the caption";
  SetWindowLongPtrW(box->Handle(), GWL_EXSTYLE,
                    GetWindowLongPtrW(box->Handle(), GWL_EXSTYLE) | WS_EX_RIGHT);
  Paint(surface);
  EXPECT_EQ(shadow, surface.Pixel(9, y));
  EXPECT_NE(shadow, surface.Pixel(kW - 9, y)) << "the caption ends 8 pixels from the right";
  EXPECT_EQ(shadow, surface.Pixel(kW - 6, y));
}

// Pixels of the rectangle that are not the colour.
int InkIn(HWND window, const RECT& rect, unsigned background) {
  int ink = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) ink += WindowPixel(window, x, y) != background;
  return ink;
}

TEST_F(GroupBoxPixelsTest, LabelsInsideStayVisibleOnScreen) {
  // As on a skinned form, whose colour the labels take through the box.
  form->SetColor(data->Skin().Colour(scButtonFace));
  auto* label = new TLabel(form.get());
  label->SetParent(box);
  label->SetBounds(20, 40, 80, 16);
  label->SetCaption("WWWW");
  RepaintNow(form->Handle());
  const RECT bounds = label->BoundsRect();
  EXPECT_GT(InkIn(box->Handle(), bounds, SkinPixel(scButtonFace)), 10);
  const RECT beside{bounds.right + 4, bounds.top, bounds.right + 40, bounds.bottom};
  EXPECT_EQ(0, InkIn(box->Handle(), beside, SkinPixel(scButtonFace))) << "face around it";
}

TEST_F(GroupBoxPixelsTest, PlainGroupBoxWindowHasItsOwnBorderCovered) {
  const HWND plain = CreateWindowExW(0, L"BUTTON", L"Plain", WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                                     220, 10, 150, 100, form->Handle(), nullptr, nullptr, nullptr);
  RepaintNow(plain);
  const unsigned face = SkinPixel(scButtonFace), shadow = SkinPixel(scButtonShadow);
  ASSERT_NE(face, WindowPixel(plain, 0, 50)) << "the window draws a border of its own";
  auto* plainObject = new TSkinGroupBox(nullptr);
  plainObject->InitWindow(plain, data.get(), formObject.get(), &formObject->ControlCanvas());
  EXPECT_EQ(0, plainObject->Mode);
  RepaintNow(plain);
  EXPECT_EQ(face, WindowPixel(plain, 0, 50));
  EXPECT_EQ(shadow, WindowPixel(plain, 1, 50));
  EXPECT_EQ(face, WindowPixel(plain, 149, 50));
  formObject.reset();
  DestroyWindow(plain);
}

}  // namespace
