// Pixels of a bitmap read, copied and filled in memory, straight on the DIB
// bits. Under Wine every fresh DC costs a round trip to the server and every
// font selected into one a round trip to the display, so work that only
// moves pixels (the images made while a skin loads) is done here. The
// results are what GetPixel, BitBlt SRCCOPY, MaskBlt with a colour mask and
// a solid FillRect give; formats read in memory are 1, 4, 8, 24 and 32 bits
// per pixel, and GDI does the rest.
#pragma once

#include <windows.h>

#include <optional>

#include "toolkit/graphics/Bitmap.h"

// The colour of pixel (x, y) as GetPixel reports it; CLR_INVALID outside.
TColor ReadPixel(TBitmap& bitmap, int x, int y);

// Copies the source rectangle `from` unscaled to (x, y) of dest, clipped to
// both bitmaps. With a key, source pixels of that colour leave the
// destination as it was.
void CopyPixels(TBitmap& dest, int x, int y, TBitmap& source, const RECT& from,
                std::optional<TColor> key = std::nullopt);

// Fills the rectangle, clipped to the bitmap, with one colour. A rectangle
// given right to left or bottom to top covers what FillRect covers then.
void FillPixels(TBitmap& dest, const RECT& rect, TColor colour);
