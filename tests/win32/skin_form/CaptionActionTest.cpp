// Caption clicks and hover: what a double click does, hints and their timing.
#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/form/CaptionButtons.h"
#include "toolkit/controls/Application.h"

namespace {

class CaptionActionTest : public SkinManagerTest {
 protected:
  TWinSkinForm& Skinned(DWORD style = WS_OVERLAPPEDWINDOW) {
    window = MakeRecordingWindow(style | WS_VISIBLE, 0, nullptr, 320, 220);
    SetForegroundWindow(window);
    EXPECT_TRUE(PumpUntil([&] {
      const TWinSkinForm* o = Manager().FindFormObject(window);
      return o && o->AttachState == asSkinned;
    }));
    return *Manager().FindFormObject(window);
  }
  LPARAM CaptionPoint(int x, int y) const {
    RECT rect{};
    GetWindowRect(window, &rect);
    return MAKELPARAM(rect.left + x, rect.top + y);
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
  for (int i = 0; i < object.CaptionButtonCount(); ++i) {
    if (object.CaptionButton(i)->Visible && object.CaptionButton(i)->IsIcon()) {
      icon = object.CaptionButton(i);
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
  const TWinSysButton* close = nullptr;
  for (int i = 0; i < object.CaptionButtonCount(); ++i) {
    const TWinSysButton* b = object.CaptionButton(i);
    if (b->Visible && b->Element->Action == cbClose) close = b;
  }
  ASSERT_NE(nullptr, close);
  const int savedPause = Application->HintPause, savedHide = Application->HintHidePause;
  Application->HintPause = 250;  // shown from 500 ms of hovering
  Application->HintHidePause = 1000;
  RECT rect{};
  GetWindowRect(window, &rect);
  const POINT over{rect.left + close->Rect.left + 5, rect.top + close->Rect.top + 5};
  SetCursorPos(over.x, over.y);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(over.x, over.y));
  ASSERT_EQ(close, object.HotObject);
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

}  // namespace
