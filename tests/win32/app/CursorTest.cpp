// Cursor calls in the per-monitor-aware context.
#include <gtest/gtest.h>

#include "app/CursorDpi.h"
#include "app/Win32ClickInput.h"

namespace {

using GetContextFn = HANDLE(WINAPI*)();
using EqualFn = BOOL(WINAPI*)(HANDLE, HANDLE);
using AwarenessFn = int(WINAPI*)(HANDLE);
using SetContextFn = HANDLE(WINAPI*)(HANDLE);
const HANDLE kUnawareContext = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-1));
constexpr int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE

template <class F>
F User32Function(const char* name) {
  return reinterpret_cast<F>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

TEST(PerMonitorDpiScope, SwitchesTheThreadAndRestoresIt) {
  const auto getContext = User32Function<GetContextFn>("GetThreadDpiAwarenessContext");
  const auto equal = User32Function<EqualFn>("AreDpiAwarenessContextsEqual");
  const auto awareness = User32Function<AwarenessFn>("GetAwarenessFromDpiAwarenessContext");
  const auto setContext = User32Function<SetContextFn>("SetThreadDpiAwarenessContext");
  if (!app::HasThreadDpiAwareness() || !getContext || !equal || !awareness || !setContext)
    GTEST_SKIP() << "system without DPI contexts";
  // Start from an unaware thread, whatever the process default is.
  const HANDLE original = setContext(kUnawareContext);
  ASSERT_NE(nullptr, original);
  const HANDLE before = getContext();
  ASSERT_NE(kPerMonitorAware, awareness(before));
  {
    const app::TPerMonitorDpiScope scope;
    EXPECT_TRUE(scope.Switched());
    // Version 2 or, on older systems, version 1 of per-monitor awareness.
    EXPECT_EQ(kPerMonitorAware, awareness(getContext()));
  }
  EXPECT_TRUE(equal(getContext(), before));
  setContext(original);
}

// Under X a pointer warp is carried out asynchronously: a motion or
// crossing event still queued from an earlier test (another process may have
// moved the pointer just before) can report the old place after the warp and
// stay the last word. The warp is repeated until the place reads back.
template <class Set, class Read>
POINT SettledCursor(POINT wanted, Set set, Read read) {
  POINT point{};
  const DWORD start = GetTickCount();
  for (int tick = 0; GetTickCount() - start < 3000; ++tick) {
    if (tick % 10 == 0) set(wanted.x, wanted.y);
    Sleep(20);
    if (!read(point) || (point.x == wanted.x && point.y == wanted.y)) break;
  }
  return point;
}

TEST(CursorDpi, SetAndReadBackTheCursor) {
  POINT point = SettledCursor(
      {123, 456}, [](int x, int y) { app::SetCursorPosPhysical(x, y); },
      [](POINT& p) { return app::GetCursorPosPhysical(p); });
  EXPECT_EQ(123, point.x);
  EXPECT_EQ(456, point.y);
  app::TWin32ClickInput input(nullptr);
  point = SettledCursor(
      {321, 654}, [&](int x, int y) { input.SetCursorPos(x, y); },
      [](POINT& p) { return GetCursorPos(&p) != FALSE; });
  EXPECT_EQ(321, point.x);
  EXPECT_EQ(654, point.y);
}

}  // namespace
