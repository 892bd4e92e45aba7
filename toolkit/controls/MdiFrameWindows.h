// A raw Win32 MDI frame (DefFrameProc, an MDICLIENT filling it) with two MDI
// children (DefMDIChildProc), made without the toolkit: the programs that
// show the skin on MDI windows, and their tests, make theirs here.
#pragma once

#include <windows.h>

#include <array>

struct TMdiFrameArgs {
  const wchar_t* FrameClass = nullptr;
  const wchar_t* ChildClass = nullptr;
  // MdiFrameProc, or a procedure that handles more and ends in it.
  WNDPROC FrameProcedure = nullptr;
  const wchar_t* Title = L"";
  POINT Origin{};
  SIZE Size{};
  // The frame's menu bar, if any; destroyed here when the frame cannot be made.
  HMENU Menu = nullptr;
  SIZE ChildSize{};
  std::array<const wchar_t*, 2> ChildTitles{};
};

// DefFrameProc with the client of a frame made by TMdiFrameWindows.
LRESULT CALLBACK MdiFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The MDI client of such a frame; nullptr once it is gone.
HWND MdiClientOf(HWND frame);

class TMdiFrameWindows {
 public:
  // Throws std::runtime_error when a window cannot be made.
  explicit TMdiFrameWindows(const TMdiFrameArgs& args);
  ~TMdiFrameWindows();
  TMdiFrameWindows(const TMdiFrameWindows&) = delete;
  TMdiFrameWindows& operator=(const TMdiFrameWindows&) = delete;

  HWND Frame() const { return frame_; }
  HWND Client() const { return client_; }
  const std::array<HWND, 2>& Children() const { return children_; }

 private:
  HWND frame_ = nullptr;
  HWND client_ = nullptr;
  std::array<HWND, 2> children_{};
};
