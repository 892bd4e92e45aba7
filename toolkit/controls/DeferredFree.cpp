#include "toolkit/controls/DeferredFree.h"

#include <algorithm>
#include <vector>

#include "toolkit/controls/Messages.h"
#include "toolkit/core/Object.h"

namespace {

thread_local int dispatchDepth = 0;
thread_local std::vector<TObject*> pendingFree;
// The queue waits for a message to the application window (or, without one
// on this thread, for the outermost dispatch to return).
thread_local bool posted = false;

TReleaseWindowFunc releaseWindow = nullptr;

bool PostToApplication() {
  if (!releaseWindow) return false;
  const HWND window = releaseWindow();
  if (!window) return false;
  if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
  return PostMessageW(window, CM_RELEASE, 0, 0) != FALSE;
}

void FreeQueue() {
  // Counted as a dispatch: messages sent while a control goes do not free
  // the rest of the queue from inside this loop.
  ++dispatchDepth;
  while (!pendingFree.empty()) {
    TObject* object = pendingFree.back();
    pendingFree.pop_back();
    object->BeforeDestruction();
    delete object;
  }
  --dispatchDepth;
}

}  // namespace

TDispatchScope::TDispatchScope() { ++dispatchDepth; }

TDispatchScope::~TDispatchScope() {
  if (--dispatchDepth != 0 || pendingFree.empty() || posted) return;
  // The application window's message came during a modal loop, or there is
  // no application window: ask again, or free now as the last resort.
  posted = PostToApplication();
  if (!posted) FreeQueue();
}

void FreeAfterDispatch(TObject* control) {
  if (std::find(pendingFree.begin(), pendingFree.end(), control) == pendingFree.end()) {
    pendingFree.push_back(control);
  }
  if (!posted) posted = PostToApplication();
  if (!posted && dispatchDepth == 0) FreeQueue();
}

void FreeReleasedControls() {
  posted = false;
  if (dispatchDepth == 0) FreeQueue();
}

void ForgetPendingFree(TObject* control) { std::erase(pendingFree, control); }

void SetReleaseWindow(TReleaseWindowFunc window) { releaseWindow = window; }
