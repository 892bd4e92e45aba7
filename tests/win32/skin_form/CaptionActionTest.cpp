// Caption clicks and hover: what a double click does, hints and their timing.
#include <algorithm>

#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/form/CaptionButtons.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Timer.h"

namespace {

class CaptionActionTest : public SkinManagerTest {
 protected:
  TWinSkinForm& Skinned(DWORD style = WS_OVERLAPPEDWINDOW) {
    window = MakeRecordingWindow(style | WS_VISIBLE, 0, nullptr, 320, 220);
    SetForegroundWindow(window);
    return SkinnedObject(window);
  }
  LPARAM CaptionPoint(int x, int y) const {
    RECT rect{};
    GetWindowRect(window, &rect);
    return MAKELPARAM(rect.left + x, rect.top + y);
  }
  static const TWinSysButton* CloseButton(const TWinSkinForm& object) {
    for (int i = 0; i < object.Caption().ButtonCount(); ++i) {
      const TWinSysButton* b = object.Caption().Button(i);
      if (b->Visible && b->Element->Action == cbClose) return b;
    }
    return nullptr;
  }
  void TearDown() override {
    if (IsWindow(window)) DestroyWindow(window);
    SkinManagerTest::TearDown();
  }
  HWND window = nullptr;
};

TEST_F(CaptionActionTest, DoubleClickOnTheIconCloses) {
  TWinSkinForm& object = Skinned();
  SendMessageW(window, WM_NCPAINT, 1, 0);
  const TWinSysButton* icon = nullptr;
  for (int i = 0; i < object.Caption().ButtonCount(); ++i) {
    if (object.Caption().Button(i)->Visible && object.Caption().Button(i)->IsIcon()) {
      icon = object.Caption().Button(i);
    }
  }
  ASSERT_NE(nullptr, icon);
  SendMessageW(window, WM_NCLBUTTONDBLCLK, HTCAPTION,
               CaptionPoint(icon->Rect.left + 2, icon->Rect.top + 2));
  FlushEvents();
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(CaptionActionTest, HintShowsAfterTwiceTheHintPauseAndGoesAfterTheHidePause) {
  TWinSkinForm& object = Skinned();
  SendMessageW(window, WM_NCPAINT, 1, 0);
  const TWinSysButton* close = CloseButton(object);
  ASSERT_NE(nullptr, close);
  const int savedPause = Application->HintPause, savedHide = Application->HintHidePause;
  Application->HintPause = 250;  // shown from 500 ms of hovering
  Application->HintHidePause = 1000;
  RECT rect{};
  GetWindowRect(window, &rect);
  const POINT over{rect.left + close->Rect.left + 5, rect.top + close->Rect.top + 5};
  SetCursorPos(over.x, over.y);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(over.x, over.y));
  ASSERT_EQ(close, object.Caption().HotObject());
  const DWORD start = GetTickCount();
  ASSERT_TRUE(PumpUntil([&] { return data->CaptionHintShown(); }, 3000));
  const DWORD shown = GetTickCount() - start;
  ASSERT_TRUE(PumpUntil([&] { return !data->CaptionHintShown(); }, 4000));
  const DWORD hidden = GetTickCount() - start;
  // Counted in 250 ms timer steps: shown at 500, hidden at 1500.
  EXPECT_GE(shown, 400u);
  EXPECT_GE(hidden, 1400u);
  Application->HintPause = savedPause;
  Application->HintHidePause = savedHide;
}

// The hover timer wakes the program four times a second, so it runs only
// while a caption button is hot.
TEST_F(CaptionActionTest, HoverTimerRunsOnlyWhileACaptionButtonIsHot) {
  const POINT away{GetSystemMetrics(SM_CXSCREEN) - 3, GetSystemMetrics(SM_CYSCREEN) - 3};
  SetCursorPos(away.x, away.y);
  TWinSkinForm& object = Skinned();
  SendMessageW(window, WM_NCPAINT, 1, 0);
  EXPECT_TRUE(object.Window().Active);
  EXPECT_TRUE(PumpUntil([&] { return !object.Caption().HoverTimer()->Enabled(); }, 2000));
  const TWinSysButton* close = CloseButton(object);
  ASSERT_NE(nullptr, close);
  RECT rect{};
  GetWindowRect(window, &rect);
  const POINT over{rect.left + close->Rect.left + 5, rect.top + close->Rect.top + 5};
  SetCursorPos(over.x, over.y);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(over.x, over.y));
  ASSERT_EQ(close, object.Caption().HotObject());
  EXPECT_TRUE(object.Caption().HoverTimer()->Enabled());
  SetCursorPos(away.x, away.y);
  EXPECT_TRUE(PumpUntil(
      [&] { return !object.Caption().HotObject() && !object.Caption().HoverTimer()->Enabled(); },
      2000));
}

// A left double click through the real input path: the first press goes to
// the system's move loop, the second arrives as WM_NCLBUTTONDBLCLK.
void DoubleClickAt(POINT at) {
  SetCursorPos(at.x, at.y);
  PumpUntil([] { return false; }, 100);
  INPUT clicks[4]{};
  for (int i = 0; i < 4; ++i) {
    clicks[i].type = INPUT_MOUSE;
    clicks[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
  }
  SendInput(4, clicks, sizeof clicks[0]);
}

// A point of the caption band that is on screen and off every caption button.
POINT CaptionBandPoint(HWND window, const TWinSkinForm& object) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const LONG top = std::max(rect.top, 0L);
  const POINT at{rect.left + (rect.right - rect.left) / 3,
                 (top + rect.top + object.Frame().Top()) / 2};
  EXPECT_EQ(nullptr, object.Caption().ButtonAt(POINT{at.x - rect.left, at.y - rect.top}));
  return at;
}

int SysCommands(HWND window, WPARAM command) {
  int count = 0;
  for (const RecordedMessage& m : Recorded()) {
    count += m.window == window && m.msg == WM_SYSCOMMAND && (m.wParam & 0xFFF0) == command;
  }
  return count;
}

TEST_F(CaptionActionTest, CaptionDoubleClickMaximisesAndASecondOneRestores) {
  TWinSkinForm& object = Skinned();
  RECT normal{};
  GetWindowRect(window, &normal);
  ClearRecorded();
  DoubleClickAt(CaptionBandPoint(window, object));
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(window) != FALSE; }));
  // Time for a late restore to show itself.
  PumpUntil([] { return false; }, 500);
  EXPECT_TRUE(IsZoomed(window));
  EXPECT_EQ(plMaximised, object.Window().Placement);
  EXPECT_EQ(1, SysCommands(window, SC_MAXIMIZE));
  EXPECT_EQ(0, SysCommands(window, SC_RESTORE));
  EXPECT_EQ(0, CountOf(window, WM_NCLBUTTONDBLCLK));

  // The maximised window keeps the shape of its frame.
  RECT maximised{};
  GetWindowRect(window, &maximised);
  EXPECT_EQ(maximised.right - maximised.left, object.Frame().RegionWidth());
  EXPECT_EQ(maximised.bottom - maximised.top, object.Frame().RegionHeight());

  ClearRecorded();
  DoubleClickAt(CaptionBandPoint(window, object));
  ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(window); }));
  PumpUntil([] { return false; }, 300);
  EXPECT_FALSE(IsZoomed(window));
  EXPECT_EQ(1, SysCommands(window, SC_RESTORE));
  RECT restored{};
  GetWindowRect(window, &restored);
  EXPECT_TRUE(EqualRect(&normal, &restored));
}

}  // namespace
