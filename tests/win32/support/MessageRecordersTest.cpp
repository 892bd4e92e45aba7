// The recorders on real windows: how a message came (sent, posted, to the
// parent, from inside DefWindowProc) and what a previous procedure gets.
#include <gtest/gtest.h>

#include <thread>

#include "tests/win32/support/FlushEvents.h"
#include "tests/win32/support/MessageRecorders.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Forms.h"

namespace {

using namespace wintest;

constexpr UINT kSwallowed = WM_APP + 5;
constexpr UINT kPassed = WM_APP + 6;

// A newcomer subclassing after the recorder: eats one message, passes the rest.
WNDPROC newcomerPrevious = nullptr;
LRESULT CALLBACK Newcomer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kSwallowed) return 1;
  return CallWindowProcW(newcomerPrevious, window, message, wParam, lParam);
}

TEST(MessageRecorders, ParentAndChildInterleaveWithTheirFlags) {
  MessageLog log;
  log.Only({WM_CREATE, WM_PARENTNOTIFY, WM_APP, WM_APP + 1});
  RecordingWindow parentWindow(log, {.extraFlags = parent});
  log.Clear();
  RecordingWindow child(
      log,
      {.style = WS_CHILD | WS_VISIBLE, .parent = parentWindow.Handle(), .bounds = {0, 0, 50, 50}});
  EXPECT_SEQUENCE(log, {{WM_CREATE, sent}, {WM_PARENTNOTIFY, sent | parent | wparam, WM_CREATE}},
                  "creating a child");
  SendMessageW(child.Handle(), WM_APP, 1, 0);
  PostMessageW(child.Handle(), WM_APP + 1, 2, 0);
  FlushEvents();
  EXPECT_SEQUENCE(log, {{WM_APP, sent | wparam, 1}, {WM_APP + 1, posted | wparam, 2}},
                  "one sent, one posted");
}

TEST(MessageRecorders, MessagesSentByDefWindowProcAreMarked) {
  MessageLog log;
  log.Only({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY, WM_NCDESTROY});
  RecordingWindow window(log, {});
  SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_SEQUENCE(log,
                  {{WM_SYSCOMMAND, sent | wparam, SC_CLOSE},
                   {WM_CLOSE, sent | defwinproc},
                   {WM_DESTROY, sent | defwinproc},
                   {WM_NCDESTROY, sent | defwinproc}},
                  "closing from the system menu");
}

TEST(MessageRecorders, RecordsWhatThePreviousProcedureReceives) {
  MessageLog log;
  log.Only({kSwallowed, kPassed, WM_SETTEXT});
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 80, 40, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(nullptr, window);
  {
    WindowProcRecorder recorder(log, window);
    newcomerPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Newcomer)));
    SendMessageW(window, kSwallowed, 0, 0);
    SendMessageW(window, kPassed, 0, 0);
    EXPECT_SEQUENCE(log, {{kPassed}}, "the newcomer eats one message");
  }
  // The recorder went while the newcomer still calls it: it only forwards,
  // and the static control still gets its text.
  SetWindowTextW(window, L"still reaching the control");
  EXPECT_TRUE(log.Entries().empty());
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  EXPECT_STREQ(L"still reaching the control", text);
  DestroyWindow(window);
}

TEST(MessageRecorders, StackedRecordersAndAnsiWindows) {
  MessageLog first;
  MessageLog second;
  first.Only({WM_SETTEXT});
  second.Only({WM_SETTEXT});
  HWND window = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 80, 40, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_FALSE(IsWindowUnicode(window));
  {
    WindowProcRecorder lower(first, window);
    WindowProcRecorder upper(second, window);
    SetWindowTextA(window, "abc");
  }
  EXPECT_EQ(1, first.Count(WM_SETTEXT));
  EXPECT_EQ(1, second.Count(WM_SETTEXT));
  // Both restored in reverse order: the window is back on its own procedure.
  char text[16] = {};
  SetWindowTextA(window, "xyz");
  GetWindowTextA(window, text, 16);
  EXPECT_STREQ("xyz", text);
  EXPECT_EQ(1, first.Count(WM_SETTEXT));
  DestroyWindow(window);
}

void EnsureToolkit() {
  static const bool initialized = [] {
    Application->Initialize();
    return true;
  }();
  (void)initialized;
}

TEST(MessageRecorders, ControlRecorderSeesTheToolkitsWindowProc) {
  EnsureToolkit();
  MessageLog log;
  log.Only({WM_APP, WM_APP + 1});
  TForm form(nullptr);
  const HWND handle = form.Handle();
  {
    ControlRecorder recorder(log, form);
    SendMessageW(handle, WM_APP, 0, 0);
    PostMessageW(handle, WM_APP + 1, 0, 0);
    FlushEvents();
  }
  SendMessageW(handle, WM_APP, 0, 0);
  EXPECT_SEQUENCE(log, {{WM_APP, sent}, {WM_APP + 1, posted}}, "through WindowProc");
}

// The toolkit passes what it does not handle to DefWindowProc through
// CallWindowProc: what DefWindowProc sends from there is marked too.
TEST(MessageRecorders, ControlRecorderMarksWhatDefWindowProcSends) {
  EnsureToolkit();
  MessageLog log;
  log.Only({WM_SYSCOMMAND, WM_CLOSE});
  TForm form(nullptr);
  const HWND handle = form.Handle();
  ControlRecorder recorder(log, form);
  SendMessageW(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_SEQUENCE(log, {{WM_SYSCOMMAND, sent | wparam, SC_CLOSE}, {WM_CLOSE, sent | defwinproc}},
                  "closing a form from the system menu");
}

TEST(FlushEvents, WaitsForMessagesThatArriveWithinItsBudget) {
  MessageLog log;
  log.Only({WM_APP});
  RecordingWindow window(log, {});
  const HWND handle = window.Handle();
  std::thread late([handle] {
    Sleep(30);
    PostMessageW(handle, WM_APP, 0, 0);
  });
  FlushEvents(2000, 500);
  late.join();
  EXPECT_SEQUENCE(log, {{WM_APP, posted}}, "posted from another thread 30 ms later");
}

}  // namespace
