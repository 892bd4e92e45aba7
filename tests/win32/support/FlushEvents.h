// Draining the message queue before an assertion, so tests do not depend on
// timing.
#pragma once

#include <windows.h>

namespace wintest {

// Dispatches everything queued, then keeps waiting with
// MsgWaitForMultipleObjects (which lets Wine read pending X events) until
// the queue stays quiet for quietMs or budgetMs have passed in all.
void FlushEvents(DWORD budgetMs = 250, DWORD quietMs = 10);

// Dispatches one message the way FlushEvents does, so that recorders mark
// it as posted; for tests running their own loop.
void DispatchTracked(const MSG& msg);

// True while the message being handled is the one DispatchTracked hands out.
bool IsDispatchedNow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace wintest
