// The toolkit's scroll box under the skin: discovery gives it scroll bar
// covers whether or not its bars show yet and skins its children, and a
// real press on the cover's down arrow still scrolls the children.
#include <windows.h>

#include "ScrollStripsSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinScrollbar.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/ScrollBox.h"

namespace {

class ScrollBoxCoversTest : public ScrollStripsTest {
 protected:
  TScrollBox* MakeBox(int childTop) {
    auto* box = Make<TScrollBox>(form.get(), 20, 20, 160, 120);
    child = Make<TButton>(box, 10, childTop, 60, 25);
    return box;
  }
  TSkinScrollbar* Classify(TScrollBox* box) {
    TControlDiscovery(*formObject, *data).ClassifyControl(box, form.get());
    return dynamic_cast<TSkinScrollbar*>(formObject->FindSkinObject(box->Handle()));
  }

  TButton* child = nullptr;
};

TEST_F(ScrollBoxCoversTest, ABoxWhoseChildrenFitStillGetsCoversForLater) {
  TScrollBox* box = MakeBox(10);
  ASSERT_EQ(0, GetWindowLongPtrW(box->Handle(), GWL_STYLE) & WS_VSCROLL);
  TSkinScrollbar* object = Classify(box);
  ASSERT_NE(nullptr, object);
  EXPECT_NE(nullptr, formObject->FindSkinObject(child->Handle())) << "its child by its own class";
  // A child moved out of reach brings the bar, and the cover with it.
  child->SetTop(300);
  RepaintNow(form->Handle());
  ASSERT_NE(0, GetWindowLongPtrW(box->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_TRUE(object->Covers.VertBar->Shown);
  EXPECT_TRUE(IsWindowVisible(object->Covers.VertBar->Window()));
}

TEST_F(ScrollBoxCoversTest, APressOnTheCoversDownArrowScrollsTheChildren) {
  TScrollBox* box = MakeBox(200);
  TSkinScrollbar* object = Classify(box);
  ASSERT_NE(nullptr, object);
  RepaintNow(form->Handle());
  TWScrollbar& cover = *object->Covers.VertBar;
  ASSERT_TRUE(cover.Shown);
  POINT at{arrow / 2, cover.Length - arrow / 2};
  ClientToScreen(cover.Window(), &at);
  PressAndRunSteps(at, {}, [&cover] { return !cover.Pressed; });
  EXPECT_GT(box->ScrollY(), 0);
  EXPECT_EQ(200 - box->ScrollY(), child->Top());
  RECT window{};
  GetWindowRect(child->Handle(), &window);
  MapWindowPoints(nullptr, box->Handle(), reinterpret_cast<POINT*>(&window), 2);
  EXPECT_EQ(child->Top(), window.top);
}

}  // namespace
