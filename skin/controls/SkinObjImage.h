// TSkinObjImage: check boxes and radio buttons of other libraries that draw
// themselves from a glyph strip of their own. We paint nothing; the strip
// is rebuilt from the skin's check or radio cells and handed to the control.
#pragma once

#include "skin/controls/SkinControl.h"

class TBitmap;

// Which strip a control takes: 1 a nine-cell check strip in "CustomGlyphs",
// 2 a six-cell radio strip there, 3 a six-cell check strip in the "Glyph"
// of the control's "Properties" object.
enum TObjImageVariant : int { oiCheckGlyphs = 1, oiRadioGlyphs = 2, oiPropertiesGlyph = 3 };

// The variant's strip, cells as wide and high as the source's, assembled
// from a source strip of sourceCells side-by-side cells; cells the source
// does not fill stay magenta. False, and the strip left alone, when the
// source is empty or the variant unknown.
bool AssembleGlyphStrip(TBitmap& source, int sourceCells, int variant, TBitmap& strip);

class TSkinObjImage : public TSkinControl {
  TAPVANE_CLASS(TSkinObjImage)
 public:
  using TSkinControl::TSkinControl;

  // Our own attach: the control keeps its message handler and its colour.
  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  void Unskin() override;
  void SkinChange() override;

  int Variant = oiCheckGlyphs;

 private:
  void HandOverStrip();
};
