// Track bars through their custom-draw stages, on pixels read back from the
// screen: the thumb in cell 2 of its strip, the channel from "Track", the
// thumb still dragged natively by the real pointer, an empty range, the
// outline without thumb images, and discovery's choice.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>

#include "RealPointer.h"
#include "SavedElement.h"
#include "SkinControlSupport.h"
#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinTrackBar.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/controls/TrackBar.h"

namespace {

constexpr TColor kChannel = RGBColor(250, 120, 10);

RECT ThumbOf(HWND bar) {
  RECT thumb{};
  SendMessageW(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  return thumb;
}

class TrackBarTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
    thumb_ = std::make_unique<SavedElement>(*skin.ThumbHorz);
    track_ = std::make_unique<SavedElement>(*skin.Track);
    MakeStrip(*skin.ThumbHorz->Image, 5, 10, 20);
    skin.ThumbHorz->Frame = 5;
    MakeStrip(*skin.Track->Image, 1, 12, 4);
    pixels::Fill(*skin.Track->Image, kChannel);
    skin.Track->LeftWidth = skin.Track->RightWidth = 2;
    skin.Track->Trans = 0;
    GetCursorPos(&cursor_);
  }
  void TearDown() override {
    SendPointer(cursor_);
    thumb_.reset();
    track_.reset();
    SkinControlTest::TearDown();
  }

  TTrackBar* Bar(int min, int max, int position) {
    auto* bar = Make<TTrackBar>(form.get(), 20, 40, 240, 40);
    bar->SetMin(min);
    bar->SetMax(max);
    bar->SetPosition(position);
    auto* object = new TSkinTrackBar(bar);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    RepaintNow(bar->Handle());
    return bar;
  }
  static unsigned ThumbCentre(HWND bar) {
    const RECT thumb = ThumbOf(bar);
    UpdateWindow(bar);
    return WindowPixel(bar, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
  }

  std::unique_ptr<SavedElement> thumb_, track_;
  POINT cursor_{};
};

TEST_F(TrackBarTest, ThumbShowsCellTwoOverTheSkinnedChannelAndStillDrags) {
  TTrackBar* bar = Bar(0, 10, 2);
  const HWND window = bar->Handle();
  EXPECT_EQ(Frame(2), ThumbCentre(window));
  RECT channel{};
  SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  const int channelMiddle = (channel.top + channel.bottom) / 2;
  EXPECT_EQ(Dib(kChannel), WindowPixel(window, channel.right - 4, channelMiddle))
      << "channel from the Track image, away from the thumb";

  const RECT thumb = ThumbOf(window);
  const int y = (thumb.top + thumb.bottom) / 2;
  SendPointer(OnScreen(window, (thumb.left + thumb.right) / 2, y));
  PumpUntil([] { return false; }, 100);
  SendButton(MOUSEEVENTF_LEFTDOWN);
  PumpUntil([] { return false; }, 100);
  SendPointer(OnScreen(window, channel.right - 10, y));
  PumpUntil([] { return false; }, 150);
  SendButton(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return bar->Position() >= 8; })) << "the native drag moved it";
  EXPECT_EQ(bar->Position(), SendMessageW(window, TBM_GETPOS, 0, 0));
  EXPECT_EQ(Frame(2), ThumbCentre(window)) << "drawn where the thumb now is";
}

TEST_F(TrackBarTest, AnEmptyRangeStillDrawsItsThumb) {
  TTrackBar* bar = Bar(3, 3, 3);
  EXPECT_EQ(Frame(2), ThumbCentre(bar->Handle()));
  bar->SetMax(1);  // below Min
  RepaintNow(bar->Handle());
  EXPECT_EQ(Frame(2), ThumbCentre(bar->Handle()));
}

TEST_F(TrackBarTest, WithoutThumbImagesTheThumbIsOutlined) {
  TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
  skin.ThumbHorz->Image->Assign(nullptr);
  TTrackBar* bar = Bar(0, 10, 5);
  const RECT thumb = ThumbOf(bar->Handle());
  UpdateWindow(bar->Handle());
  EXPECT_EQ(SkinPixel(scButtonShadow),
            WindowPixel(bar->Handle(), thumb.left, (thumb.top + thumb.bottom) / 2));
  EXPECT_EQ(SkinPixel(scButtonShadow),
            WindowPixel(bar->Handle(), (thumb.left + thumb.right) / 2, thumb.top));
}

TEST_F(TrackBarTest, DiscoveryGivesTheToolkitTrackBarItsObject) {
  auto* bar = Make<TTrackBar>(form.get(), 20, 40, 240, 40);
  TControlDiscovery(*formObject, *data).SkinChildren(form.get());
  EXPECT_NE(nullptr, dynamic_cast<TSkinTrackBar*>(formObject->FindSkinObject(bar->Handle())));
}

}  // namespace
