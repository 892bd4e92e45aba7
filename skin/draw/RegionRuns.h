// The rectangles of a window region cut out of a bitmap: per row, every
// maximal run of pixels outside the key colour range. Portable, so the rule
// is tested natively; the Windows side turns the runs into a region.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/graphics/Colors.h"

struct TRunRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const TRunRect&) const = default;
};

// Per channel the key range runs from the key's value to that value plus the
// tolerance, capped at 255. A pixel is key only when all three channels are
// in range.
struct TKeyRange {
  int Low[3] = {};  // red, green, blue
  int High[3] = {};
  bool Contains(int red, int green, int blue) const;
};
TKeyRange MakeKeyRange(TColor key, int blueTolerance, int greenTolerance, int redTolerance);

// Pixels are 0x00RRGGBB (the memory order of a 32-bit DIB), rows top-down;
// the rectangles are offset by (x, y).
std::vector<TRunRect> NonKeyRuns(const std::uint32_t* pixels, int width, int height,
                                 const TKeyRange& key, int x, int y);
