// A raw Win32 MDI frame (DefFrameProc, an MDICLIENT) with two MDI children
// (DefMDIChildProc): the MDI paths of window skinning without the toolkit.
#pragma once

#include <windows.h>

#include <array>

#include "toolkit/controls/MdiFrameWindows.h"

class TMdiTestFrame {
 public:
  TMdiTestFrame(int x, int y);

  HWND Frame() const { return windows_.Frame(); }
  HWND Client() const { return windows_.Client(); }
  const std::array<HWND, 2>& Children() const { return windows_.Children(); }

 private:
  TMdiFrameWindows windows_;
};
