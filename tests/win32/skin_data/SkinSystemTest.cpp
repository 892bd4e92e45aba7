// The optional system functions and the way from a window to its toolkit
// control.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>

#include "skin/data/SkinSystem.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/ToolkitWindow.h"

namespace {

TEST(SkinSystem, OptionalFunctionsArePresentHere) {
  EXPECT_TRUE(HasGetScrollBarInfo());
  EXPECT_TRUE(HasTrackMouseEvent());
}

TEST(SkinSystem, ScrollBarInformationOfAListBox) {
  const HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 0, 0, 120,
                                    80, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, list);
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  EXPECT_TRUE(SkinGetScrollBarInfo(list, OBJID_VSCROLL, &info));
  EXPECT_GT(info.rcScrollBar.bottom, info.rcScrollBar.top);
  DestroyWindow(list);
}

// Handles the window's messages for up to a second; whether one was msg.
bool Received(HWND window, UINT wanted, int tenMilliseconds = 100) {
  bool seen = false;
  for (int i = 0; i < tenMilliseconds && !seen; ++i) {
    MSG msg{};
    // Dispatched, so that painting validates the window and the queue drains.
    while (PeekMessageW(&msg, window, 0, 0, PM_REMOVE)) {
      seen |= msg.message == wanted;
      DispatchMessageW(&msg);
    }
    if (!seen) Sleep(10);
  }
  return seen;
}

TEST(SkinSystem, MouseLeaveIsReportedWhenTheMouseGoes) {
  // A class of our own: static controls are transparent to the mouse.
  WNDCLASSW cls{};
  cls.lpfnWndProc = DefWindowProcW;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.lpszClassName = L"SkinDataMouseTest";
  RegisterClassW(&cls);
  const HWND window = CreateWindowExW(0, cls.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 100, 100,
                                      50, 50, nullptr, nullptr, cls.hInstance, nullptr);
  ASSERT_NE(nullptr, window);
  SetCursorPos(125, 125);
  Received(window, WM_NULL);
  SkinTrackMouseLeave(window);
  SetCursorPos(400, 400);
  // Wine notices a leave by polling, every 2 s for our requests.
  EXPECT_TRUE(Received(window, WM_MOUSELEAVE, 300));
  DestroyWindow(window);
}

TEST(SkinSystem, ControlAtomTextNamesTheToolkitsAtom) {
  const std::string text = ControlAtomText();
  ASSERT_EQ(26u, text.size());
  EXPECT_EQ("ControlOfs", text.substr(0, 10));
  for (const char c : text.substr(10))
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F')) << text;
  char thread[16];
  std::snprintf(thread, sizeof thread, "%.8lX", GetCurrentThreadId());
  EXPECT_EQ(thread, text.substr(18));
  char registered[64] = {};
  GlobalGetAtomNameA(ControlAtom(), registered, sizeof registered);
  EXPECT_EQ(registered, text);
  EXPECT_EQ(ControlAtom(), GlobalFindAtomA(text.c_str()));
}

TEST(SkinSystem, ControlOfWindowFindsToolkitControlsOnly) {
  TForm form(nullptr);
  EXPECT_EQ(&form, ControlOfWindow(form.Handle()));
  const HWND plain = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
  EXPECT_EQ(nullptr, ControlOfWindow(plain));
  DestroyWindow(plain);
  EXPECT_EQ(nullptr, ControlOfWindow(nullptr));
}

}  // namespace
