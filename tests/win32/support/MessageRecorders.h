// Recorders that append what a window receives to a MessageLog.
#pragma once

#include <windows.h>

#include <memory>

#include "tests/win32/support/MessageSequence.h"
#include "toolkit/controls/Controls.h"

namespace wintest {

// Subclasses any window (toolkit control or not, the parent included) and
// records every message before passing it to the procedure it replaced.
// Installed before somebody else subclasses the window, it records exactly
// what that newcomer hands to its previous procedure. Several recorders may
// sit on one window. The destructor puts the old procedure back only while
// ours is still current; otherwise it stays in the chain and only forwards.
class WindowProcRecorder {
 public:
  // extraFlags (parent, say) are added to every entry recorded.
  WindowProcRecorder(MessageLog& log, HWND window, unsigned extraFlags = 0);
  ~WindowProcRecorder();
  WindowProcRecorder(const WindowProcRecorder&) = delete;
  WindowProcRecorder& operator=(const WindowProcRecorder&) = delete;

  struct Link;

 private:
  std::unique_ptr<Link> link_;
};

// Records what a toolkit control's WindowProc sees, then calls the handler
// it replaced; the destructor puts that handler back (undo in reverse order).
class ControlRecorder {
 public:
  ControlRecorder(MessageLog& log, TControl& control, unsigned extraFlags = 0);
  ~ControlRecorder();
  ControlRecorder(const ControlRecorder&) = delete;
  ControlRecorder& operator=(const ControlRecorder&) = delete;

 private:
  TControl& control_;
  TWndMethod saved_;
};

// A plain window of our own class whose procedure records and then calls
// DefWindowProcW.
class RecordingWindow {
 public:
  struct Params {
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    RECT bounds{100, 100, 400, 300};
    const wchar_t* text = L"Recording";
    unsigned extraFlags = 0;
  };
  RecordingWindow(MessageLog& log, const Params& params);
  ~RecordingWindow();
  RecordingWindow(const RecordingWindow&) = delete;
  RecordingWindow& operator=(const RecordingWindow&) = delete;
  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  MessageLog& log_;
  unsigned extraFlags_;
  HWND window_ = nullptr;
};

// The sent/posted/defwinproc flags of a message arriving now.
unsigned ArrivalFlags(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace wintest
