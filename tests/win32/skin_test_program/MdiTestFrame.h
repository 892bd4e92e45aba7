// A raw Win32 MDI frame (DefFrameProc, an MDICLIENT) with two MDI children
// (DefMDIChildProc): the MDI paths of window skinning without the toolkit.
#pragma once

#include <windows.h>

#include <array>

class TMdiTestFrame {
 public:
  TMdiTestFrame(int x, int y);
  ~TMdiTestFrame();
  TMdiTestFrame(const TMdiTestFrame&) = delete;
  TMdiTestFrame& operator=(const TMdiTestFrame&) = delete;

  HWND Frame() const { return frame_; }
  HWND Client() const { return client_; }
  const std::array<HWND, 2>& Children() const { return children_; }

 private:
  HWND frame_ = nullptr;
  HWND client_ = nullptr;
  std::array<HWND, 2> children_{};
};
