#pragma once
// The media player's button glyphs: nine small shapes, each enabled ("EN"),
// disabled ("DI") and coloured ("CL"), on olive, which the player leaves out
// when it draws them.
#include <string>
#include <vector>

#include "tools/skingen/Raster.h"

namespace skingen {

constexpr Rgb kGlyphOlive{128, 128, 0};

struct PlayerGlyph {
  std::string name;  // the resource name, "EN_MPPLAY"
  Image image;       // 9 x 9
};

// All 27, states in the order EN, DI, CL, buttons in the player's order.
std::vector<PlayerGlyph> PlayerGlyphs();

}  // namespace skingen
