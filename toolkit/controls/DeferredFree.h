// Freeing a control from inside its own handler chain: the chain must return
// first, hooks that run code after the saved handler (on WindowProc or on the
// window procedure) included.
#pragma once

#include <windows.h>

class TObject;

// Counts the toolkit message dispatches running on this thread.
class TDispatchScope {
 public:
  TDispatchScope();
  ~TDispatchScope();
  TDispatchScope(const TDispatchScope&) = delete;
  TDispatchScope& operator=(const TDispatchScope&) = delete;
};

// Queues the control to be freed from the application window's own message,
// which the message loop dispatches outside every window's handler chain;
// asking twice frees it once.
void FreeAfterDispatch(TObject* control);

// The application window's part: frees the queue when no toolkit dispatch
// runs on this thread (a modal loop inside a handler waits for it to end).
void FreeReleasedControls();

// A control freed by other means leaves the queue.
void ForgetPendingFree(TObject* control);

// The application window the queue posts CM_RELEASE to: the application
// installs a function that names it (nullptr: no such window, the queue is
// freed when the outermost dispatch returns).
using TReleaseWindowFunc = HWND (*)();
void SetReleaseWindow(TReleaseWindowFunc window);
