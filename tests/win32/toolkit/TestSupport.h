// Shared helpers of the toolkit tests: the toolkit set up, event flushing
// and pixels read back from a DIB section (messages are recorded with the
// shared recorders included here).
#pragma once

#include <windows.h>

#include "tests/win32/graphics/Pixels.h"
#include "tests/win32/support/FlushEvents.h"
#include "tests/win32/support/MessageRecorders.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Controls.h"

// Handles everything queued, so that assertions do not depend on timing
// (the shared flush, which also waits a little for X events).
inline void FlushEvents() { wintest::FlushEvents(); }

// Toolkit set up once per test program.
void EnsureToolkit();

// A 32-bit top-down DIB section selected into a memory DC.
class DibSurface {
 public:
  DibSurface(int width, int height);
  ~DibSurface();
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  HDC dc() const { return dc_; }
  // 0x00RRGGBB as stored in the DIB.
  unsigned Pixel(int x, int y) const;
  void Fill(COLORREF color);

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  unsigned* bits_ = nullptr;
};

// COLORREF (0x00BBGGRR) as a DIB pixel (0x00RRGGBB).
unsigned DibColor(COLORREF color);

// The shared pixel helpers by their short names: colours as DIB pixels,
// the solid test strips, counting pixels or text ink on a surface.
using pixels::CountInk;
using pixels::CountPixels;
using pixels::CountPixelsIf;
using pixels::Dib;
using pixels::Frame;
using pixels::FrameColour;
using pixels::MakeStrip;
using pixels::ResolvedDib;
