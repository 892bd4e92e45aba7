// Shared helpers of the toolkit tests: message recording, event flushing and
// pixels read back from a DIB section.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/win32/support/FlushEvents.h"
#include "tests/win32/support/MessageRecorders.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/controls/MessageNames.h"

// Handles everything queued, so that assertions do not depend on timing
// (the shared flush, which also waits a little for X events).
inline void FlushEvents() { wintest::FlushEvents(); }

// Toolkit set up once per test program.
void EnsureToolkit();

// The message numbers a control's WindowProc sees (the shared recorder,
// reduced to numbers); the destructor puts the replaced handler back.
class MessageRecorder {
 public:
  explicit MessageRecorder(TControl& control);
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  std::vector<UINT> Messages() const;
  void Clear() { log_.Clear(); }
  bool Saw(UINT msg) const { return log_.Saw(msg); }
  int Count(UINT msg) const { return log_.Count(msg); }

 private:
  wintest::MessageLog log_;
  wintest::ControlRecorder recorder_;
};

// One expected message; an optional one may be missing from the sequence.
struct ExpectedMessage {
  UINT msg;
  bool optional = false;
};

// Empty when actual follows expected (optional entries may be absent, and
// messages not listed in filter are ignored); else a readable difference.
std::string CompareSequence(const std::vector<UINT>& actual,
                            const std::vector<ExpectedMessage>& expected,
                            const std::vector<UINT>& filter);
std::string SequenceText(const std::vector<UINT>& messages);

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
