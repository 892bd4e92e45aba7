// The combo box's flat look (ComboButton "Style" 1) and its extended look
// (the "comboboxex" kind), on pixels read back: the state cell stretched
// into the button strip, the ring and edge around it, and the edit frame
// with the ComboxArrow cell over the first child window.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "SavedElement.h"
#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinComBox.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/core/ClassBuilder.h"

namespace {

constexpr int kCellWidth = 8;

class ComboLooksTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    TSkinElements& skin = Skin();
    for (TDataSkinObject* element :
         {static_cast<TDataSkinObject*>(skin.ComboButton.get()), skin.ComboxArrow.get()}) {
      saved_.push_back(std::make_unique<SavedElement>(*element));
      saved_.back()->Plain();
    }
    thumb = GetSystemMetrics(SM_CYVTHUMB);
  }
  void TearDown() override {
    saved_.clear();
    SkinControlTest::TearDown();
  }
  static TSkinElements& Skin() { return const_cast<TSkinElements&>(data->Skin()); }

  // The flat look with ComboButton cells kCellWidth wide and `height` high.
  void UseFlatCells(int height) {
    MakeStrip(*Skin().ComboButton->Image, 4, kCellWidth, height);
    Skin().ComboButton->Frame = 4;
    Skin().ComboButton->Style = 1;
  }
  TComboBox* Combo(bool leftScrollBar = false) {
    auto* combo = Make<TComboBox>(form.get(), 20, 20, 160, 24);
    combo->SetStyle(csDropDownList);
    combo->Items()->Add("item");
    if (leftScrollBar) {
      const HWND window = combo->Handle();
      SetWindowLongPtrW(window, GWL_EXSTYLE,
                        GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
    }
    auto* object = new TSkinComBox(combo);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    RepaintNow(combo->Handle());
    return combo;
  }
  static SIZE SizeOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
  }

  int thumb = 0;

 private:
  std::vector<std::unique_ptr<SavedElement>> saved_;
};

TEST_F(ComboLooksTest, FlatLookPutsAShortCellAtTheTopOfTheButtonStrip) {
  UseFlatCells(10);
  ASSERT_LT(10, thumb) << "the cell is to be lower than the strip";
  TComboBox* combo = Combo();
  const HWND window = combo->Handle();
  const SIZE size = SizeOf(window);
  const int cellX = size.cx - 2 - kCellWidth / 2;
  EXPECT_EQ(SkinPixel(scButtonShadow), WindowPixel(window, 0, size.cy / 2)) << "edge";
  EXPECT_EQ(SkinPixel(scButtonShadow), WindowPixel(window, size.cx / 3, size.cy - 1));
  EXPECT_EQ(Frame(1), WindowPixel(window, cellX, 2)) << "top row of the cell, 2 inside";
  EXPECT_EQ(Frame(1), WindowPixel(window, cellX, 11)) << "its bottom row";
  EXPECT_EQ(Frame(1), WindowPixel(window, size.cx - 3, 6)) << "its right column, 2 inside";
  // Below the cell and left of it the strip keeps the brush of the ring.
  const unsigned ring = WindowPixel(window, 1, size.cy / 2);
  EXPECT_NE(Frame(1), ring);
  EXPECT_NE(DibColor(GetSysColor(COLOR_3DDKSHADOW)), ring) << "the 3D border is erased";
  EXPECT_EQ(ring, WindowPixel(window, cellX, 12)) << "under the cell";
  EXPECT_EQ(ring, WindowPixel(window, size.cx - 2 - thumb, size.cy / 2)) << "strip left of it";

  combo->SetEnabled(false);
  RepaintNow(window);
  EXPECT_EQ(Frame(3), WindowPixel(window, cellX, 6)) << "disabled";
}

TEST_F(ComboLooksTest, FlatLookStretchesATallCellOverTheStripAndMirrorsOnTheLeft) {
  UseFlatCells(40);
  TComboBox* combo = Combo();
  HWND window = combo->Handle();
  SIZE size = SizeOf(window);
  const int cellX = size.cx - 2 - kCellWidth / 2;
  EXPECT_EQ(Frame(1), WindowPixel(window, cellX, 2));
  EXPECT_EQ(Frame(1), WindowPixel(window, cellX, size.cy - 3));
  EXPECT_NE(Frame(1), WindowPixel(window, cellX, size.cy - 2)) << "the ring below";
  delete combo;

  UseFlatCells(10);
  combo = Combo(true);
  window = combo->Handle();
  size = SizeOf(window);
  EXPECT_EQ(Frame(1), WindowPixel(window, 2 + kCellWidth / 2, 2)) << "button on the left";
  EXPECT_EQ(Frame(1), WindowPixel(window, 2, 6));
  EXPECT_NE(Frame(1), WindowPixel(window, size.cx - 2 - kCellWidth / 2, 6)) << "none on the right";
}

TEST_F(ComboLooksTest, AButtonStripWithoutAPixelPerCellLeavesTheComboItsOwnLook) {
  auto* own = Make<TComboBox>(form.get(), 20, 60, 160, 24);
  own->SetStyle(csDropDownList);
  own->Items()->Add("item");
  RepaintNow(own->Handle());
  const SIZE size = SizeOf(own->Handle());
  const POINT button{size.cx - 2 - thumb / 2, size.cy / 2};
  const unsigned ownButton = WindowPixel(own->Handle(), button.x, button.y);

  UseFlatCells(10);
  MakeStrip(*Skin().ComboButton->Image, 1, 2, 10);  // 2 columns for 4 cells
  const HWND window = Combo()->Handle();
  EXPECT_EQ(ownButton, WindowPixel(window, button.x, button.y));
  EXPECT_EQ(WindowPixel(own->Handle(), size.cx / 3, size.cy / 2),
            WindowPixel(window, size.cx / 3, size.cy / 2));
}

// A control of another library listed with the extended combo kind: a
// box with its drop-down button as its first child window.
class TExtendedCombo : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  const TClassInfo* ClassType() const override {
    static const TClassInfo info =
        TClassBuilder<TCustomControl>("TStandInComboEx", &TCustomControl::StaticClass()).Build();
    return &info;
  }
};

TEST_F(ComboLooksTest, ExtendedKindDrawsTheEditFrameAndTheArrowCellOverTheFirstChild) {
  // Arrow cells with a magenta left half, which lets the face fill show.
  TBitmap& arrow = *Skin().ComboxArrow->Image;
  MakeStrip(arrow, 4, 12, 12);
  for (int n = 0; n < 4; ++n) pixels::Fill(arrow, n * 12, 0, n * 12 + 6, 12, clFuchsia);
  Skin().ComboxArrow->Frame = 4;
  MakeStrip(*Skin().ComboButton->Image, 4, kCellWidth, 10);
  data->Skin3rd()->Add("TStandInComboEx=comboboxex");
  auto* combo = new TExtendedCombo(form.get());
  combo->SetParent(form.get());
  combo->SetBounds(20, 20, 160, 24);
  Make<TCustomControl>(combo, 140, 2, 18, 20);  // the drop-down button
  form->HandleNeeded();
  TControlDiscovery(*formObject, *data).SkinAllControls(form.get());
  auto* object = dynamic_cast<TSkinComBox*>(formObject->FindSkinObject(combo->Handle()));
  ASSERT_NE(nullptr, object);
  ASSERT_TRUE(object->Extended);

  RepaintNow(combo->Handle());
  EXPECT_EQ(SkinPixel(scButtonShadow), WindowPixel(combo->Handle(), 0, 12)) << "edge on screen";
  EXPECT_EQ(0xFFFFFFu, WindowPixel(combo->Handle(), 1, 12)) << "white ring on screen";
  // The arrow goes under the child's own paint on screen, so it is read
  // from the combo's paint into a surface of ours.
  const auto painted = [&] {
    auto surface = std::make_unique<DibSurface>(160, 24);
    SendMessageW(combo->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface->dc()), 0);
    return surface;
  };
  std::unique_ptr<DibSurface> surface = painted();
  EXPECT_EQ(SkinPixel(scButtonShadow), surface->Pixel(80, 0));
  EXPECT_EQ(0xFFFFFFu, surface->Pixel(80, 1));
  EXPECT_EQ(Frame(1), surface->Pixel(140 + 13, 12)) << "arrow cell, right half";
  EXPECT_EQ(Frame(1), surface->Pixel(140 + 17, 2)) << "stretched to the child's corner";
  EXPECT_EQ(SkinPixel(scButtonFace), surface->Pixel(140 + 3, 12)) << "face under magenta";
  EXPECT_NE(Frame(1), surface->Pixel(138, 12)) << "left of the child";

  combo->SetEnabled(false);
  surface = painted();
  EXPECT_EQ(Frame(3), surface->Pixel(140 + 13, 12)) << "disabled";
}

}  // namespace
