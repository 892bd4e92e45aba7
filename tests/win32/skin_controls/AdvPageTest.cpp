// Page controls of other libraries that take their tab pictures as bitmap
// properties: the skin's "Tabs" frames rendered at 100 x 21 into them,
// rendered again when the skin changes, emptied when the skin lets go, and
// the control's scroll arrows skinned once they appear.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>

#include "SavedElement.h"
#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinAdvPage.h"
#include "skin/controls/SkinUpDown.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

// Stands in for another library's page control: it only keeps the two
// pictures it is given.
class TAdvPagesStandIn : public TCustomControl {
  TAPVANE_CLASS(TAdvPagesStandIn)
 public:
  explicit TAdvPagesStandIn(TComponent* owner)
      : TCustomControl(owner),
        normal_(std::make_unique<TBitmap>()),
        active_(std::make_unique<TBitmap>()) {}

  TBitmap* TabBackGround() const { return normal_.get(); }
  void SetTabBackGround(TBitmap* value) { normal_->Assign(value); }
  TBitmap* TabBackGroundActive() const { return active_.get(); }
  void SetTabBackGroundActive(TBitmap* value) { active_->Assign(value); }

 private:
  std::unique_ptr<TBitmap> normal_, active_;
};

}  // namespace

const TClassInfo& TAdvPagesStandIn::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TAdvPagesStandIn>("TAdvPagesStandIn", &TCustomControl::StaticClass())
          .Object("TabBackGround", &TAdvPagesStandIn::TabBackGround,
                  &TAdvPagesStandIn::SetTabBackGround)
          .Object("TabBackGroundActive", &TAdvPagesStandIn::TabBackGroundActive,
                  &TAdvPagesStandIn::SetTabBackGroundActive)
          .Build();
  return info;
}

namespace {

class AdvPageTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    TDataSkinBorder& tabs = *data->Skin().Tabs;
    saved = std::make_unique<SavedElement>(tabs);
    saved->Plain();
    MakeStrip(*tabs.Image, 5, 24, 24);
    tabs.Frame = 5;
    data->Skin3rd()->Add("TAdvPagesStandIn=advpagecontrol");
    pages = Make<TAdvPagesStandIn>(form.get(), 10, 10, 200, 120);
  }
  void TearDown() override {
    saved.reset();
    SkinControlTest::TearDown();
  }
  TSkinAdvPage* Skin() {
    TControlDiscovery(*formObject, *data).ClassifyControl(pages, form.get());
    return dynamic_cast<TSkinAdvPage*>(formObject->FindSkinObject(pages->Handle()));
  }
  static TColor Centre(TBitmap& picture) {
    return pixels::At(picture, kAdvTabWidth / 2, kAdvTabHeight / 2);
  }

  std::unique_ptr<SavedElement> saved;
  TAdvPagesStandIn* pages = nullptr;
};

TEST_F(AdvPageTest, PicturesAreFramesOneAndTwoAtTheirSizeUntilTheSkinLetsGo) {
  TSkinAdvPage* object = Skin();
  ASSERT_NE(nullptr, object) << "the kind's row makes the object";
  TBitmap& normal = *pages->TabBackGround();
  TBitmap& active = *pages->TabBackGroundActive();
  ASSERT_EQ(kAdvTabWidth, normal.Width());
  ASSERT_EQ(kAdvTabHeight, normal.Height());
  ASSERT_EQ(kAdvTabWidth, active.Width());
  ASSERT_EQ(kAdvTabHeight, active.Height());
  EXPECT_EQ(FrameColour(1), Centre(normal));
  EXPECT_EQ(FrameColour(2), Centre(active));

  // A new skin picture reaches the control at the skin change.
  TDataSkinBorder& tabs = *data->Skin().Tabs;
  MakeStrip(*tabs.Image, 5, 24, 24);
  pixels::Fill(*tabs.Image, 0, 0, 24, 24, FrameColour(4));
  pixels::Fill(*tabs.Image, 24, 0, 48, 24, FrameColour(5));
  EXPECT_EQ(FrameColour(1), Centre(normal)) << "nothing before the change";
  object->SkinChanged();
  EXPECT_EQ(FrameColour(4), Centre(normal));
  EXPECT_EQ(FrameColour(5), Centre(active));

  object->Release(true);
  EXPECT_TRUE(normal.Empty());
  EXPECT_TRUE(active.Empty());
}

TEST_F(AdvPageTest, ScrollArrowsThatAppearAreSkinnedAtTheNextPaint) {
  TSkinAdvPage* object = Skin();
  ASSERT_NE(nullptr, object);
  RepaintNow(form->Handle());
  EXPECT_EQ(nullptr, object->ArrowsWindow);
  const HWND arrows = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_HORZ, 160,
                                      2, 36, 18, pages->Handle(), nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, arrows);
  RepaintNow(form->Handle());
  EXPECT_EQ(arrows, object->ArrowsWindow);
  EXPECT_NE(nullptr, dynamic_cast<TSkinUpDown*>(formObject->FindSkinObject(arrows)));
  // Found once: further paints attach nothing more.
  const int count = formObject->SkinObjects().Count();
  RepaintNow(form->Handle());
  EXPECT_EQ(count, formObject->SkinObjects().Count());
}

}  // namespace
