// TSkinBitButton: buttons with a glyph, drawn from the skin's "Buttons"
// frames with the glyph cell for the state and the caption placed by
// Layout, Margin and Spacing.
#pragma once

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinButtonGlyph.h"

class TGraphic;
class TImageList;

class TSkinBitButton : public TSkinButton {
  TAPVANE_CLASS(TSkinBitButton)
 public:
  using TSkinButton::TSkinButton;

  void DrawControl(HDC dc, const RECT& rect) override;

  // A graphic property drawn in place of the glyph strip ("PngImage").
  String GlyphProperty;

 protected:
  // What both glyph buttons and speed buttons read off the control.
  struct TGlyphSource {
    TBitmap* Strip = nullptr;
    TGraphic* Picture = nullptr;  // GlyphProperty's graphic
    // Without a strip: an image of the control's image list.
    TImageList* Images = nullptr;
    int ImageIndex = -1;
    int DisabledIndex = -1;
    int NumGlyphs = 1;
    SIZE Size{};  // one cell, or the picture
  };
  TGlyphSource ReadGlyph(TControl* source) const;
  // Caption size for the layout, measured in the client less the glyph.
  SIZE MeasureCaption(HDC dc, const WideString& lines, SIZE client, SIZE glyph,
                      TSkinGlyphLayout layout) const;
  // Glyph and caption into the composed face; cell is the strip's cell
  // for the state (a one-cell strip on a disabled button is embossed).
  void DrawGlyphAndCaption(HDC dc, const TGlyphSource& glyph, const TGlyphPlace& place,
                           const WideString& lines, SIZE text, int cell, bool disabled);

 private:
  static void DrawListImage(HDC dc, const TGlyphSource& glyph, POINT at, bool enabled);
};
