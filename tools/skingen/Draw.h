#pragma once
// Drawing helpers shared by the element painters: framed boxes, arrows and
// the small glyphs of caption buttons.
#include <string>
#include <vector>

#include "tools/skingen/Raster.h"

namespace skingen {

// One bitmap file of the skin package.
struct SkinFile {
  std::string name;
  Image image;
};

// A rounded box with a one-pixel border.
void DrawBox(Layer& layer, double left, double top, double right, double bottom, double radius,
             Rgb border, Rgb fill);

enum class Direction { Left, Right, Up, Down };

// A chevron arrow centred on (cx, cy); size is its long side in pixels.
void DrawChevron(Layer& layer, double cx, double cy, double size, Direction direction, Rgb colour,
                 double halfWidth = 0.8);

enum class CaptionGlyph { Close, Maximise, Restore, Minimise, Help };

// A caption glyph fitting a square of the given size whose top-left is (x, y).
void DrawCaptionGlyph(Layer& layer, CaptionGlyph glyph, double x, double y, double size,
                      Rgb colour);

Box Whole(const Layer& layer);

}  // namespace skingen
