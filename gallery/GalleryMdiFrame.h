// A raw Win32 MDI frame (DefFrameProc, an MDICLIENT) with two children
// (DefMDIChildProc) and a menu to arrange them, for looking at the skin on
// MDI windows.
#pragma once

#include <windows.h>

#include "toolkit/controls/MdiFrameWindows.h"

class TGalleryMdiFrame {
 public:
  TGalleryMdiFrame(int x, int y);

  HWND Frame() const { return windows_.Frame(); }
  // False once the user closed the frame.
  bool Alive() const { return IsWindow(windows_.Frame()) != FALSE; }

 private:
  TMdiFrameWindows windows_;
};
