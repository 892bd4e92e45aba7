// Framed skin images: a bitmap of Count equal frames (numbered from 1) drawn
// as a nine-slice or three-slice grid, tiled or stretched, optionally with
// magenta left out. Margins are a RECT of widths: left, top, right, bottom.
#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/graphics/Bitmap.h"

// A new bitmap of the destination's size (only the size of dest counts).
std::unique_ptr<TBitmap> ComposeFramedImage(const RECT& dest, TBitmap& source, const RECT& margins,
                                            bool vertical, bool tile, int count, int index);

// ComposeFramedImage put at dest; nothing for an inverted rectangle.
void DrawFramedImage(HDC dc, const RECT& dest, TBitmap& source, bool vertical, bool tile,
                     bool transparent, int count, int index, const RECT& margins);

// Left piece, repeated middle piece, right piece (margins' Left and Right).
void DrawHorzBand(TCanvas& canvas, const RECT& dest, TBitmap& source, bool vertical,
                  bool transparent, int count, int index, const RECT& margins);

// Left piece, stretched middle piece, right piece, straight to the DC.
void StretchHorzBand(HDC dc, const RECT& dest, TBitmap& source, bool vertical, int count, int index,
                     const RECT& margins);

// One frame of a horizontal strip stretched to dest.
void DrawStretchedFrame(HDC dc, const RECT& dest, TBitmap& source, bool transparent, int count,
                        int index);

// One frame of a horizontal strip, unscaled, centred in dest.
void DrawCentredFrame(HDC dc, const RECT& dest, TBitmap& source, bool transparent, int count,
                      int index);

// The source piece repeated over dest, column by column; the last tiles may
// run past dest's right and bottom edges.
void DrawTiled(TCanvas& canvas, const RECT& dest, TBitmap& source, const RECT& sourceRect);

// The bitmap at dest's origin, dest's size, with the colour left out.
void DrawTransparent(HDC dc, const RECT& dest, TBitmap& source, TColor transparentColour);
