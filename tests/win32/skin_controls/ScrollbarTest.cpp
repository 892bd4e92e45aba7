// Scroll bar covers over list boxes, on pixels read back from the screen and
// with the real pointer: the cover follows the native bar as it shows and
// hides, arrow cells follow hover, press and leave, the dragged thumb
// follows the pointer between the arrows while the list scrolls natively.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ScrollStripsSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/core/SkinMessages.h"
#include "tests/win32/graphics/Pixels.h"
#include "tests/win32/support/MessageRecorders.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

SCROLLBARINFO BarOf(TListBox* list) {
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  EXPECT_TRUE(GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &bar));
  return bar;
}

class ScrollbarTest : public ScrollStripsTest {
 protected:
  TListBox* List(int items, TBorderStyle border = bsNone, TWinControl* parent = nullptr) {
    auto* list = Make<TListBox>(parent ? parent : form.get(), 20, 20, 160, 150);
    list->SetBorderStyle(border);
    for (int i = 0; i < items; ++i) list->Items()->Add("item " + std::to_string(i));
    object = new TSkinScrollbar(list);
    object->InitScroll(list, data.get(), formObject.get(), &formObject->ControlCanvas());
    return list;
  }
  TWScrollbar& Cover() const { return *object->Covers.VertBar; }
  POINT OnCover(int along) const {
    POINT at{arrow / 2, along};
    ClientToScreen(Cover().Window(), &at);
    return at;
  }
  unsigned CoverPixel(int along) const {
    UpdateWindow(Cover().Window());
    return WindowPixel(Cover().Window(), arrow / 2, along);
  }
  // The first and last row of the cover's centre column in either colour.
  std::pair<int, int> Rows(unsigned a, unsigned b) const {
    UpdateWindow(Cover().Window());
    int first = -1, last = -1;
    for (int y = 0; y < Cover().Length; ++y) {
      const unsigned pixel = WindowPixel(Cover().Window(), 2, y);
      if (pixel != a && pixel != b) continue;
      if (first < 0) first = y;
      last = y;
    }
    return {first, last};
  }
  // Presses at a point of the cover and runs the steps while the native
  // bar tracks the press; a last step releases the button.
  void PressAndRun(POINT at, std::vector<std::function<void()>> steps) {
    PressAndRunSteps(at, std::move(steps), [this] { return !Cover().Pressed; });
  }

  TSkinScrollbar* object = nullptr;
};

TEST_F(ScrollbarTest, CoverShowsWithTheBarAtTheNextPaintAndHidesWithIt) {
  TListBox* list = List(2);
  EXPECT_FALSE(IsWindowVisible(Cover().Window()));
  for (int i = 0; !(GetWindowLongPtrW(list->Handle(), GWL_STYLE) & WS_VSCROLL) && i < 50; ++i) {
    list->Items()->Add("more");
  }
  RepaintNow(form->Handle());
  ASSERT_TRUE(Cover().Shown);
  ASSERT_TRUE(IsWindowVisible(Cover().Window()));
  SCROLLBARINFO bar = BarOf(list);
  RECT cover{};
  GetWindowRect(Cover().Window(), &cover);
  EXPECT_TRUE(EqualRect(&cover, &bar.rcScrollBar)) << "laid exactly over the native bar";
  EXPECT_EQ(Dib(CellColour(9)), CoverPixel(arrow / 2)) << "up arrow";
  EXPECT_EQ(Dib(CellColour(13)), CoverPixel(Cover().Length - arrow / 2)) << "down arrow";
  EXPECT_EQ(Dib(ThumbColour(1)), CoverPixel(bar.xyThumbTop)) << "thumb where the bar has it";
  EXPECT_EQ(Dib(TrackColour(1)), CoverPixel(Cover().Length - arrow - 1)) << "enabled track";

  // The skin switched off for the list takes the cover away; back on, it
  // returns at once.
  SendMessageW(list->Handle(), SKIN_SETACTIVE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(Cover().Window()));
  SendMessageW(list->Handle(), SKIN_SETACTIVE, 1, 0);
  EXPECT_TRUE(IsWindowVisible(Cover().Window()));

  list->Items()->Clear();
  FlushEvents();
  EXPECT_FALSE(Cover().Shown);
  EXPECT_FALSE(IsWindowVisible(Cover().Window()));
}

// The list hears the right button on its bar as it would without the cover:
// non-client, on the bar, at the point on the screen.
TEST_F(ScrollbarTest, RightButtonOnTheCoverReachesTheListAsOnItsBar) {
  using wintest::sent, wintest::wparam, wintest::lparam;
  TListBox* list = List(40);
  RepaintNow(form->Handle());
  ASSERT_TRUE(Cover().Shown);
  wintest::MessageLog log;
  log.Only({WM_RBUTTONDOWN, WM_RBUTTONUP, WM_NCRBUTTONDOWN, WM_NCRBUTTONUP});
  const wintest::WindowProcRecorder onList(log, list->Handle());
  const POINT at = OnCover(Cover().Length / 2);
  POINT inCover = at;
  ScreenToClient(Cover().Window(), &inCover);
  SendMessageW(Cover().Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(inCover.x, inCover.y));
  SendMessageW(Cover().Window(), WM_RBUTTONUP, 0, MAKELPARAM(inCover.x, inCover.y));
  const LPARAM screen = MAKELPARAM(at.x, at.y);
  EXPECT_SEQUENCE(log,
                  {{WM_NCRBUTTONDOWN, sent | wparam | lparam, HTVSCROLL, screen},
                   {WM_NCRBUTTONUP, sent | wparam | lparam, HTVSCROLL, screen}},
                  "right click on the cover");
}

TEST_F(ScrollbarTest, UpArrowShowsHotThenPressedThenNormalWhenThePointerLeaves) {
  TListBox* list = List(40);
  RepaintNow(form->Handle());
  ASSERT_TRUE(Cover().Shown);
  const POINT up = OnCover(arrow / 2);
  SendPointer(up);
  ASSERT_TRUE(PumpUntil([&] { return Cover().Part == spFirstArrow; }));
  EXPECT_EQ(Dib(CellColour(12)), CoverPixel(arrow / 2)) << "hot";

  unsigned pressed = 0;
  bool pressedFlag = false;
  PressAndRun(up, {[&] {
                pressedFlag = Cover().Pressed;
                pressed = CoverPixel(arrow / 2);
              }});
  EXPECT_TRUE(pressedFlag) << "the press waits for the native bar";
  EXPECT_EQ(Dib(CellColour(10)), pressed) << "pressed";
  EXPECT_FALSE(Cover().Pressed);

  RECT away{};
  GetWindowRect(form->Handle(), &away);
  SendPointer(POINT{away.right - 20, away.bottom - 20});
  ASSERT_TRUE(PumpUntil([&] { return Cover().Part == spNone; }));
  EXPECT_EQ(Dib(CellColour(9)), CoverPixel(arrow / 2)) << "left";
  EXPECT_EQ(0, SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0)) << "already at the top";
}

TEST_F(ScrollbarTest, DraggedThumbFollowsThePointerBetweenTheArrowsWhileTheListScrolls) {
  TListBox* list = List(30);
  RepaintNow(form->Handle());
  ASSERT_TRUE(Cover().Shown);
  SCROLLBARINFO bar = BarOf(list);
  const int thumb = bar.xyThumbBottom - bar.xyThumbTop;
  ASSERT_GT(thumb, 4);
  const POINT grab = OnCover(bar.xyThumbTop + thumb / 2);
  const unsigned pressedThumb = Dib(ThumbColour(2)), pressedGrip = Dib(CellColour(21));
  // Just past the bar's ends: further away the native bar gives the thumb
  // back to where the press began.
  const int belowBar = bar.rcScrollBar.bottom + 10, aboveBar = bar.rcScrollBar.top - 10;
  std::pair<int, int> moved, pastEnd, pastStart;
  POINT cursorMoved{};
  PressAndRun(grab, {[&] {
                       SendPointer(POINT{grab.x, grab.y + 20});
                     },
                     [&] {
                       GetCursorPos(&cursorMoved);
                       moved = Rows(pressedThumb, pressedGrip);
                       SendPointer(POINT{grab.x, belowBar});
                     },
                     [&] {
                       pastEnd = Rows(pressedThumb, pressedGrip);
                       SendPointer(POINT{grab.x, aboveBar});
                     },
                     [&] {
                       pastStart = Rows(pressedThumb, pressedGrip);
                       SendPointer(POINT{grab.x, belowBar});
                     },
                     [] {}});
  EXPECT_EQ(Cover().DragThumbStart + (cursorMoved.y - Cover().DragCursor.y), moved.first)
      << "follows the pointer";
  EXPECT_EQ(thumb, moved.second - moved.first + 1);
  EXPECT_EQ(Cover().Length - arrow - 1, pastEnd.second) << "stops at the down arrow";
  EXPECT_EQ(arrow, pastStart.first) << "stops at the up arrow";
  EXPECT_FALSE(Cover().Pressed);
  EXPECT_GT(SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0), 0) << "the list scrolled itself";
  // Released, the thumb is drawn where the native bar put it.
  bar = BarOf(list);
  EXPECT_EQ(bar.xyThumbTop, Rows(Dib(ThumbColour(1)), Dib(ThumbColour(1))).first);
}

TEST_F(ScrollbarTest, DisabledListShowsTheDisabledTrackAndNoThumb) {
  TListBox* list = List(40);
  list->SetEnabled(false);
  RepaintNow(form->Handle());
  ASSERT_TRUE(Cover().Shown);
  EXPECT_FALSE(IsWindowEnabled(Cover().Window()));
  EXPECT_EQ(Dib(TrackColour(3)), CoverPixel(arrow + 1));
  const std::pair<int, int> thumbs = Rows(Dib(ThumbColour(1)), Dib(CellColour(20)));
  EXPECT_EQ(-1, thumbs.first) << "no thumb";
}

TEST_F(ScrollbarTest, OnlyAListWithABorderGetsTheSkinBorder) {
  TListBox* bordered = List(3, bsSingle);
  RepaintNow(form->Handle());
  EXPECT_TRUE(object->DrawBorder);
  EXPECT_EQ(SkinPixel(scButtonShadow), WindowPixel(bordered->Handle(), 0, 5));
  EXPECT_EQ(SkinPixel(scButtonFace), WindowPixel(bordered->Handle(), 1, 5));

  TListBox* plain = List(3, bsNone);
  plain->SetLeft(200);
  RepaintNow(form->Handle());
  EXPECT_FALSE(object->DrawBorder);
  EXPECT_NE(SkinPixel(scButtonShadow), WindowPixel(plain->Handle(), 0, 5));
  EXPECT_NE(SkinPixel(scButtonFace), WindowPixel(plain->Handle(), 1, 5));
}

TEST_F(ScrollbarTest, ListFreedFirstTakesItsObjectAndCoverOnce) {
  TListBox* list = List(40);
  RepaintNow(form->Handle());
  const HWND cover = Cover().Window();
  ASSERT_TRUE(IsWindowVisible(cover));
  delete list;
  EXPECT_FALSE(IsWindow(cover));
  EXPECT_EQ(0, formObject->SkinObjects().Count());
}

TEST_F(ScrollbarTest, ParentWindowDestroyedFirstLeavesTheObjectToTheSweep) {
  auto* panel = Make<TPanel>(form.get(), 10, 10, 220, 200);
  TListBox* list = List(40, bsNone, panel);
  RepaintNow(form->Handle());
  const HWND cover = Cover().Window();
  ASSERT_TRUE(IsWindowVisible(cover));
  DestroyWindow(panel->Handle());
  EXPECT_FALSE(IsWindow(cover));
  EXPECT_EQ(nullptr, Cover().Window()) << "the dead cover's handle is forgotten";
  EXPECT_EQ(scsGone, object->State);
  formObject->SweepGoneSkinObjects();
  EXPECT_EQ(0, formObject->SkinObjects().Count());
  EXPECT_EQ(0, list->ComponentCount()) << "freed, and gone from its control";
}

TEST_F(ScrollbarTest, BarShorterThanTwoArrowsSplitsItBetweenThem) {
  TListBox* list = List(20);
  list->SetHeight(arrow + 12);
  RepaintNow(form->Handle());
  ASSERT_TRUE(Cover().Shown);
  const int length = Cover().Length;
  ASSERT_LT(length, 2 * arrow);
  EXPECT_EQ(Dib(CellColour(9)), CoverPixel(length / 2 - 1));
  EXPECT_EQ(Dib(CellColour(13)), CoverPixel(length / 2 + 1));
}

TEST_F(ScrollbarTest, PlainWindowGetsBothCoversAndTheCornerBetweenThem) {
  const HWND window =
      CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 20, 20,
                      200, 150, form->Handle(), nullptr, nullptr, nullptr);
  SetScrollRange(window, SB_VERT, 0, 100, TRUE);
  SetScrollRange(window, SB_HORZ, 0, 100, TRUE);
  auto* plain = new TSkinScrollbarH(nullptr);
  plain->InitWindow(window, data.get(), formObject.get(), &formObject->ControlCanvas());
  RepaintNow(form->Handle());
  TWScrollbar& horz = *plain->Covers.HorzBar;
  TWScrollbar& vert = *plain->Covers.VertBar;
  ASSERT_TRUE(horz.Shown && vert.Shown);
  EXPECT_EQ(Dib(CellColour(1)), WindowPixel(horz.Window(), arrow / 2, arrow / 2)) << "left arrow";
  EXPECT_EQ(Dib(CellColour(5)), WindowPixel(horz.Window(), horz.Length - 2, arrow / 2));
  EXPECT_EQ(Dib(CellColour(9)), WindowPixel(vert.Window(), arrow / 2, arrow / 2)) << "up arrow";
  RECT corner{}, windowRect{};
  GetWindowRect(vert.Window(), &corner);
  GetWindowRect(window, &windowRect);
  EXPECT_EQ(SkinPixel(scButtonFace), WindowPixel(window, corner.left - windowRect.left + 2,
                                                 corner.bottom - windowRect.top + 2))
      << "the square between the bars";

  const HWND horzCover = horz.Window();
  DestroyWindow(window);
  EXPECT_FALSE(IsWindowVisible(horzCover)) << "hidden with its window";
  formObject->SweepGoneSkinObjects();
  EXPECT_FALSE(IsWindow(horzCover));
  EXPECT_EQ(0, formObject->SkinObjects().Count());
}

}  // namespace
