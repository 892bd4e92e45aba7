// Bitmap transformations, colour helpers, gradients, regions and wide text
// for the skin drawing.
#pragma once

#include <windows.h>

#include "skin/draw/ColourArithmetic.h"
#include "toolkit/graphics/Bitmap.h"

// Converts to 24 bits per pixel; every pure magenta pixel takes the colour
// (system colours resolved).
void ReplaceColour(TBitmap& bitmap, TColor colour);
// Each row reversed; the result has 24 bits per pixel.
void MirrorHorz(TBitmap& bitmap);
// The rows in reverse order; the pixel format is kept.
void FlipVert(TBitmap& bitmap);
// 90 degrees counter-clockwise: new (y, W - 1 - x) = old (x, y); 24 bits.
void RotateLeft(TBitmap& bitmap);
// 90 degrees clockwise: new (H - 1 - y, x) = old (x, y); 24 bits.
void RotateRight(TBitmap& bitmap);

// One-pixel strips from C1 to C2 across the rectangle, only those inside the
// DC's clip box; vertical runs top to bottom.
void GradientFill(HDC dc, const RECT& rect, TColor c1, bool vertical, TColor c2);

// The region of the bitmap's non-key pixels, offset by (x, y); the caller
// owns it. Never null: an empty region when every pixel is key.
HRGN RegionFromBitmap(TBitmap& bitmap, int x, int y, int blueTolerance, int greenTolerance,
                      int redTolerance, TColor key);

// DrawTextW of the whole text; returns the height of the text drawn.
int DrawSkinText(HDC dc, const WideString& text, RECT& rect, UINT format);
// Text in the system's ANSI code page to UTF-16.
WideString AnsiToWide(const std::string& text);
