// The scroll bar control under its cover: the thumb it shows for ranges
// and pages that leave little or nothing to divide, a real drag of the
// thumb that the control itself carries out, the control's right button and
// context menu, and its hint shown over the cover in place of its parent's.
#include <windows.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "ScrollStripsSupport.h"
#include "TestSupport.h"
#include "skin/controls/ScrollControlGeometry.h"
#include "skin/controls/SkinScControl.h"
#include "skin/core/SkinMessages.h"
#include "tests/win32/graphics/Pixels.h"
#include "tests/win32/support/MessageRecorders.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/HintWindow.h"
#include "toolkit/controls/MouseControl.h"
#include "toolkit/controls/MouseTracking.h"
#include "toolkit/controls/ScrollBar.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr int kLength = 200;

class ScrollControlTest : public ScrollStripsTest {
 protected:
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

  TSkinScControl* object = nullptr;
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
  PressAndRunSteps(grab,
                   {[&] {
                      SendPointer(POINT{grab.x, grab.y + 30});
                    },
                    [&] {
                      SendPointer(POINT{grab.x, grab.y + 60});
                    },
                    [&] { pressedDuring = Cover().Pressed; }},
                   [this] { return !Cover().Pressed; });

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

// What the cover hears of the right button goes to the control as it would
// have had it; the context menu comes from the control, never the cover.
TEST_F(ScrollControlTest, RightButtonAndContextMenuReachTheControl) {
  using wintest::MessageLog, wintest::parent, wintest::sent, wintest::wparam, wintest::lparam;
  TScrollBar* bar = Bar(0, 100, 10);
  MessageLog log;
  log.Only({WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU});
  const wintest::WindowProcRecorder onBar(log, bar->Handle());
  const wintest::WindowProcRecorder onForm(log, form->Handle(), parent);
  const HWND cover = Cover().Window();
  const auto barWindow = reinterpret_cast<WPARAM>(bar->Handle());
  const LPARAM at = MAKELPARAM(arrow / 2, kLength / 2);
  SendMessageW(cover, WM_RBUTTONDOWN, MK_RBUTTON, at);
  SendMessageW(cover, WM_RBUTTONUP, 0, at);
  EXPECT_SEQUENCE(log,
                  {{WM_RBUTTONDOWN, sent | wparam | lparam, MK_RBUTTON, at},
                   {WM_RBUTTONUP, sent | lparam, 0, at},
                   {WM_CONTEXTMENU, sent | wparam, barWindow},
                   {WM_CONTEXTMENU, sent | parent | wparam, barWindow}},
                  "right click on the cover");
  const LPARAM fromKeys = -1;
  SendMessageW(cover, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(cover), fromKeys);
  EXPECT_SEQUENCE(log,
                  {{WM_CONTEXTMENU, sent | wparam | lparam, barWindow, fromKeys},
                   {WM_CONTEXTMENU, sent | parent | wparam | lparam, barWindow, fromKeys}},
                  "the menu asked of the cover");
}

// The pointer comes from the form, whose hint shows, onto the cover: the
// control's hint replaces it, or, when the control shows none, no hint.
TEST_F(ScrollControlTest, PointerOverTheCoverShowsTheControlsHintNotTheParents) {
  const int savedPause = Application->HintPause;
  Application->HintPause = 50;
  form->SetHint("the form");
  form->SetShowHint(true);
  TScrollBar* bar = Bar(0, 100, 10);
  bar->SetHint("the bar");
  const auto hintShown = [] {
    THintWindow* hint = Application->HintWindow();
    return hint && hint->HandleAllocated() && IsWindowVisible(hint->Handle()) ? hint->Caption()
                                                                              : String();
  };
  for (const bool barShowsHint : {true, false}) {
    SCOPED_TRACE(barShowsHint ? "the bar shows its hint" : "the bar shows none");
    bar->SetShowHint(barShowsHint);
    // Each round enters the form afresh, wherever the pointer was.
    if (MouseControl()) ForgetMouseControl(MouseControl());
    SendPointer(OnScreen(form->Handle(), 10, 10));
    EXPECT_TRUE(PumpUntil([&] { return hintShown() == "the form"; }));
    SendPointer(OnScreen(Cover().Window(), arrow / 2, kLength / 2));
    if (barShowsHint) {
      EXPECT_TRUE(PumpUntil([&] { return hintShown() == "the bar"; }));
    } else {
      PumpUntil([] { return false; }, 600);
      EXPECT_EQ(String(), hintShown());
    }
  }
  Application->CancelHint();
  Application->HintPause = savedPause;
  form->SetShowHint(false);
  form->SetParentShowHint(true);
  form->SetHint("");
}

}  // namespace
