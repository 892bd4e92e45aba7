// How an owner-drawn menu item measures and paints itself when nobody
// installed handlers: close to the system's own look, with the image list.
#include <algorithm>

#include "toolkit/controls/Menus.h"
#include "toolkit/controls/WideText.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImageList.h"

namespace {

constexpr int SeparatorHeight = 8;
constexpr int GlyphGap = 3;      // between the glyph box and the caption
constexpr int ShortCutGap = 16;  // between the caption and the shortcut text
constexpr int ShortCutRightMargin = 10;
constexpr int BarItemPadding = 8;

SIZE TextSize(HDC dc, const std::wstring& text) {
  RECT rect{0, 0, 0, 0};
  if (!text.empty())
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void UseBoldWhenDefault(TCanvas& canvas, bool isDefault) {
  if (!isDefault) return;
  TFontStyles style = canvas.Font().Style();
  style.Include(fsBold);
  canvas.Font().SetStyle(style);
}

void DrawCheckMark(HDC dc, const RECT& box, COLORREF color) {
  const int x = box.left + (box.right - box.left) / 2 - 3;
  const int y = box.top + (box.bottom - box.top) / 2 - 1;
  const TPenHandle pen(CreatePen(PS_SOLID, 1, color));
  const HGDIOBJ old = SelectObject(dc, pen.Get());
  for (int row = 0; row < 3; ++row) {
    MoveToEx(dc, x, y + row, nullptr);
    LineTo(dc, x + 2, y + 2 + row);
    LineTo(dc, x + 7, y - 3 + row);
  }
  SelectObject(dc, old);
}

}  // namespace

void TMenuItem::DefaultMeasure(TCanvas& canvas, int& width, int& height) {
  if (IsLine()) {
    width = 0;
    height = SeparatorHeight;
    return;
  }
  UseBoldWhenDefault(canvas, default_);
  const HDC dc = canvas.Handle();
  const SIZE caption = TextSize(dc, ToWide(caption_));
  if (IsBarItem()) {
    width = caption.cx + BarItemPadding;
    height = std::max<int>(caption.cy, GetSystemMetrics(SM_CYMENU));
    return;
  }
  TImageList* images = Images();
  const int glyph = std::max(16, images ? images->Width() : 0);
  const SIZE keys = TextSize(dc, ToWide(ShortCutToText(shortCut_)));
  width = 1 + glyph + GlyphGap + caption.cx + (keys.cx > 0 ? ShortCutGap + keys.cx : 0) +
          ShortCutRightMargin;
  height = std::max<int>(caption.cy + 4, (images ? images->Height() : 16) + 2);
}

void TMenuItem::DefaultDraw(TCanvas& canvas, RECT rect, TOwnerDrawState state) {
  const bool selected = state.Contains(odSelected);
  UseBoldWhenDefault(canvas, default_);
  const HDC dc = canvas.Handle();
  FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT line = rect;
    line.top += SeparatorHeight / 2;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const COLORREF textColor = GetSysColor(!enabled_  ? COLOR_GRAYTEXT
                                         : selected ? COLOR_HIGHLIGHTTEXT
                                                    : COLOR_MENUTEXT);
  SetTextColor(dc, textColor);
  SetBkMode(dc, TRANSPARENT);
  const UINT prefix = state.Contains(odNoAccel) ? DT_HIDEPREFIX : 0;
  const std::wstring caption = ToWide(caption_);
  if (IsBarItem()) {
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | prefix);
    return;
  }
  TImageList* images = Images();
  const int glyph = std::max(16, images ? images->Width() : 0);
  RECT box{rect.left + 1, rect.top + 1, rect.left + 1 + glyph, rect.bottom - 1};
  if (images && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
    if (checked_) DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    const int y = box.top + (box.bottom - box.top - images->Height()) / 2;
    images->Draw(canvas, box.left + (glyph - images->Width()) / 2, y, imageIndex_, enabled_);
  } else if (checked_) {
    DrawCheckMark(dc, box, textColor);
  }
  RECT text{box.right + GlyphGap, rect.top, rect.right - 1, rect.bottom};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | prefix);
  const std::wstring keys = ToWide(ShortCutToText(shortCut_));
  if (keys.empty()) return;
  RECT keysRect{text.left, rect.top, rect.right - ShortCutRightMargin, rect.bottom};
  DrawTextW(dc, keys.c_str(), static_cast<int>(keys.size()), &keysRect,
            DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}
