// Colour arithmetic of the skin drawing: mixing, saturation and gradients.
// Portable, so it is tested natively; system colours are resolved first.
#pragma once

#include <array>
#include <vector>

#include "toolkit/graphics/Colors.h"

// Mixes C1 and C2. Weights below 100 are percent of C1, from 100 on they are
// per mille (150 means 15 % of C1). Each channel is rounded half up.
TColor Blend(TColor c1, TColor c2, int weight);

// 0..255; 200 for colours with no channel above 159 (dark or muted ones).
int Saturation(TColor color);

using TGradient = std::vector<TColor>;

// The last sixteen gradients, reused in cyclic order, so that repainting the
// same gradient does not compute it again.
class TGradientCache {
 public:
  static constexpr int kSlots = 16;

  // An empty gradient when Length is below 1. The reference stays valid until
  // sixteen further gradients have been computed.
  const TGradient& Get(int length, TColor c1, TColor c2);
  int LastSlot() const { return last_; }

 private:
  struct TSlot {
    TGradient Colours;
    TColor First = 0;
    TColor Last = 0;
  };
  std::array<TSlot, kSlots> slots_;
  int next_ = 0;
  int last_ = -1;
};

// Entry i of a gradient of Length entries from C1 to C2 (plain RGB values).
TGradient ComputeGradient(int length, TColor c1, TColor c2);

// The process-wide cache that the drawing code shares.
const TGradient& GetGradient(int length, TColor c1, TColor c2);

// The part of a gradient that a clip box lets through: entries First..Last
// (Last < First when none) of a gradient of Extent entries starting at Start,
// for a clip running from ClipStart to ClipEnd (exclusive) on the same axis.
struct TGradientRun {
  int First = 0;
  int Last = -1;
};
TGradientRun GradientRunInClip(int start, int extent, int clipStart, int clipEnd);
