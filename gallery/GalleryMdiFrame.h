// A raw Win32 MDI frame (DefFrameProc, an MDICLIENT) with two children
// (DefMDIChildProc), for looking at the skin on MDI windows.
#pragma once

#include <windows.h>

#include <array>

class TGalleryMdiFrame {
 public:
  TGalleryMdiFrame(int x, int y);
  ~TGalleryMdiFrame();
  TGalleryMdiFrame(const TGalleryMdiFrame&) = delete;
  TGalleryMdiFrame& operator=(const TGalleryMdiFrame&) = delete;

  HWND Frame() const { return frame_; }
  // False once the user closed the frame.
  bool Alive() const { return IsWindow(frame_) != FALSE; }

 private:
  HWND frame_ = nullptr;
  HWND client_ = nullptr;
  std::array<HWND, 2> children_{};
};
