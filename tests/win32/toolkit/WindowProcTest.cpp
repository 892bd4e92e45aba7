// The replaceable message handler: it sees every message of its control,
// replacing it changes behaviour and putting the saved one back restores it;
// notifications come back to the child that sent them.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "TestSupport.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/MessageNames.h"

namespace {

class WindowProcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(50, 50, 300, 200);
    button = new TButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 80, 25);
    button->SetCaption("OK");
    form->Show();
    FlushEvents();
  }

  std::unique_ptr<TForm> form;
  TButton* button = nullptr;
};

// What the system delivers to one window, seen from outside the toolkit:
// sends as they are made, queued messages as they are taken out.
HWND hookedWindow = nullptr;
wintest::MessageLog hooked;

LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->hwnd == hookedWindow) {
    hooked.Add({sent->message,
                wintest::ArrivalFlags(sent->hwnd, sent->message, sent->wParam, sent->lParam)});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK PostedHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* posted = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && posted->hwnd == hookedWindow) {
    hooked.Add({posted->message, wintest::posted});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

wintest::MsgSequence WithoutToolkitMessages(const wintest::MsgSequence& messages) {
  wintest::MsgSequence system;
  for (const wintest::MsgEntry& entry : messages) {
    if (entry.message < CM_BASE || entry.message >= 0xC000) system.push_back(entry);
  }
  return system;
}

TEST_F(WindowProcTest, ReplacedHandlerSeesEveryMessageTheWindowGets) {
  wintest::MessageLog log;
  const wintest::ControlRecorder recorder(log, *button);
  hookedWindow = button->Handle();
  hooked.Clear();
  HHOOK sent = SetWindowsHookExW(WH_CALLWNDPROC, SentHook, nullptr, GetCurrentThreadId());
  HHOOK posted = SetWindowsHookExW(WH_GETMESSAGE, PostedHook, nullptr, GetCurrentThreadId());
  ASSERT_NE(nullptr, sent);
  ASSERT_NE(nullptr, posted);

  button->SetCaption("Again");
  button->SetEnabled(false);
  button->SetEnabled(true);
  button->SetBounds(20, 20, 90, 30);
  PostMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  InvalidateRect(button->Handle(), nullptr, TRUE);
  FlushEvents();

  UnhookWindowsHookEx(posted);
  UnhookWindowsHookEx(sent);
  ASSERT_FALSE(hooked.Entries().empty());
  EXPECT_EQ("", wintest::CompareSequence(WithoutToolkitMessages(log.Entries()), hooked.Entries()));
  EXPECT_TRUE(log.Saw(CM_TEXTCHANGED));
  EXPECT_EQ(2, log.Count(CM_ENABLEDCHANGED));
}

TEST_F(WindowProcTest, DisablingAButtonGoesThroughItsHandlerInOrder) {
  wintest::MessageLog log;
  log.Only({CM_ENABLEDCHANGED, WM_CANCELMODE, WM_ENABLE, WM_SETTEXT});
  const wintest::ControlRecorder recorder(log, *button);
  button->SetEnabled(false);
  // The system cancels any mode of a window it disables, then tells it.
  EXPECT_SEQUENCE(log,
                  {{CM_ENABLEDCHANGED}, {WM_CANCELMODE, wintest::sent | wintest::optional},
                   {WM_ENABLE}},
                  "disabling the button");
  EXPECT_FALSE(IsWindowEnabled(button->Handle()));
}

TEST_F(WindowProcTest, ReplacingTheHandlerChangesBehaviourAndRestoringItRestores) {
  const TWndMethod saved = button->WindowProc;
  int swallowed = 0;
  button->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_SETTEXT) {
      ++swallowed;
      message.Result = TRUE;
      return;
    }
    saved(message);
  };
  SetWindowTextW(button->Handle(), L"Swallowed");
  EXPECT_EQ(1, swallowed);
  EXPECT_EQ("OK", button->Caption());

  button->WindowProc = saved;
  SetWindowTextW(button->Handle(), L"Shown");
  EXPECT_EQ(1, swallowed);
  EXPECT_EQ("Shown", button->Caption());
}

TEST_F(WindowProcTest, PerformGoesThroughTheReplacedHandler) {
  wintest::MessageLog log;
  const wintest::ControlRecorder recorder(log, *button);
  EXPECT_EQ(0, button->Perform(CM_MOUSEENTER));
  EXPECT_SEQUENCE(log, {{CM_MOUSEENTER}}, "performing CM_MOUSEENTER");
}

TEST_F(WindowProcTest, ChildCommandComesBackAsReflectedNotification) {
  int clicks = 0;
  button->OnClick = [&](TObject* sender) {
    EXPECT_EQ(button, sender);
    ++clicks;
  };
  wintest::MessageLog parent, child;
  const wintest::ControlRecorder parentRecorder(parent, *form);
  const wintest::ControlRecorder childRecorder(child, *button);
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(1, clicks);
  EXPECT_TRUE(parent.Saw(WM_COMMAND));
  EXPECT_EQ(1, child.Count(CN_COMMAND));
}

TEST_F(WindowProcTest, EditColoursComeFromTheEditThroughReflection) {
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetColor(clRed);
  edit->Font()->SetColor(clBlue);
  wintest::MessageLog log;
  const wintest::ControlRecorder recorder(log, *edit);
  HDC dc = GetDC(edit->Handle());
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(form->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(edit->Handle())));
  EXPECT_EQ(RGB(0, 0, 255), GetTextColor(dc));
  EXPECT_EQ(RGB(255, 0, 0), GetBkColor(dc));
  LOGBRUSH info{};
  ASSERT_NE(0, GetObjectW(brush, sizeof info, &info));
  EXPECT_EQ(RGB(255, 0, 0), info.lbColor);
  ReleaseDC(edit->Handle(), dc);
  EXPECT_TRUE(log.Saw(CN_CTLCOLOREDIT));
}

TEST_F(WindowProcTest, ControlIsFoundFromItsWindowUnderTheControlAtom) {
  char name[32];
  std::snprintf(name, sizeof name, "ControlOfs%.8lX%.8lX",
                static_cast<unsigned long>(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr))),
                static_cast<unsigned long>(GetCurrentThreadId()));
  const ATOM atom = GlobalFindAtomA(name);
  ASSERT_NE(0, atom);
  EXPECT_EQ(static_cast<TControl*>(button),
            static_cast<TControl*>(GetPropA(button->Handle(), MAKEINTRESOURCEA(atom))));
  EXPECT_EQ(button, TWinControl::FindControl(button->Handle()));
  EXPECT_EQ(nullptr, TWinControl::FindControl(GetDesktopWindow()));
}

TEST_F(WindowProcTest, WindowClassesCarryTheToolkitClassNames) {
  wchar_t cls[64] = {};
  GetClassNameW(button->Handle(), cls, 64);
  EXPECT_STREQ(L"TButton", cls);
  GetClassNameW(form->Handle(), cls, 64);
  EXPECT_STREQ(L"TForm", cls);
  EXPECT_TRUE(IsWindowUnicode(button->Handle()));
}

TEST_F(WindowProcTest, DestroyedWindowLeavesTheControlWithoutAHandle) {
  const HWND window = button->Handle();
  DestroyWindow(window);
  EXPECT_FALSE(button->HandleAllocated());
  EXPECT_EQ(nullptr, TWinControl::FindControl(window));
  // Asking again makes a new window under the same parent.
  EXPECT_TRUE(IsWindow(button->Handle()));
  EXPECT_EQ(form->Handle(), GetParent(button->Handle()));
}

TEST(MessageNames, NameWindowToolkitAndReflectedMessages) {
  EXPECT_EQ("WM_NCPAINT", MessageName(WM_NCPAINT));
  EXPECT_EQ("CM_MOUSEENTER", MessageName(CM_MOUSEENTER));
  EXPECT_EQ("CN_COMMAND", MessageName(CN_COMMAND));
  EXPECT_EQ("0x7FFE", MessageName(0x7FFE));
}

}  // namespace
