#include "skin/controls/SkinDrawing.h"

#include "skin/data/WinSkinData.h"
#include "skin/data/SkinFrameRules.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/ImgUtil.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/ScopedHandles.h"

void FillColour(HDC dc, const RECT& rect, TColor colour) {
  const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(colour))));
  FillRect(dc, &rect, brush.Get());
}

void FillFace(HDC dc, const RECT& rect, const TSkinData* skinData) {
  FillColour(dc, rect, skinData ? skinData->Skin().Colour(scButtonFace) : clBtnFace);
}

void FillParentColour(HDC dc, const RECT& rect, TControl* control, const TSkinData* skinData) {
  TWinControl* parent = control ? control->Parent() : nullptr;
  if (parent && PropType(parent, "Color") == tkInteger) {
    FillColour(dc, rect, static_cast<TColor>(GetOrdProp(parent, "Color")));
    return;
  }
  FillFace(dc, rect, skinData);
}

bool UsableStrip(const TBitmap& strip, int cells) {
  return !strip.Empty() && strip.Height() > 0 && strip.Width() / FrameCountOf(cells) > 0;
}

bool UsablePicture(const TDataSkinObject* element) {
  return element && UsableStrip(*element->Image, element->Frame);
}

void DrawElementFrame(HDC dc, const TDataSkinObject& element, const RECT& rect, int frame) {
  if (rect.right < rect.left || rect.bottom < rect.top) return;
  if (element.Image->Width() <= 0 || element.Image->Height() <= 0) return;
  const RECT margins = element.Margins();
  DrawFramedImage(dc, rect, *element.Image, false, element.Tile != 0, element.Trans == 1,
                  element.Frame, frame, margins);
}

void DrawStripCell(HDC dc, TBitmap& strip, int cells, int cell, const RECT& rect) {
  if (strip.Width() <= 0 || strip.Height() <= 0) return;
  DrawStretchedFrame(dc, rect, strip, true, cells, cell);
}

// Centred text is placed by its measured size; left and right text keep
// the panel's width and are only centred vertically.
void DrawPanelText(HDC dc, const RECT& rect, const WideString& text, UINT alignment,
                   UINT readingFlags) {
  RECT measured = rect;
  DrawSkinText(dc, text, measured, alignment | DT_CALCRECT | DT_NOCLIP);
  const int textWidth = measured.right - measured.left;
  const int textHeight = measured.bottom - measured.top;
  const int freeWidth = (rect.right - rect.left) - textWidth;
  const int top = rect.top + ((rect.bottom - rect.top) - textHeight) / 2 - 1;
  RECT place{rect.left, top, rect.right, top + textHeight};
  if (alignment & DT_CENTER) {
    place.left = rect.left + freeWidth / 2;
    place.right = place.left + textWidth;
  }
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  DrawSkinText(dc, text, place, alignment | DT_EXPANDTABS | readingFlags);
  SetBkMode(dc, oldMode);
}
