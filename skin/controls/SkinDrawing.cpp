#include "skin/controls/SkinDrawing.h"

#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
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
