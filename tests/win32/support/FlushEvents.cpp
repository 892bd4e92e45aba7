#include "tests/win32/support/FlushEvents.h"

namespace wintest {
namespace {

thread_local const MSG* dispatching = nullptr;

bool DrainQueue() {
  bool any = false;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    any = true;
    TranslateMessage(&msg);
    DispatchTracked(msg);
  }
  return any;
}

}  // namespace

void DispatchTracked(const MSG& msg) {
  const MSG* outer = dispatching;
  dispatching = &msg;
  DispatchMessageW(&msg);
  dispatching = outer;
}

bool IsDispatchedNow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A message sent from inside the handler of a posted one is still a send.
  if (!dispatching || InSendMessage()) return false;
  return dispatching->hwnd == window && dispatching->message == message &&
         dispatching->wParam == wParam && dispatching->lParam == lParam;
}

void FlushEvents(DWORD budgetMs, DWORD quietMs) {
  const ULONGLONG deadline = GetTickCount64() + budgetMs;
  for (;;) {
    DrainQueue();
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return;
    const DWORD wait = static_cast<DWORD>(deadline - now < quietMs ? deadline - now : quietMs);
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT) == WAIT_TIMEOUT) {
      // Paint messages are not in the queue proper: one more pass catches them.
      if (!DrainQueue()) return;
    }
  }
}

}  // namespace wintest
