// Date-time pickers under the real pointer, on pixels read back from the
// screen: the arrow over the picker's button turns hot and back, not while
// the picker is disabled; a click on it, mirrored or not, still drops the
// calendar; the edit frame; a time picker keeps its spin arrows; the skin
// switched off hides the arrow and on shows it; unskinning takes it away.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>

#include "RealPointer.h"
#include "SavedElement.h"
#include "SkinControlSupport.h"
#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/core/SkinMessages.h"
#include "toolkit/controls/DateTimePicker.h"

namespace {

class DateTimePickerTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
    arrow_ = std::make_unique<SavedElement>(*skin.ComboxArrow);
    MakeStrip(*skin.ComboxArrow->Image, 4, 12, 12);
    skin.ComboxArrow->Frame = 4;
    GetCursorPos(&cursor_);
  }
  void TearDown() override {
    SendPointer(cursor_);
    arrow_.reset();
    SkinControlTest::TearDown();
  }

  TSkinDateTime* Skinned(TDateTimePicker* picker) {
    auto* object = new TSkinDateTime(picker);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    RepaintNow(picker->Handle());
    return object;
  }
  // The middle of the arrow on the screen, and what it shows there.
  static POINT ArrowMiddle(TArrowButton* arrow) {
    return OnScreen(arrow->Handle(), arrow->Width() / 2, arrow->Height() / 2);
  }
  static unsigned ArrowPixel(TArrowButton* arrow) {
    UpdateWindow(arrow->Handle());
    return WindowPixel(arrow->Handle(), arrow->Width() / 2, arrow->Height() / 2);
  }

  std::unique_ptr<SavedElement> arrow_;
  POINT cursor_{};
};

TEST_F(DateTimePickerTest, ArrowSitsOverTheButtonAndTheEditFrameGoesRound) {
  auto* picker = Make<TDateTimePicker>(form.get(), 20, 20, 160, 24);
  TSkinDateTime* object = Skinned(picker);
  TArrowButton* arrow = object->ArrowButton();
  ASSERT_NE(nullptr, arrow);
  RECT outer{}, inner{};
  GetWindowRect(picker->Handle(), &outer);
  GetWindowRect(arrow->Handle(), &inner);
  EXPECT_EQ(outer.right - 2, inner.right) << "inside the sunken edge, at the right";
  EXPECT_EQ(outer.top + 2, inner.top);
  EXPECT_EQ(outer.bottom - 2, inner.bottom);
  EXPECT_EQ(GetSystemMetrics(SM_CXHSCROLL), inner.right - inner.left);
  EXPECT_EQ(Frame(1), ArrowPixel(arrow));
  const unsigned white = DibColor(RGB(255, 255, 255));
  EXPECT_EQ(SkinPixel(scButtonShadow), WindowPixel(picker->Handle(), 0, 12));
  EXPECT_EQ(white, WindowPixel(picker->Handle(), 1, 12));
  EXPECT_EQ(white, WindowPixel(picker->Handle(), 80, 22));
}

TEST_F(DateTimePickerTest, ArrowTurnsHotUnderThePointerAndBackWhenItLeaves) {
  auto* picker = Make<TDateTimePicker>(form.get(), 20, 20, 160, 24);
  TArrowButton* arrow = Skinned(picker)->ArrowButton();
  ASSERT_NE(nullptr, arrow);
  SendPointer(ArrowMiddle(arrow));
  EXPECT_TRUE(PumpUntil([&] { return ArrowPixel(arrow) == Frame(4); })) << "hot: cell 4";
  SendPointer(OnScreen(picker->Handle(), 20, 10));
  EXPECT_TRUE(PumpUntil([&] { return ArrowPixel(arrow) == Frame(1); })) << "left: cell 1";
}

TEST_F(DateTimePickerTest, DisabledPickerShowsANormalArrowWhateverThePointerDoes) {
  auto* picker = Make<TDateTimePicker>(form.get(), 20, 20, 160, 24);
  TArrowButton* arrow = Skinned(picker)->ArrowButton();
  ASSERT_NE(nullptr, arrow);
  SendPointer(ArrowMiddle(arrow));
  ASSERT_TRUE(PumpUntil([&] { return ArrowPixel(arrow) == Frame(4); }));
  picker->SetEnabled(false);
  EXPECT_TRUE(PumpUntil([&] { return ArrowPixel(arrow) == Frame(1); })) << "hot goes with enabled";
  SendPointer(OnScreen(picker->Handle(), 20, 10));
  PumpUntil([] { return false; }, 150);
  SendPointer(ArrowMiddle(arrow));
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(Frame(1), ArrowPixel(arrow)) << "and does not come back under the pointer";
}

// A click on the arrow, then a second one, with the calendar shown between.
void ExpectArrowDropsAndFoldsTheCalendar(TDateTimePicker* picker, TArrowButton* arrow) {
  const HWND window = picker->Handle();
  // Wine keeps the calendar window from the start, hidden until it drops.
  const auto calendarShown = [&] {
    const auto calendar = reinterpret_cast<HWND>(SendMessageW(window, DTM_GETMONTHCAL, 0, 0));
    return calendar && IsWindowVisible(calendar);
  };
  ASSERT_FALSE(calendarShown());
  SendPointer(OnScreen(arrow->Handle(), arrow->Width() / 2, arrow->Height() / 2));
  SendButton(MOUSEEVENTF_LEFTDOWN);
  SendButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(PumpUntil(calendarShown)) << "the picker's own calendar is shown";
  // A second click, not a double click, folds it away, as on the picker's
  // own button (and leaves no calendar over the windows of later tests).
  PumpUntil([] { return false; }, GetDoubleClickTime() + 50);
  SendButton(MOUSEEVENTF_LEFTDOWN);
  SendButton(MOUSEEVENTF_LEFTUP);
  // Wine's picker takes two seconds to fold it, clicked on its own button too.
  EXPECT_TRUE(PumpUntil([&] { return !calendarShown(); }, 5000));
}

TEST_F(DateTimePickerTest, ClickOnTheArrowDropsTheCalendar) {
  auto* picker = Make<TDateTimePicker>(form.get(), 20, 20, 160, 24);
  TArrowButton* arrow = Skinned(picker)->ArrowButton();
  ASSERT_NE(nullptr, arrow);
  ExpectArrowDropsAndFoldsTheCalendar(picker, arrow);
}

TEST_F(DateTimePickerTest, MirroredArrowSitsLeftAndStillDropsTheCalendar) {
  auto* picker = Make<TDateTimePicker>(form.get(), 20, 20, 160, 24);
  const HWND window = picker->Handle();
  SetWindowLongPtrW(window, GWL_EXSTYLE,
                    GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  TArrowButton* arrow = Skinned(picker)->ArrowButton();
  ASSERT_NE(nullptr, arrow);
  RECT outer{}, inner{};
  GetWindowRect(window, &outer);
  GetWindowRect(arrow->Handle(), &inner);
  EXPECT_EQ(outer.left + 4, inner.left) << "2 inside the client area, itself 2 inside";
  ExpectArrowDropsAndFoldsTheCalendar(picker, arrow);
}

// Switched off, the picker's own button is under the pointer and takes the
// click; switched on, the arrow is back over it.
TEST_F(DateTimePickerTest, SkinSwitchedOffHidesTheArrowAndOnShowsIt) {
  auto* picker = Make<TDateTimePicker>(form.get(), 20, 20, 160, 24);
  TArrowButton* arrow = Skinned(picker)->ArrowButton();
  ASSERT_NE(nullptr, arrow);
  const POINT middle = ArrowMiddle(arrow);
  ASSERT_EQ(Frame(1), ArrowPixel(arrow));
  SendMessageW(picker->Handle(), SKIN_SETACTIVE, 0, 0);
  RepaintNow(picker->Handle());
  EXPECT_FALSE(IsWindowVisible(arrow->Handle()));
  EXPECT_EQ(picker->Handle(), WindowFromPoint(middle));
  RECT window{};
  GetWindowRect(picker->Handle(), &window);
  EXPECT_NE(Frame(1), WindowPixel(picker->Handle(), middle.x - window.left, middle.y - window.top))
      << "the picker's own button shows";
  ExpectArrowDropsAndFoldsTheCalendar(picker, arrow);
  SendMessageW(picker->Handle(), SKIN_SETACTIVE, 1, 0);
  EXPECT_TRUE(IsWindowVisible(arrow->Handle()));
  EXPECT_EQ(arrow->Handle(), WindowFromPoint(middle));
  EXPECT_EQ(Frame(1), ArrowPixel(arrow));
}

TEST_F(DateTimePickerTest, TimePickerKeepsItsSpinArrowsWithinReach) {
  auto* picker = Make<TDateTimePicker>(form.get(), 20, 20, 160, 24);
  picker->SetKind(dtkTime);
  TSkinDateTime* object = Skinned(picker);
  EXPECT_EQ(nullptr, object->ArrowButton());
  const HWND spin = FindWindowExW(picker->Handle(), nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(nullptr, spin);
  RECT rect{};
  GetWindowRect(spin, &rect);
  const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  EXPECT_EQ(spin, WindowFromPoint(middle)) << "nothing of ours lies over them";
}

TEST_F(DateTimePickerTest, UnskinTakesTheArrowAway) {
  auto* picker = Make<TDateTimePicker>(form.get(), 20, 20, 160, 24);
  const HWND window = picker->Handle();
  const bool clipped = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CLIPCHILDREN) != 0;
  TSkinDateTime* object = Skinned(picker);
  ASSERT_NE(nullptr, object->ArrowButton());
  EXPECT_NE(0, GetWindowLongPtrW(window, GWL_STYLE) & WS_CLIPCHILDREN);
  object->Unskin();
  EXPECT_EQ(nullptr, object->ArrowButton());
  EXPECT_EQ(nullptr, GetWindow(window, GW_CHILD));
  EXPECT_EQ(clipped, (GetWindowLongPtrW(window, GWL_STYLE) & WS_CLIPCHILDREN) != 0);
  EXPECT_EQ(0, picker->ControlCount());
}

}  // namespace
