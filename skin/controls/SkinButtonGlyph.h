// What glyph buttons and speed buttons share: which cell of a glyph strip a
// state shows, where glyph and caption go for a layout, margin and spacing,
// and the drawing of a cell (transparent, or embossed when disabled).
#pragma once

#include <windows.h>

class TBitmap;
class TObject;

enum TSkinGlyphLayout : int { sglLeft = 0, sglRight = 1, sglTop = 2, sglBottom = 3 };

// "blGlyphRight" and the like (any case); anything else is left.
TSkinGlyphLayout SkinGlyphLayoutOf(const char* text);

// The cell (from 1) of a strip of numGlyphs cells: disabled 2, down 4,
// pressed 3, otherwise 1; a cell the strip does not have falls back to 1.
int GlyphCellFor(int numGlyphs, bool disabled, bool pressed, bool down);

struct TGlyphLayoutInput {
  SIZE Client{};
  SIZE Glyph{};
  SIZE Text{};
  TSkinGlyphLayout Layout = sglLeft;
  int Margin = -1;
  int Spacing = -1;
  // "Alignment" reads taCenter: centred as with Margin -1.
  bool Centred = false;
  // Speed buttons sit one pixel further in when centred with a spacing.
  bool SpeedButton = false;
};

struct TGlyphPlace {
  POINT Glyph{};
  POINT Text{};
  UINT TextFlags = DT_WORDBREAK;
};

TGlyphPlace PlaceSkinGlyph(const TGlyphLayoutInput& in);

// Layout, Margin and Spacing as the button publishes them, for a client and
// a glyph of these sizes; the caption's size is left to the caller.
TGlyphLayoutInput ReadGlyphLayout(TObject* button, SIZE client, SIZE glyph);

// Cell n (from 1) of a strip of `cells` cells drawn at `at` in its own
// size, the cell's bottom-left colour left out.
void DrawGlyphCell(HDC dc, TBitmap& strip, int cells, int cell, POINT at);
// The picture's outline of a one-cell glyph, in the highlight one pixel
// down and right, then in the shadow over it.
void DrawEmbossedGlyph(HDC dc, TBitmap& glyph, POINT at);
