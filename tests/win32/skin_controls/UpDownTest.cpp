// Up-down arrows under the real pointer, on pixels read back from the
// screen: the half under the pointer shows hot or pressed, the other stays
// normal, the native control still moves its buddy; disabled and skinless
// looks; discovery's choice.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>
#include <string>

#include "RealPointer.h"
#include "SavedElement.h"
#include "SkinControlSupport.h"
#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinUpDown.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/UpDown.h"

namespace {

constexpr int kWidth = 20, kHeight = 40;

class UpDownTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
    vert_ = std::make_unique<SavedElement>(*skin.UpDownVert);
    vert_->Plain();
    MakeStrip(*skin.UpDownVert->Image, 8, 10, 10);
    skin.UpDownVert->Image2->Assign(nullptr);  // no glyph over the frames
    skin.UpDownVert->Frame = 8;
    GetCursorPos(&cursor_);
  }
  void TearDown() override {
    SendPointer(cursor_);
    vert_.reset();
    SkinControlTest::TearDown();
  }

  TUpDown* Arrows(TWinControl* buddy = nullptr) {
    auto* arrows = Make<TUpDown>(form.get(), 200, 40, kWidth, kHeight);
    arrows->SetMin(0);
    arrows->SetMax(100);
    arrows->SetPosition(50);
    if (buddy) arrows->SetAssociate(buddy);
    auto* object = new TSkinUpDown(arrows);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    RepaintNow(arrows->Handle());
    return arrows;
  }
  static unsigned Upper(HWND window) {
    UpdateWindow(window);
    return WindowPixel(window, kWidth / 2, kHeight / 4);
  }
  static unsigned Lower(HWND window) {
    UpdateWindow(window);
    return WindowPixel(window, kWidth / 2, kHeight * 3 / 4);
  }

  std::unique_ptr<SavedElement> vert_;
  POINT cursor_{};
};

TEST_F(UpDownTest, HalfUnderThePointerIsHotThenPressedAndTheBuddyStillCounts) {
  auto* edit = Make<TEdit>(form.get(), 100, 40, 80, 24);
  TUpDown* arrows = Arrows(edit);
  const HWND window = arrows->Handle();
  RECT client{};
  GetClientRect(window, &client);
  ASSERT_GE(client.bottom, 20);
  const auto upper = [&] { return WindowPixel(window, client.right / 2, client.bottom / 4); };
  const auto lower = [&] { return WindowPixel(window, client.right / 2, client.bottom * 3 / 4); };
  EXPECT_EQ(Frame(1), upper());
  EXPECT_EQ(Frame(5), lower());

  SendPointer(OnScreen(window, client.right / 2, client.bottom / 4));
  ASSERT_TRUE(PumpUntil([&] { return upper() == Frame(4); })) << "upper half hot";
  EXPECT_EQ(Frame(5), lower()) << "the other half stays normal";

  SendPointer(OnScreen(window, client.right / 2, client.bottom * 3 / 4));
  SendButton(MOUSEEVENTF_LEFTDOWN);
  const bool pressedShown = PumpUntil([&] { return lower() == Frame(6); });
  const unsigned upperWhilePressed = upper();
  SendButton(MOUSEEVENTF_LEFTUP);
  FlushEvents();
  EXPECT_TRUE(pressedShown) << "lower half pressed: frame 2 + 4";
  EXPECT_EQ(Frame(1), upperWhilePressed);
  EXPECT_LT(arrows->Position(), 50) << "the native arrows still count down";
  EXPECT_EQ(std::to_string(arrows->Position()), edit->Text()) << "and the buddy shows it";
  EXPECT_NE(Frame(6), lower()) << "released";
}

TEST_F(UpDownTest, DisabledHalvesShowFrameThreeWhereverThePointerIs) {
  TUpDown* arrows = Arrows();
  const HWND window = arrows->Handle();
  SendPointer(OnScreen(window, kWidth / 2, kHeight * 3 / 4));
  PumpUntil([] { return false; }, 150);
  arrows->SetEnabled(false);
  RepaintNow(window);
  EXPECT_EQ(Frame(3), Upper(window));
  EXPECT_EQ(Frame(7), Lower(window));
}

TEST_F(UpDownTest, WithoutTheElementPlainButtonsWithAnArrow) {
  TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
  skin.UpDownVert->Image->Assign(nullptr);
  TUpDown* arrows = Arrows();
  const HWND window = arrows->Handle();
  EXPECT_EQ(SkinPixel(scButtonDkShadow), WindowPixel(window, 0, 0)) << "outline";
  EXPECT_EQ(SkinPixel(scButtonFace), WindowPixel(window, 2, 2)) << "face inside";
  int ink = 0;  // the arrow's pixels in the upper half
  for (int y = 1; y < kHeight / 2 - 1; ++y) {
    for (int x = 1; x < kWidth - 1; ++x) {
      ink += WindowPixel(window, x, y) == SkinPixel(scButtonText);
    }
  }
  EXPECT_GT(ink, 3);
}

TEST_F(UpDownTest, ArrowsInsideAnEditKeepOffItsSkinnedBorder) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&classes);
  auto* edit = Make<TEdit>(form.get(), 10, 100, 100, 30);
  RECT client{};
  GetClientRect(edit->Handle(), &client);
  // Flush with the client area's top, bottom and right, so within 3 pixels
  // of the edit's outer edge.
  const HWND arrows =
      CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, client.right - 16, 0, 16,
                      client.bottom, edit->Handle(), nullptr, nullptr, nullptr);
  ASSERT_TRUE(arrows);
  auto* object = new TSkinEdit(edit);
  object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
  RepaintNow(edit->Handle());
  ASSERT_NE(nullptr, dynamic_cast<TSkinUpDown*>(formObject->FindSkinObject(arrows)));
  RepaintNow(arrows);
  RECT editRect{}, arrowsRect{};
  GetWindowRect(edit->Handle(), &editRect);
  GetWindowRect(arrows, &arrowsRect);
  const int width = arrowsRect.right - arrowsRect.left;
  const int height = arrowsRect.bottom - arrowsRect.top;
  const int keepTop = editRect.top + 3 - arrowsRect.top;          // rows of white above
  const int keepRight = arrowsRect.right - (editRect.right - 3);  // columns at the right
  ASSERT_GT(keepTop, 0);
  ASSERT_GT(keepRight, 0);
  const unsigned white = DibColor(RGB(255, 255, 255));
  EXPECT_EQ(white, WindowPixel(arrows, width / 2, keepTop - 1));
  EXPECT_EQ(Frame(1), WindowPixel(arrows, width / 2 - 2, keepTop));
  EXPECT_EQ(white, WindowPixel(arrows, width - keepRight, height / 4));
  EXPECT_EQ(Frame(1), WindowPixel(arrows, width - keepRight - 1, height / 4));
  EXPECT_EQ(white, WindowPixel(arrows, width / 2, height - 1));
  DestroyWindow(arrows);
}

TEST_F(UpDownTest, DiscoveryGivesTheToolkitArrowsTheirObject) {
  auto* arrows = Make<TUpDown>(form.get(), 200, 40, kWidth, kHeight);
  TControlDiscovery(*formObject, *data).SkinChildren(form.get());
  EXPECT_NE(nullptr, dynamic_cast<TSkinUpDown*>(formObject->FindSkinObject(arrows->Handle())));
}

}  // namespace
