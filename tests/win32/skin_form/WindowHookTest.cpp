// Subclassing through a window property: what the replaced procedure sees,
// the A/W choice, restoring under a later subclasser, failures inside.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/core/WindowHook.h"
#include "toolkit/controls/Application.h"

namespace {

std::vector<UINT> seen;
std::string lastAnsiText;

LRESULT CALLBACK RecordingProcW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg >= WM_USER) seen.push_back(msg);
  return DefWindowProcW(window, msg, wParam, lParam);
}

LRESULT CALLBACK RecordingProcA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SETTEXT) lastAnsiText = reinterpret_cast<const char*>(lParam);
  return DefWindowProcA(window, msg, wParam, lParam);
}

HWND MakeWindowW() {
  static const ATOM cls = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecordingProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HookTestW";
    return RegisterClassW(&wc);
  }();
  return CreateWindowExW(0, MAKEINTATOM(cls), L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND MakeWindowA() {
  static const ATOM cls = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingProcA;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = "HookTestA";
    return RegisterClassA(&wc);
  }();
  (void)cls;
  return CreateWindowExA(0, "HookTestA", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// Consumes WM_USER + 1, throws on WM_USER + 2, passes everything else on.
class Target : public TWindowHookTarget {
 public:
  LRESULT HookedMessage(TWindowHook& hook, UINT msg, WPARAM wParam, LPARAM lParam) override {
    ++count;
    if (msg == WM_USER + 1) return 42;
    if (msg == WM_USER + 2) throw std::runtime_error("paint failed");
    return hook.CallOld(msg, wParam, lParam);
  }
  int count = 0;
};

// Someone else subclassing after us.
WNDPROC laterOld = nullptr;
LRESULT CALLBACK LaterProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(laterOld, window, msg, wParam, lParam);
}

TEST(WindowHook, ConsumesWhatItHandlesAndPassesTheRestOn) {
  const HWND window = MakeWindowW();
  Target target;
  {
    TWindowHook hook(THookRole::Frame, target);
    ASSERT_TRUE(hook.Install(window));
    EXPECT_TRUE(hook.Unicode());
    seen.clear();
    EXPECT_EQ(42, SendMessageW(window, WM_USER + 1, 0, 0));
    SendMessageW(window, WM_USER + 3, 0, 0);
    EXPECT_EQ(std::vector<UINT>{WM_USER + 3}, seen);
    EXPECT_EQ(2, target.count);
  }
  // Restored: the window's own procedure is back and sees everything.
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(RecordingProcW), GetWindowLongPtrW(window, GWLP_WNDPROC));
  seen.clear();
  SendMessageW(window, WM_USER + 1, 0, 0);
  EXPECT_EQ(std::vector<UINT>{WM_USER + 1}, seen);
  DestroyWindow(window);
}

TEST(WindowHook, OneHookPerRoleButBothRolesOnOneWindow) {
  const HWND window = MakeWindowW();
  Target frameTarget, clientTarget;
  TWindowHook frame(THookRole::Frame, frameTarget);
  TWindowHook second(THookRole::Frame, frameTarget);
  TWindowHook client(THookRole::MdiClient, clientTarget);
  ASSERT_TRUE(frame.Install(window));
  EXPECT_FALSE(second.Install(window));
  ASSERT_TRUE(client.Install(window));
  SendMessageW(window, WM_USER + 3, 0, 0);
  EXPECT_EQ(1, frameTarget.count);
  EXPECT_EQ(1, clientTarget.count);
  EXPECT_TRUE(client.Restore());
  EXPECT_TRUE(frame.Restore());
  DestroyWindow(window);
}

TEST(WindowHook, AnsiWindowKeepsAnsiMessages) {
  const HWND window = MakeWindowA();
  Target target;
  TWindowHook hook(THookRole::Frame, target);
  ASSERT_TRUE(hook.Install(window));
  EXPECT_FALSE(hook.Unicode());
  SetWindowTextW(window, L"caption");
  EXPECT_EQ("caption", lastAnsiText);
  EXPECT_TRUE(hook.Restore());
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(RecordingProcA), GetWindowLongPtrA(window, GWLP_WNDPROC));
  DestroyWindow(window);
}

TEST(WindowHook, LaterSubclasserKeepsItsChainAfterWeGo) {
  const HWND window = MakeWindowW();
  Target target;
  auto hook = std::make_unique<TWindowHook>(THookRole::Frame, target);
  ASSERT_TRUE(hook->Install(window));
  laterOld = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterProc)));
  EXPECT_FALSE(hook->Restore());
  hook.reset();
  // The later procedure stays installed and still reaches the original one.
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(LaterProc), GetWindowLongPtrW(window, GWLP_WNDPROC));
  seen.clear();
  SendMessageW(window, WM_USER + 1, 0, 0);
  EXPECT_EQ(std::vector<UINT>{WM_USER + 1}, seen);
  EXPECT_EQ(0, target.count);
  DestroyWindow(window);
}

TEST(WindowHook, FailureInsideIsReportedNotUnwound) {
  ASSERT_NE(nullptr, Application);
  const TExceptionEvent saved = Application->OnException;
  int reported = 0;
  Application->OnException = [&](TObject*, std::exception_ptr) { ++reported; };
  const HWND window = MakeWindowW();
  Target target;
  TWindowHook hook(THookRole::Frame, target);
  ASSERT_TRUE(hook.Install(window));
  EXPECT_EQ(0, SendMessageW(window, WM_USER + 2, 0, 0));
  EXPECT_EQ(1, reported);
  EXPECT_EQ(42, SendMessageW(window, WM_USER + 1, 0, 0));
  Application->OnException = saved;
  DestroyWindow(window);
}

TEST(WindowHook, DestroyedWindowForgetsTheHook) {
  const HWND window = MakeWindowW();
  Target target;
  TWindowHook hook(THookRole::Frame, target);
  ASSERT_TRUE(hook.Install(window));
  DestroyWindow(window);
  EXPECT_FALSE(hook.Installed());
}

}  // namespace
