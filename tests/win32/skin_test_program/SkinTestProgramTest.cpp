// Each kind of the skin test program comes up with the window styles the
// skinning paths depend on: in-process through the library, and the
// program itself started as a separate process.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "skin/data/WinSkinData.h"
#include "tests/win32/skin_test_program/TestWindow.h"
#include "tests/win32/support/HandleExpectations.h"
#include "toolkit/controls/Application.h"

namespace {

void EnsureToolkit() {
  static const bool initialized = [] {
    Application->Initialize();
    return true;
  }();
  (void)initialized;
}

bool HasStyle(HWND window, LONG_PTR style) {
  return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style;
}
bool HasExStyle(HWND window, LONG_PTR style) {
  return (GetWindowLongPtrW(window, GWL_EXSTYLE) & style) == style;
}

// The styles that tell the kinds apart, for a window of this or another
// process.
void ExpectKindStyles(TTestWindowKind kind, HWND window) {
  SCOPED_TRACE(TestWindowKindName(kind));
  ASSERT_TRUE(IsWindow(window));
  EXPECT_FALSE(HasStyle(window, WS_CHILD));
  const bool caption = kind != TTestWindowKind::NoCaption;
  EXPECT_EQ(caption, HasStyle(window, WS_CAPTION));
  const bool thick = kind == TTestWindowKind::Sizeable || kind == TTestWindowKind::Plain ||
                     kind == TTestWindowKind::Mdi;
  EXPECT_EQ(thick, HasStyle(window, WS_THICKFRAME));
  EXPECT_EQ(kind == TTestWindowKind::ToolWindow, HasExStyle(window, WS_EX_TOOLWINDOW));
  EXPECT_EQ(kind == TTestWindowKind::Dialog, HasExStyle(window, WS_EX_DLGMODALFRAME));
  // A dialog or tool window border offers no minimise box.
  const bool minimise = kind == TTestWindowKind::Sizeable || kind == TTestWindowKind::Single ||
                        kind == TTestWindowKind::Plain || kind == TTestWindowKind::Mdi;
  EXPECT_EQ(minimise, HasStyle(window, WS_MINIMIZEBOX));
}

void ExpectMdiChildren(HWND frame, const HWND (&children)[2]) {
  const HWND client = GetWindow(frame, GW_CHILD);
  wchar_t name[32] = {};
  GetClassNameW(client, name, 32);
  EXPECT_STREQ(L"MDIClient", name);
  for (const HWND child : children) {
    EXPECT_EQ(client, GetParent(child));
    EXPECT_TRUE(HasExStyle(child, WS_EX_MDICHILD));
    EXPECT_TRUE(HasStyle(child, WS_CHILD | WS_CAPTION));
  }
  const auto active = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0));
  EXPECT_TRUE(active == children[0] || active == children[1]);
}

// Hidden here (the program's test below shows them): unmapping a shown
// window costs Wine two seconds when there is no window manager.
TEST(SkinTestWindows, EveryKindHasItsStyles) {
  EnsureToolkit();
  for (const TTestWindowKind kind : AllTestWindowKinds()) {
    TTestWindow window(kind);
    ExpectKindStyles(kind, window.Handle());
    if (window.Form()) {
      // The form carries our skin package, parsed while its layout was read.
      ASSERT_NE(nullptr, window.Form()->SkinData1);
      EXPECT_FALSE(window.Form()->SkinData1->SkinPending());
      EXPECT_EQ(sfMainform, window.Form()->SkinData1->SkinFormtype());
    }
    if (window.Mdi()) {
      const auto& children = window.Mdi()->Children();
      const HWND pair[2] = {children[0], children[1]};
      ExpectMdiChildren(window.Handle(), pair);
    }
  }
}

TEST(SkinTestWindows, MakingAndDestroyingEveryKindLeavesNoHandles) {
  EnsureToolkit();
  // The first round loads what stays for the process (classes, caches).
  for (const TTestWindowKind kind : AllTestWindowKinds()) TTestWindow window(kind);
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int round = 0; round < 3; ++round) {
    for (const TTestWindowKind kind : AllTestWindowKinds()) TTestWindow window(kind);
  }
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

// The program as a separate process: every kind shown, handles printed,
// and it ends once its windows are closed.
TEST(SkinTestProgram, ShowsEveryKindAndEndsWhenTheyClose) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" TAPVANE_SKIN_TEST_PROGRAM L"\"";
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                             &startup, &process));
  CloseHandle(writeEnd);
  std::string output;
  char buffer[256];
  DWORD got = 0;
  // The program writes text-mode lines (CR LF).
  while (output.find("ready") == std::string::npos &&
         ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
    output.append(buffer, got);
  ASSERT_NE(std::string::npos, output.find("ready")) << output;

  std::map<std::string, HWND> windows;
  HWND children[2] = {};
  int childCount = 0;
  std::istringstream lines(output);
  std::string word, kindName;
  void* handle = nullptr;
  while (lines >> word) {
    if (word == "window" && lines >> kindName >> handle) {
      windows[kindName] = static_cast<HWND>(handle);
    } else if (word == "mdichild" && lines >> handle && childCount < 2) {
      children[childCount++] = static_cast<HWND>(handle);
    }
  }
  for (const TTestWindowKind kind : AllTestWindowKinds()) {
    const HWND window = windows[TestWindowKindName(kind)];
    ExpectKindStyles(kind, window);
    EXPECT_TRUE(IsWindowVisible(window));
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    EXPECT_EQ(process.dwProcessId, owner);
  }
  ASSERT_EQ(2, childCount);
  ExpectMdiChildren(windows["mdi"], children);

  for (const auto& [name, window] : windows) PostMessageW(window, WM_CLOSE, 0, 0);
  // Generous: Wine waits up to two seconds per window it unmaps.
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 60000));
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(0u, exitCode);
  CloseHandle(readEnd);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
