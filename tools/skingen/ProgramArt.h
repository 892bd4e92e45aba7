#pragma once
// The program's own pictures: the menu glyph strip, the built-in track
// channels, the window icon and the banner's background.
#include "tools/skingen/Bmp.h"

namespace skingen {

Bytes MenuGlyphBitmap();      // LUMBRAMENU: 64 x 16, 1 bit
Bytes TrackBitmap();          // TRACK: 16 x 4, 16 colours
Bytes TrackVertBitmap();      // TRACKVERT: 4 x 16, 16 colours
Image IconImage();            // 16 x 16; magenta outside the shape
Bytes IconFile(const Image& icon);  // one 16 x 16 image of 256 colours
Image BannerBackground();     // 347 x 81, text is added afterwards

const std::vector<Rgb>& StandardPalette16();

}  // namespace skingen
