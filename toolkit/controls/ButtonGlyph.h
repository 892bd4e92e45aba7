// The picture and caption of glyph buttons and speed buttons: a strip of
// NumGlyphs equal cells (up, disabled, down, stays down) placed with the
// caption by Layout, Margin and Spacing.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "toolkit/core/ClassInfo.h"
#include "toolkit/core/SysUtils.h"
#include "toolkit/graphics/Bitmap.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// In the order of the cells of a glyph strip.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// "blGlyphLeft" ... for published Layout properties.
const TEnumInfo& ButtonLayoutInfo();

struct TGlyphPlacement {
  POINT Glyph{};
  POINT Text{};
};

// Margin -1 centres the pair (Spacing -1 too: glyph, gap and margin all
// equal); Spacing -1 with a margin puts the caption in the middle of what
// is left. A missing glyph or caption takes no spacing.
TGlyphPlacement PlaceGlyphAndText(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout,
                                  int margin, int spacing);

class TButtonGlyph {
 public:
  TButtonGlyph();
  ~TButtonGlyph();
  TButtonGlyph(const TButtonGlyph&) = delete;
  TButtonGlyph& operator=(const TButtonGlyph&) = delete;

  TBitmap* Glyph() const { return glyph_.get(); }
  // A strip of 1 to 4 square cells sets NumGlyphs to their count.
  void SetGlyph(TBitmap* value);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  // The size of one cell; (0, 0) without a glyph.
  SIZE CellSize() const;
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  // Both below -1 count as -1.
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);

  // Draws glyph and caption into the canvas's rectangle, moved by offset
  // (a pressed button's content shifts by a pixel). The text rectangle is
  // returned for a focus frame.
  RECT Draw(TCanvas& canvas, const RECT& client, POINT offset, const String& caption,
            TButtonState state);

  // A new glyph, cell count or placement.
  std::function<void()> OnChange;

 private:
  void DrawCell(HDC dc, POINT at, TButtonState state);
  void DrawEmbossed(HDC dc, POINT at, TBitmap& cell);

  std::unique_ptr<TBitmap> glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
};
