// Drawing operations the skinned-control classes share: fills in the skin's
// or the parent's colour, one frame of an element, one cell of a strip.
#pragma once

#include <windows.h>

#include "toolkit/core/SysUtils.h"
#include "toolkit/graphics/Colors.h"

class TBitmap;
class TControl;
class TDataSkinObject;
class TSkinData;

void FillColour(HDC dc, const RECT& rect, TColor colour);
// The skin's "ButtonFace".
void FillFace(HDC dc, const RECT& rect, const TSkinData* skinData);
// The parent control's "Color", or "ButtonFace" without a parent or colour.
void FillParentColour(HDC dc, const RECT& rect, TControl* control, const TSkinData* skinData);

// Whether an element can be drawn: the skin gave it, with an image that
// holds at least one pixel in each of its frames (side by side). A missing,
// unreadable or too small image cannot, and the control it was for keeps
// the system's own look.
bool UsablePicture(const TDataSkinObject* element);
bool UsableStrip(const TBitmap& strip, int cells);

// Frame n (from 1) of the element's strip composed into rect with its
// margins and tile mode; magenta left out when the element says Trans=1.
// Nothing for an inverted rectangle or an element without an image.
void DrawElementFrame(HDC dc, const TDataSkinObject& element, const RECT& rect, int frame);

// Cell n (from 1) of a strip of `cells` equal cells stretched to rect with
// magenta transparent.
void DrawStripCell(HDC dc, TBitmap& strip, int cells, int cell, const RECT& rect);

// Text in a panel-like box on a transparent background: DT_CENTER text is
// placed by its measured size, left and right text keep the box's width;
// either is centred vertically, one pixel up.
void DrawPanelText(HDC dc, const RECT& rect, const WideString& text, UINT alignment,
                   UINT readingFlags);
