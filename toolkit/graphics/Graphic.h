// The common face of bitmaps, icons and JPEG images.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "toolkit/core/Events.h"
#include "toolkit/core/Persistent.h"
#include "toolkit/core/Streams.h"

class TCanvas;

class TGraphic : public TPersistent {
  TAPVANE_CLASS(TGraphic)
 public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Untrusted bytes: anything unreadable leaves the graphic empty.
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  // Draws into the rectangle of the canvas, stretched to it.
  virtual void Draw(TCanvas& canvas, const RECT& rect) = 0;

  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool transparent);

  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }

 private:
  bool transparent_ = false;
};

// The rest of a stream, or nothing when it holds more than maxBytes: graphics
// read untrusted streams whole and refuse what no picture of ours needs.
std::vector<std::uint8_t> ReadRemaining(TStream& stream, std::int64_t maxBytes);
