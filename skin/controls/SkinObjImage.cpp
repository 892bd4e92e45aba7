#include "skin/controls/SkinObjImage.h"

#include <algorithm>
#include <span>
#include <utility>

#include "skin/core/SkinControlHost.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

// Target cell <- source cell, counted from 1.
using TCellMap = std::pair<int, int>;

constexpr TCellMap kCheckGlyphs[] = {{1, 1}, {2, 2}, {4, 1}, {5, 2}, {7, 3}, {8, 4}};
constexpr TCellMap kCheckGlyphsFromFive[] = {{3, 5}, {6, 5}, {9, 5}};
constexpr TCellMap kRadioGlyphs[] = {{1, 1}, {2, 2}, {3, 1}, {4, 2}, {5, 3}, {6, 4}};
constexpr TCellMap kPropertiesGlyph[] = {{1, 1}, {2, 2}, {4, 1}, {5, 2}};
constexpr TCellMap kPropertiesGlyphFromFive[] = {{3, 5}, {6, 5}};

// A five-cell check strip carries a mixed cell, which the wider strips
// repeat for each of their states.
constexpr int kMixedSourceCells = 5;

struct TStripPlan {
  int Cells = 0;
  std::span<const TCellMap> Always;
  std::span<const TCellMap> FromFive;
};

TStripPlan PlanOf(int variant) {
  switch (variant) {
    case oiCheckGlyphs:
      return {9, kCheckGlyphs, kCheckGlyphsFromFive};
    case oiRadioGlyphs:
      return {6, kRadioGlyphs, {}};
    case oiPropertiesGlyph:
      return {6, kPropertiesGlyph, kPropertiesGlyphFromFive};
    default:
      return {};
  }
}

void CopyCells(TBitmap& source, int sourceCells, TBitmap& strip, std::span<const TCellMap> cells,
               SIZE cell) {
  for (const auto& [target, from] : cells) {
    if (from > sourceCells) continue;
    BitBlt(strip.PixelDC(), (target - 1) * cell.cx, 0, cell.cx, cell.cy, source.PixelDC(),
           (from - 1) * cell.cx, 0, SRCCOPY);
  }
}

TBitmap* BitmapProp(TObject* owner, const String& name) {
  return dynamic_cast<TBitmap*>(GetObjectProp(owner, name, &TBitmap::StaticClass()));
}

// The bitmap property of owner made a copy of value: through the property's
// setter when it has one (the control then hears of it), else in place.
void AssignBitmapProp(TObject* owner, const String& name, TBitmap& value) {
  if (SetObjectProp(owner, name, &value)) return;
  if (TBitmap* held = BitmapProp(owner, name)) held->Assign(&value);
}

}  // namespace

bool AssembleGlyphStrip(TBitmap& source, int sourceCells, int variant, TBitmap& strip) {
  const TStripPlan plan = PlanOf(variant);
  if (plan.Cells == 0 || source.Empty()) return false;
  sourceCells = std::max(sourceCells, 1);
  const SIZE cell{source.Width() / sourceCells, source.Height()};
  if (cell.cx <= 0) return false;
  strip.SetPixelFormat(pf24bit);
  strip.SetSize(cell.cx * plan.Cells, cell.cy);
  const RECT whole{0, 0, strip.Width(), strip.Height()};
  strip.Canvas().Brush().SetColor(clFuchsia);
  strip.Canvas().FillRect(whole);
  CopyCells(source, sourceCells, strip, plan.Always, cell);
  if (sourceCells == kMixedSourceCells) CopyCells(source, sourceCells, strip, plan.FromFive, cell);
  GdiFlush();
  return true;
}

const TClassInfo& TSkinObjImage::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinObjImage>("TSkinObjImage", &TSkinControl::StaticClass()).Build();
  return info;
}

void TSkinObjImage::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool /*changeColor*/,
                             TCanvas* canvas) {
  if (Attached || !Control) return;
  SkinData = skinData;
  Form = form;
  Canvas = canvas;
  if (auto* windowed = dynamic_cast<TWinControl*>(Control);
      windowed && windowed->HandleAllocated()) {
    Handle = windowed->Handle();
  }
  if (Form) Form->AddSkinObject(this);
  HandOverStrip();
  Attached = true;
  State = scsAttached;
}

void TSkinObjImage::SkinChange() { HandOverStrip(); }

void TSkinObjImage::HandOverStrip() {
  if (!Active || !SkinData || !Control || !SkinData->Skin().Buttons) return;
  const TDataSkinButton& buttons = *SkinData->Skin().Buttons;
  const bool radio = Variant == oiRadioGlyphs;
  TBitmap& source = radio ? *buttons.RadioImage : *buttons.CheckImage;
  TBitmap strip;
  if (!AssembleGlyphStrip(source, radio ? buttons.RadioButtonFrame : buttons.CheckButtonFrame,
                          Variant, strip)) {
    return;
  }
  if (Variant == oiPropertiesGlyph) {
    TObject* properties = GetObjectProp(Control, "Properties");
    AssignBitmapProp(properties, "Glyph", strip);
    if (TBitmap* glyph = BitmapProp(properties, "Glyph")) {
      glyph->SetTransparentColor(clFuchsia);
      glyph->SetTransparent(false);
    }
    return;
  }
  AssignBitmapProp(Control, "CustomGlyphs", strip);
  SetPropFromText(Control, "transparentcolor", IntToStr(clFuchsia));
  // Switched off first, so that the control takes the new strip even when
  // it was using custom glyphs already.
  SetPropFromText(Control, "UseCustomGlyphs", "false");
  SetPropFromText(Control, "UseCustomGlyphs", "true");
}

void TSkinObjImage::Unskin() {
  if (!Active) return;
  TSkinControl::Unskin();
  if (!Control || ControlDying()) return;
  if (Variant == oiPropertiesGlyph) {
    TBitmap empty;
    AssignBitmapProp(GetObjectProp(Control, "Properties"), "Glyph", empty);
  } else {
    SetPropFromText(Control, "UseCustomGlyphs", "false");
  }
}
