// Progress bars on pixels read back: the track frame alone at the start,
// the filled frame over the done share (from the bottom when standing),
// ranges with nothing in them, the chunk style, and discovery's choice.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>

#include "SavedElement.h"
#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinProgress.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/controls/ProgressBar.h"

namespace {

constexpr int kLong = 200, kThick = 20;

class ProgressPixelsTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
    progress_ = std::make_unique<SavedElement>(*skin.Progress);
    chunk_ = std::make_unique<SavedElement>(*skin.ProgressChunk);
    progress_->Plain();
    chunk_->Plain();
    MakeStrip(*skin.Progress->Image, 2, 10, 10);
    skin.Progress->Frame = 2;
    skin.Progress->Style = 0;
  }
  void TearDown() override {
    progress_.reset();
    chunk_.reset();
    SkinControlTest::TearDown();
  }

  TProgressBar* Bar(int position, bool vertical = false) {
    auto* bar = Make<TProgressBar>(form.get(), 10, 10, vertical ? kThick : kLong,
                                   vertical ? kLong : kThick);
    if (vertical) bar->SetOrientation(pbVertical);
    bar->SetPosition(position);
    auto* object = new TSkinProgress(bar);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    return bar;
  }
  // How many pixels of the picture show each frame colour.
  struct Picture {
    explicit Picture(TProgressBar* bar)
        : width(bar->Width()), height(bar->Height()), dib(width, height) {
      dib.Fill(RGB(1, 2, 3));
      SendMessageW(bar->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dib.dc()), 0);
    }
    int Count(unsigned pixel) const { return CountPixels(dib, {0, 0, width, height}, pixel); }
    int width, height;
    DibSurface dib;
  };

  std::unique_ptr<SavedElement> progress_, chunk_;
};

TEST_F(ProgressPixelsTest, AtTheStartOnlyTheTrackAndAtHalfTheFilledFrameOverTheFirstHalf) {
  TProgressBar* bar = Bar(0);
  {
    const Picture picture(bar);
    EXPECT_EQ(kLong * kThick, picture.Count(Frame(1)));
    EXPECT_EQ(0, picture.Count(Frame(2)));
  }
  bar->SetPosition(50);
  const Picture half(bar);
  EXPECT_EQ(kLong * kThick / 2, half.Count(Frame(2)));
  EXPECT_EQ(Frame(2), half.dib.Pixel(kLong / 2 - 1, kThick / 2));
  EXPECT_EQ(Frame(1), half.dib.Pixel(kLong / 2, kThick / 2));
  bar->SetPosition(100);
  EXPECT_EQ(kLong * kThick, Picture(bar).Count(Frame(2)));
}

TEST_F(ProgressPixelsTest, AStandingBarFillsFromTheBottom) {
  TProgressBar* bar = Bar(25, true);
  const Picture picture(bar);
  EXPECT_EQ(kLong * kThick / 4, picture.Count(Frame(2)));
  EXPECT_EQ(Frame(2), picture.dib.Pixel(kThick / 2, kLong - 1));
  EXPECT_EQ(Frame(1), picture.dib.Pixel(kThick / 2, kLong - kLong / 4 - 1));
  EXPECT_EQ(Frame(1), picture.dib.Pixel(kThick / 2, 0));
}

TEST_F(ProgressPixelsTest, EmptyAndInvertedRangesDrawTheTrackOnly) {
  TProgressBar* bar = Bar(0);
  bar->SetMin(5);
  bar->SetMax(5);
  bar->SetPosition(5);
  EXPECT_EQ(kLong * kThick, Picture(bar).Count(Frame(1)));
  // A range set straight on the window, top below bottom.
  SendMessageW(bar->Handle(), PBM_SETRANGE32, 80, 20);
  SendMessageW(bar->Handle(), PBM_SETPOS, 50, 0);
  EXPECT_EQ(kLong * kThick, Picture(bar).Count(Frame(1)));
}

TEST_F(ProgressPixelsTest, ChunkStyleRepeatsChunksOverTheDoneShareOnly) {
  TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
  MakeStrip(*skin.Progress->Image, 1, 10, 10);
  skin.Progress->Frame = 1;
  skin.Progress->Style = 1;
  MakeStrip(*skin.ProgressChunk->Image, 1, 8, 6);
  pixels::Fill(*skin.ProgressChunk->Image, FrameColour(5));  // told apart from the track
  skin.ProgressChunk->Frame = 1;
  TProgressBar* bar = Bar(30);
  const Picture picture(bar);
  // 60 pixels done, chunks 6 high centred in the 20-pixel bar.
  EXPECT_EQ(60 * 6, picture.Count(Frame(5)));
  EXPECT_EQ(Frame(5), picture.dib.Pixel(59, 7));
  EXPECT_EQ(Frame(1), picture.dib.Pixel(60, 10));
  EXPECT_EQ(Frame(1), picture.dib.Pixel(30, 6));
}

TEST_F(ProgressPixelsTest, DiscoveryGivesTheToolkitBarItsObject) {
  auto* bar = Make<TProgressBar>(form.get(), 10, 10, kLong, kThick);
  TControlDiscovery(*formObject, *data).SkinChildren(form.get());
  ASSERT_NE(nullptr, formObject->FindSkinObject(bar->Handle()));
  EXPECT_NE(nullptr, dynamic_cast<TSkinProgress*>(formObject->FindSkinObject(bar->Handle())));
}

}  // namespace
