// The scroll bar control under its cover: the thumb it shows for ranges
// and pages that leave little or nothing to divide, and a real drag of the
// thumb that the control itself carries out.
#include <windows.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "PointerInput.h"
#include "SkinControlSupport.h"
#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/controls/ScrollControlGeometry.h"
#include "skin/controls/SkinScControl.h"
#include "skin/form/SkinMessages.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/controls/ScrollBar.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

TColor CellColour(int n) { return RGBColor(n * 10, 255 - n * 10, 128); }
TColor TrackColour(int n) { return RGBColor(60 * n, 60 * n, 20); }
TColor ThumbColour(int n) { return RGBColor(30, 60 * n, 250); }
unsigned Dib(TColor colour) { return DibColor(static_cast<COLORREF>(colour)); }

void MakeStrip(TBitmap& strip, int frames, int w, int h, TColor (*colour)(int)) {
  strip.SetPixelFormat(pf24bit);
  strip.SetSize(w * frames, h);
  for (int n = 1; n <= frames; ++n) pixels::Fill(strip, (n - 1) * w, 0, n * w, h, colour(n));
}

constexpr int kLength = 200;

class ScrollControlTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    const TSkinElements& skin = data->Skin();
    for (TDataSkinObject* element : Elements()) {
      saved_.push_back(std::make_unique<TBitmap>());
      saved_.back()->Assign(element->Image.get());
    }
    arrow = GetSystemMetrics(SM_CXHSCROLL);
    MakeStrip(*skin.Scrollbar->Image, 23, arrow, arrow, CellColour);
    MakeStrip(*skin.VertScroll->Image, 4, 8, 8, TrackColour);
    MakeStrip(*skin.VertScrollThumb->Image, 3, 8, 16, ThumbColour);
    MakeStrip(*skin.HorzScroll->Image, 4, 8, 8, TrackColour);
    MakeStrip(*skin.HorzScrollThumb->Image, 3, 16, 8, ThumbColour);
  }
  void TearDown() override {
    std::vector<TDataSkinObject*> elements = Elements();
    for (size_t i = 0; i < elements.size(); ++i) elements[i]->Image->Assign(saved_[i].get());
    SkinControlTest::TearDown();
  }
  std::vector<TDataSkinObject*> Elements() const {
    const TSkinElements& skin = data->Skin();
    return {skin.Scrollbar.get(), skin.VertScroll.get(), skin.VertScrollThumb.get(),
            skin.HorzScroll.get(), skin.HorzScrollThumb.get()};
  }
  TScrollBar* Bar(int min, int max, int page) {
    auto* bar = new TScrollBar(form.get());
    bar->SetKind(sbVertical);
    bar->SetParent(form.get());
    bar->SetBounds(200, 20, arrow, kLength);
    bar->SetMin(min);
    bar->SetMax(max);
    bar->SetPageSize(page);
    object = new TSkinScControl(bar);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    RepaintNow(form->Handle());
    return bar;
  }
  TWScrollbar& Cover() const { return *object->Cover; }
  // First and last row of the cover's centre column in the colour.
  std::pair<int, int> Rows(unsigned colour) const {
    UpdateWindow(Cover().Window());
    int first = -1, last = -1;
    for (int y = 0; y < kLength; ++y) {
      if (WindowPixel(Cover().Window(), arrow / 2, y) != colour) continue;
      if (first < 0) first = y;
      last = y;
    }
    return {first, last};
  }

  int arrow = 0;
  TSkinScControl* object = nullptr;

 private:
  std::vector<std::unique_ptr<TBitmap>> saved_;
};

TEST_F(ScrollControlTest, PageEqualToTheRangeStillShowsAThumbOfEightPixels) {
  Bar(0, 1, 1);
  ASSERT_TRUE(Cover().Shown);
  RECT cover{}, bar{};
  GetWindowRect(Cover().Window(), &cover);
  GetWindowRect(object->Handle, &bar);
  EXPECT_TRUE(EqualRect(&cover, &bar)) << "laid exactly over the control";
  const auto thumb = Rows(Dib(ThumbColour(1)));
  EXPECT_EQ(arrow, thumb.first) << "at the top, past the up arrow";
  EXPECT_GE(thumb.second - thumb.first + 1, 8);
  EXPECT_EQ(Dib(CellColour(9)), WindowPixel(Cover().Window(), arrow / 2, arrow / 2));
  EXPECT_EQ(Dib(CellColour(13)), WindowPixel(Cover().Window(), arrow / 2, kLength - arrow / 2));
}

TEST_F(ScrollControlTest, RangeOrPageOfNothingDividesByNothing) {
  // Min equal to Max, with and without a page: the thumb rests at the
  // first arrow, whole and inside the track.
  for (const int page : {0, 1, 5}) {
    const TThumbExtent thumb = ScrollControlThumb(kLength, 17, 5, 5, page, 5);
    EXPECT_EQ(17, thumb.Start) << page;
    EXPECT_GT(thumb.End, thumb.Start) << page;
    EXPECT_LE(thumb.End, kLength - 17) << page;
  }
  // A page far larger than the range is never longer than the track.
  const TThumbExtent whole = ScrollControlThumb(kLength, 17, 0, 10, 500, 0);
  EXPECT_EQ(kLength - 17, whole.End);
  TScrollBar* bar = Bar(3, 3, 0);
  EXPECT_EQ(3, bar->Position());
  const auto thumb = Rows(Dib(ThumbColour(1)));
  EXPECT_EQ(arrow, thumb.first);
}

TEST_F(ScrollControlTest, BarTurnedOnItsSideKeepsItsCoverOverTheNewWindow) {
  TScrollBar* bar = Bar(0, 100, 10);
  const HWND before = bar->Handle();
  bar->SetKind(sbHorizontal);
  RepaintNow(form->Handle());
  ASSERT_NE(before, bar->Handle()) << "the control has a new window";
  EXPECT_EQ(bar->Handle(), object->Handle);
  EXPECT_FALSE(Cover().Vertical);
  ASSERT_TRUE(Cover().Shown);
  RECT cover{}, window{};
  GetWindowRect(Cover().Window(), &cover);
  GetWindowRect(bar->Handle(), &window);
  EXPECT_TRUE(EqualRect(&cover, &window));
  UpdateWindow(Cover().Window());
  EXPECT_EQ(Dib(CellColour(1)), WindowPixel(Cover().Window(), arrow / 2, arrow / 2))
      << "left arrow";
  EXPECT_EQ(Dib(ThumbColour(1)), WindowPixel(Cover().Window(), arrow + 2, arrow / 2));
  EXPECT_EQ(1, SendMessageW(bar->Handle(), SKIN_QUERY, 0, 0)) << "still skinned";
}

// Steps run one per timer tick while the control's own tracking loop holds
// the thread (it dispatches our timer).
std::vector<std::function<void()>>* pendingSteps = nullptr;
size_t nextStep = 0;
void CALLBACK RunStep(HWND, UINT, UINT_PTR id, DWORD) {
  if (!pendingSteps || nextStep >= pendingSteps->size()) {
    KillTimer(nullptr, id);
    return;
  }
  (*pendingSteps)[nextStep++]();
}

TEST_F(ScrollControlTest, RealDragOfTheThumbMovesTheControlItself) {
  TScrollBar* bar = Bar(0, 100, 10);
  int changes = 0;
  bar->OnChange = [&](TObject*) { ++changes; };
  ASSERT_TRUE(Cover().Shown);
  const auto before = Rows(Dib(ThumbColour(1)));
  ASSERT_EQ(arrow, before.first);
  POINT grab{arrow / 2, (before.first + before.second) / 2};
  ClientToScreen(Cover().Window(), &grab);
  bool pressedDuring = false;
  std::vector<std::function<void()>> steps = {[&] {
                                                SendPointer(POINT{grab.x, grab.y + 30});
                                              },
                                              [&] {
                                                SendPointer(POINT{grab.x, grab.y + 60});
                                              },
                                              [&] { pressedDuring = Cover().Pressed; },
                                              [] { SendButton(MOUSEEVENTF_LEFTUP); }};
  pendingSteps = &steps;
  nextStep = 0;
  SendPointer(grab);
  PumpUntil([] { return false; }, 200);
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, &RunStep);
  SendButton(MOUSEEVENTF_LEFTDOWN);
  PumpUntil([&] { return nextStep >= steps.size() && !Cover().Pressed; }, 5000);
  KillTimer(nullptr, timer);
  pendingSteps = nullptr;

  EXPECT_TRUE(pressedDuring) << "the press waits for the control's own tracking";
  EXPECT_FALSE(Cover().Pressed);
  EXPECT_GT(bar->Position(), 20) << "the control scrolled itself";
  EXPECT_GT(changes, 0);
  RECT away{};
  GetWindowRect(form->Handle(), &away);
  SendPointer(POINT{away.right - 10, away.bottom - 10});
  ASSERT_TRUE(PumpUntil([&] { return Cover().Part == spNone; }));
  const auto after = Rows(Dib(ThumbColour(1)));
  EXPECT_GT(after.first, before.first + 20) << "the cover shows the thumb where it went";
}

}  // namespace
