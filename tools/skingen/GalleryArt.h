#pragma once
// Glyphs the skin gallery puts on its glyph and speed buttons, so that a
// skin author sees which cell of a strip each button state draws.
#include "tools/skingen/Bmp.h"

namespace skingen {

// 16 x 16, one cell: a green check mark on magenta (the transparent colour).
Bytes GalleryCheckGlyph();
// 64 x 16, four cells in the order buttons use them: up, disabled, down and
// held down, each a disc of its own colour with the cell's number in dots.
Bytes GalleryStateGlyphs();

}  // namespace skingen
