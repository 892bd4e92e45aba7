#include "tests/win32/support/DefWindowProcTracking.h"

#include <windows.h>

#include <iterator>

#include "tests/win32/support/ImportPatching.h"

namespace wintest {
namespace {

thread_local int depth = 0;

decltype(&::DefWindowProcW) realDefWindowProcW = nullptr;
decltype(&::DefWindowProcA) realDefWindowProcA = nullptr;
decltype(&::CallWindowProcW) realCallWindowProcW = nullptr;
decltype(&::CallWindowProcA) realCallWindowProcA = nullptr;

// Counts the depth however the call returns.
struct Inside {
  Inside() { ++depth; }
  ~Inside() { --depth; }
  Inside(const Inside&) = delete;
  Inside& operator=(const Inside&) = delete;
};

LRESULT WINAPI HookDefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const Inside inside;
  return realDefWindowProcW(window, message, wParam, lParam);
}

LRESULT WINAPI HookDefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const Inside inside;
  return realDefWindowProcA(window, message, wParam, lParam);
}

// A procedure address taken before the patching is the real DefWindowProc.
bool IsDefWindowProc(WNDPROC proc) {
  return proc == realDefWindowProcW || proc == realDefWindowProcA || proc == &HookDefWindowProcW ||
         proc == &HookDefWindowProcA;
}

LRESULT WINAPI HookCallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
  if (!IsDefWindowProc(proc)) return realCallWindowProcW(proc, window, message, wParam, lParam);
  const Inside inside;
  return realCallWindowProcW(proc, window, message, wParam, lParam);
}

LRESULT WINAPI HookCallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
  if (!IsDefWindowProc(proc)) return realCallWindowProcA(proc, window, message, wParam, lParam);
  const Inside inside;
  return realCallWindowProcA(proc, window, message, wParam, lParam);
}

ImportHook hooks[] = {
    {L"user32.dll", "DefWindowProcW", reinterpret_cast<void*>(&HookDefWindowProcW),
     reinterpret_cast<void**>(&realDefWindowProcW)},
    {L"user32.dll", "DefWindowProcA", reinterpret_cast<void*>(&HookDefWindowProcA),
     reinterpret_cast<void**>(&realDefWindowProcA)},
    {L"user32.dll", "CallWindowProcW", reinterpret_cast<void*>(&HookCallWindowProcW),
     reinterpret_cast<void**>(&realCallWindowProcW)},
    {L"user32.dll", "CallWindowProcA", reinterpret_cast<void*>(&HookCallWindowProcA),
     reinterpret_cast<void**>(&realCallWindowProcA)},
};

}  // namespace

void TrackDefWindowProc() {
  // The test executable's own entries are there from the start.
  static const bool patched = PatchLoadedModules(hooks, std::size(hooks)) >= 0;
  (void)patched;
}

bool InsideDefWindowProc() { return depth > 0; }

}  // namespace wintest
