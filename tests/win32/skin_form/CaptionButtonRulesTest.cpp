// Which caption buttons a window shows for the skin's two visibility codes
// and its styles, and what the buttons without a placement command send to
// the window when they are clicked.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <utility>
#include <vector>

#include "FramePixelsFixture.h"
#include "skin/core/SkinMessages.h"
#include "skin/form/CaptionButtons.h"
#include "tests/win32/support/MessageRecorders.h"

namespace {

// The windows the codes are asked about.
enum TWindowCase {
  wcFull,         // system menu, both boxes, active, normal
  wcBare,         // a caption and nothing else
  wcBoxesOnly,    // both boxes, no system menu
  wcMinimiseBox,  // system menu and a minimize box
  wcHelpDialog,   // dialog border, context help, system menu
  wcHelpBoxes,    // context help beside both boxes
  wcDialogClass,  // a "#32770" window with a dialog border
  wcMaximised,
  wcInactive,
};

struct TVisibilityCase {
  TWindowCase window;
  int visibility, visibility1, action;
  bool visible;
  bool enabled = true;  // only the maximise and minimise actions change it
};

constexpr int kAppAction = 50;

// The program answers the 1000..2000 codes: only 1500 shows.
constexpr int kAnsweredCode = 1500;
std::vector<std::pair<WPARAM, LPARAM>> g_asked;

LRESULT CALLBACK AnswerButtonVisible(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR) {
  if (msg != SKIN_BUTTONVISIBLE) return DefSubclassProc(window, msg, wParam, lParam);
  g_asked.emplace_back(wParam, lParam);
  return wParam == kAnsweredCode ? 1 : 0;
}

class CaptionButtonRulesTest : public FramePixelsTest {
 protected:
  TWinSkinForm& SkinnedAs(TWindowCase kind) {
    constexpr DWORD caption = WS_OVERLAPPED | WS_CAPTION;
    switch (kind) {
      case wcBare:
        return Skinned(caption);
      case wcBoxesOnly:
        return Skinned(caption | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
      case wcMinimiseBox:
        return Skinned(caption | WS_SYSMENU | WS_MINIMIZEBOX);
      case wcHelpDialog:
        return Skinned(caption | WS_SYSMENU, WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP);
      case wcHelpBoxes:
        return Skinned(WS_OVERLAPPEDWINDOW, WS_EX_CONTEXTHELP);
      case wcDialogClass:
        return SkinnedDialogClass();
      default:
        return Skinned();
    }
  }
  TWinSkinForm& SkinnedDialogClass() {
    window = CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"Dialog",
                             WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 40, 40, 320, 220,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(window);
    return SkinnedObject(window);
  }
  // The window put into the case's state after it was skinned.
  void Enter(TWindowCase kind, TWinSkinForm& object) {
    if (kind == wcMaximised) {
      ShowWindow(window, SW_MAXIMIZE);
      EXPECT_TRUE(PumpUntil([&] { return object.Window().Placement == plMaximised; }));
    }
    if (kind == wcInactive) SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
  }
  void TearDown() override {
    if (window) RemoveWindowSubclass(window, AnswerButtonVisible, 1);
    g_asked.clear();
    FramePixelsTest::TearDown();
  }
};

const TVisibilityCase kVisibilityCases[] = {
    // Codes that ask nothing of the window, and the program's own range.
    {wcFull, 0, 0, kAppAction, true},
    {wcFull, 5, 0, kAppAction, false},
    {wcFull, 0, 5, kAppAction, false},
    {wcFull, -1, 0, kAppAction, true},
    {wcFull, 0, -1, kAppAction, false},
    {wcFull, 201, 999, kAppAction, true},
    {wcFull, 150, 0, kAppAction, false},
    {wcFull, 0, 2001, kAppAction, false},
    {wcFull, 1000, 0, kAppAction, false},
    {wcFull, 2000, 0, kAppAction, false},
    {wcFull, kAnsweredCode, 0, kAppAction, true},
    {wcFull, 0, 1000, kAppAction, true},  // the second code never asks
    // Placement and activation.
    {wcFull, 1, 0, kAppAction, false},
    {wcFull, 0, 1, kAppAction, false},
    {wcFull, 2, 2, kAppAction, true},
    {wcMaximised, 1, 1, kAppAction, true},
    {wcMaximised, 2, 0, kAppAction, false},
    {wcMaximised, 0, 2, kAppAction, false},
    {wcFull, 3, 3, kAppAction, true},
    {wcFull, 4, 0, kAppAction, false},
    {wcFull, 0, 4, kAppAction, false},
    {wcInactive, 3, 0, kAppAction, false},
    {wcInactive, 0, 3, kAppAction, false},
    {wcInactive, 4, 4, kAppAction, true},
    // The boxes, the system menu and context help.
    {wcFull, 6, 6, kAppAction, true},
    {wcFull, 8, 8, kAppAction, true},
    {wcFull, 7, 0, kAppAction, false},
    {wcFull, 0, 9, kAppAction, false},
    {wcFull, 10, 0, kAppAction, false},
    {wcFull, 0, 10, kAppAction, false},
    {wcBare, 6, 0, kAppAction, false},
    {wcBare, 0, 8, kAppAction, false},
    {wcBare, 7, 9, kAppAction, true},
    {wcBoxesOnly, 6, 0, kAppAction, false},
    {wcBoxesOnly, 8, 0, kAppAction, false},
    {wcBoxesOnly, 0, 6, kAppAction, true},
    {wcBoxesOnly, 0, 8, kAppAction, true},
    {wcMinimiseBox, 6, 8, kAppAction, true},
    {wcMinimiseBox, 7, 7, kAppAction, true},
    {wcMinimiseBox, 9, 0, kAppAction, false},
    {wcMinimiseBox, 0, 9, kAppAction, false},
    {wcHelpDialog, 10, 10, kAppAction, true},
    {wcHelpDialog, 6, 0, kAppAction, false},
    {wcHelpBoxes, 10, 0, kAppAction, false},
    {wcHelpBoxes, 0, 10, kAppAction, true},
    // Code 200: a dialog border on a window that is no dialog.
    {wcHelpDialog, 200, 200, kAppAction, true},
    {wcFull, 200, 0, kAppAction, false},
    {wcFull, 0, 200, kAppAction, false},
    {wcDialogClass, 200, 0, kAppAction, false},
    // What the action adds: close needs the system menu, the icon no dialog
    // border, maximise and minimise are enabled by their box.
    {wcFull, 0, 0, cbClose, true},
    {wcBare, 0, 0, cbClose, false},
    {wcBoxesOnly, 0, 0, cbClose, false},
    {wcHelpDialog, 0, 0, cbClose, true},
    {wcFull, 0, 0, cbIcon, true},
    {wcFull, 0, 0, cbIconAlt, true},
    {wcFull, 0, 0, cbIconMenu, true},
    {wcHelpDialog, 0, 0, cbIcon, false},
    {wcHelpDialog, 0, 0, cbIconAlt, false},
    {wcHelpDialog, 0, 0, cbIconMenu, false},
    {wcDialogClass, 0, 0, cbIcon, false},
    {wcFull, 0, 0, cbMaximize, true, true},
    {wcFull, 0, 0, cbMinimize, true, true},
    {wcBoxesOnly, 0, 0, cbMaximize, true, false},
    {wcBoxesOnly, 0, 0, cbMinimize, true, false},
    {wcMinimiseBox, 0, 0, cbMaximize, true, false},
    {wcMinimiseBox, 0, 0, cbMinimize, true, true},
};

TEST_F(CaptionButtonRulesTest, VisibilityCodesAndActionsDecideWhichButtonsShow) {
  for (const TWindowCase kind : {wcFull, wcBare, wcBoxesOnly, wcMinimiseBox, wcHelpDialog,
                                 wcHelpBoxes, wcDialogClass, wcMaximised, wcInactive}) {
    TWinSkinForm& object = SkinnedAs(kind);
    ASSERT_TRUE(SetWindowSubclass(window, AnswerButtonVisible, 1, 0));
    Enter(kind, object);
    ASSERT_GT(object.Caption().ButtonCount(), 0);
    TWinSysButton& button = *object.Caption().Button(0);
    for (const TVisibilityCase& c : kVisibilityCases) {
      if (c.window != kind) continue;
      button.Element->Visibility = c.visibility;
      button.Element->Visibility1 = c.visibility1;
      button.Element->Action = c.action;
      button.Enabled = true;
      g_asked.clear();
      object.Caption().LayoutButtons();
      const auto where = testing::Message() << "window case " << kind << ", codes " << c.visibility
                                            << "/" << c.visibility1 << ", action " << c.action;
      EXPECT_EQ(c.visible, button.Visible) << where;
      EXPECT_EQ(c.enabled, button.Enabled) << where;
      // The program is asked only for a first code of its range, with the action.
      const bool asks = c.visibility >= 1000 && c.visibility <= 2000;
      ASSERT_EQ(asks ? 1u : 0u, g_asked.size()) << where;
      if (asks) {
        EXPECT_EQ((std::pair<WPARAM, LPARAM>(c.visibility, c.action)), g_asked[0]);
      }
    }
    RemoveWindowSubclass(window, AnswerButtonVisible, 1);
    DestroyWindow(window);
    window = nullptr;
  }
}

// The close button made into a help button, then into the application's:
// pressed and released over it, it posts the window its message.
TEST_F(CaptionButtonRulesTest, HelpAndApplicationButtonsPostTheirMessage) {
  struct TActionCase {
    int action;
    UINT message;
    WPARAM wParam;
  };
  const TActionCase cases[] = {
      {cbHelp, WM_SYSCOMMAND, SC_CONTEXTHELP},
      {kAppAction, SKIN_CAPTIONACTION, kAppAction},
      {5, SKIN_CAPTIONACTION, 5},
      {300, SKIN_CAPTIONACTION, 300},
  };
  TWinSkinForm& object = Skinned();
  TWinSysButton& button = *object.Caption().Button(0);
  button.Element->Visibility = button.Element->Visibility1 = 0;
  for (const TActionCase& c : cases) {
    button.Element->Action = c.action;
    object.Caption().LayoutButtons();
    ASSERT_TRUE(button.Visible);
    RECT rect{};
    GetWindowRect(window, &rect);
    const POINT at{rect.left + (button.Rect.left + button.Rect.right) / 2,
                   rect.top + (button.Rect.top + button.Rect.bottom) / 2};
    SetCursorPos(at.x, at.y);
    wintest::MessageLog log;
    log.Only({WM_SYSCOMMAND, SKIN_CAPTIONACTION});
    {
      const wintest::WindowProcRecorder arriving(log, window);
      SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
      SendMessageW(window, WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(at.x, at.y));
      FlushEvents();
    }
    EXPECT_SEQUENCE(log, {{c.message, wintest::posted | wintest::wparam, c.wParam}},
                    "caption button released");
  }
}

}  // namespace
