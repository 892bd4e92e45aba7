// The tab set drawn from the skin on pixels read back from the screen: the
// selected tab takes frame 2 of the upside-down "Tabs" picture and the
// others frame 1, tabs that do not fit leave the face colour, the picture
// stays on screen after the tab set's own paint, and a click or the
// skinned scroller still works the tab set.
#include <windows.h>

#include <string>

#include "SavedElement.h"
#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinUpDown.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/TabSet.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr int kHeight = 24;
// Marks the top rows of every frame, so that the flip shows.
constexpr TColor kTopMark = RGBColor(10, 20, 230);
constexpr int kMarkRows = 6;

class TabSetPixelsTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    TDataSkinBorder& tabs = *data->Skin().Tabs;
    saved = std::make_unique<SavedElement>(tabs);
    saved->Plain();
    MakeStrip(*tabs.Image, 5, 24, kHeight);
    pixels::Fill(*tabs.Image, 0, 0, 5 * 24, kMarkRows, kTopMark);
    tabs.Frame = 5;
    tabs.Trans = 0;
  }
  void TearDown() override {
    saved.reset();
    SkinControlTest::TearDown();
  }

  TTabSet* MakeTabSet(int width, int count) {
    auto* tabs = Make<TTabSet>(form.get(), 10, 10, width, kHeight);
    for (int i = 0; i < count; ++i) tabs->Tabs()->Add("Tab " + std::to_string(i));
    return tabs;
  }
  // Classified as discovery does it, so the tab set's class name decides.
  TSkinTab31* Skin(TTabSet* tabs) {
    TControlDiscovery(*formObject, *data).ClassifyControl(tabs, form.get());
    return dynamic_cast<TSkinTab31*>(formObject->FindSkinObject(tabs->Handle()));
  }
  static RECT Tab(TTabSet* tabs, int index) {
    RECT rect{};
    EXPECT_TRUE(tabs->TabRect(index, rect)) << "tab " << index;
    return rect;
  }
  // The frame a tab shows: its upper rows in the frame's colour, its lower
  // rows in the mark that the flip moved there.
  void ExpectFrame(TTabSet* tabs, int index, int frame) {
    const RECT tab = Tab(tabs, index);
    EXPECT_EQ(Frame(frame), WindowPixel(tabs->Handle(), tab.left + 2, 2))
        << "tab " << index;
    EXPECT_EQ(ResolvedDib(kTopMark), WindowPixel(tabs->Handle(), tab.left + 2, kHeight - 3))
        << "tab " << index << " upside down";
  }
  static void Click(HWND window, POINT point) {
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
    Application->ProcessMessages();
  }

  std::unique_ptr<SavedElement> saved;
};

TEST_F(TabSetPixelsTest, SelectedTabTakesFrameTwoOfTheFlippedPictureAndStaysOnScreen) {
  TTabSet* tabs = MakeTabSet(300, 3);
  tabs->SetTabIndex(1);
  ASSERT_NE(nullptr, Skin(tabs));
  RepaintNow(form->Handle());
  // The tab set's own paint runs after ours and would show a white tab.
  ExpectFrame(tabs, 0, 1);
  ExpectFrame(tabs, 1, 2);
  ExpectFrame(tabs, 2, 1);
  const RECT last = Tab(tabs, 2);
  EXPECT_EQ(SkinPixel(scButtonFace), WindowPixel(tabs->Handle(), last.right + 4, 2))
      << "face colour after the last tab";

  // Painted into a DC it is handed, the skin's picture is what remains too.
  DibSurface surface(300, kHeight);
  SendMessageW(tabs->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
  EXPECT_EQ(Frame(2), surface.Pixel(Tab(tabs, 1).left + 2, 2));
  EXPECT_EQ(Frame(1), surface.Pixel(Tab(tabs, 0).left + 2, 2));
}

TEST_F(TabSetPixelsTest, AClickSelectsATabOnceAndItsFrameFollows) {
  TTabSet* tabs = MakeTabSet(300, 3);
  tabs->SetTabIndex(0);
  int changes = 0;
  tabs->OnChange = [&changes](TObject*) { ++changes; };
  ASSERT_NE(nullptr, Skin(tabs));
  const RECT third = Tab(tabs, 2);
  Click(tabs->Handle(), POINT{(third.left + third.right) / 2, kHeight / 2});
  EXPECT_EQ(2, tabs->TabIndex());
  EXPECT_EQ(1, changes);
  RepaintNow(form->Handle());
  ExpectFrame(tabs, 0, 1);
  ExpectFrame(tabs, 2, 2);
}

TEST_F(TabSetPixelsTest, TabsThatDoNotFitAreLeftOutAndTheSkinnedScrollerMovesThem) {
  TTabSet* tabs = MakeTabSet(200, 12);
  tabs->SetTabIndex(0);
  ASSERT_NE(nullptr, Skin(tabs));
  const HWND scroller = tabs->Scroller()->Handle();
  ASSERT_TRUE(IsWindowVisible(scroller));
  auto* arrows = dynamic_cast<TSkinUpDown*>(formObject->FindSkinObject(scroller));
  ASSERT_NE(nullptr, arrows) << "the scroller's arrows are skinned";
  EXPECT_TRUE(arrows->TabSetScroller);
  RepaintNow(form->Handle());
  const int shown = tabs->VisibleTabs();
  ASSERT_LT(shown, 12);
  ExpectFrame(tabs, 0, 2);
  ExpectFrame(tabs, shown - 1, 1);
  // Where the next tab would start, nothing of it is drawn.
  RECT scrollerRect{};
  GetWindowRect(scroller, &scrollerRect);
  MapWindowPoints(nullptr, tabs->Handle(), reinterpret_cast<POINT*>(&scrollerRect), 2);
  const int after = Tab(tabs, shown - 1).right;
  ASSERT_LT(after + 1, scrollerRect.left);
  EXPECT_EQ(SkinPixel(scButtonFace), WindowPixel(tabs->Handle(), after + 1, 2));
  EXPECT_EQ(SkinPixel(scButtonFace), WindowPixel(tabs->Handle(), scrollerRect.left - 1, 2));

  // The right arrow, skinned, still scrolls: tab 1 comes first, unselected.
  const int width = scrollerRect.right - scrollerRect.left;
  Click(scroller, POINT{width * 3 / 4, (scrollerRect.bottom - scrollerRect.top) / 2});
  ASSERT_EQ(1, tabs->FirstIndex());
  RepaintNow(form->Handle());
  EXPECT_EQ(tabs->StartMargin(), Tab(tabs, 1).left);
  ExpectFrame(tabs, 1, 1);
}

TEST_F(TabSetPixelsTest, WithoutATabsPictureTheTabSetPaintsItself) {
  TTabSet* tabs = MakeTabSet(300, 3);
  tabs->SetTabIndex(1);
  TSkinTab31* object = Skin(tabs);
  ASSERT_NE(nullptr, object);
  data->Skin().Tabs->Image->Clear();
  object->SkinChanged();
  RepaintNow(form->Handle());
  // Its own selected tab is the window colour, not a blank face.
  const RECT selected = Tab(tabs, 1);
  EXPECT_EQ(DibColor(GetSysColor(COLOR_WINDOW)),
            WindowPixel(tabs->Handle(), selected.left + 4, kHeight / 2 - 6));
}

}  // namespace
