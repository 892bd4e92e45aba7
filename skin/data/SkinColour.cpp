#include "skin/data/SkinColour.h"

#include <array>

TColor ParseSkinColour(std::string_view text) {
  std::array<int, 3> channels{};
  int taken = 0;
  int value = 0;  // kept modulo 256 so that any run length is safe
  bool inRun = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      value = (value * 10 + (c - '0')) % 256;
      inRun = true;
      continue;
    }
    if (inRun) {
      if (taken < 3) channels[taken] = value;
      ++taken;
    }
    inRun = false;
    value = 0;
  }
  if (inRun && taken == 2) channels[2] = value;
  return RGBColor(channels[0], channels[1], channels[2]);
}

TColor ParseSkinColourOr(std::string_view text, TColor defaultColour) {
  return text.empty() ? defaultColour : ParseSkinColour(text);
}
