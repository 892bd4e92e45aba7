#include "toolkit/controls/ButtonGlyph.h"

#include <algorithm>

#include "toolkit/controls/WideText.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

constexpr int kMaxGlyphs = 4;
// Paints the brush where the source is white and keeps the rest.
constexpr DWORD kPaintBlackWithBrush = 0x00E20746;
constexpr DWORD kKeepDestination = 0x00AA0029;

struct AxisPlacement {
  int glyph;
  int text;
};

// Along the layout's axis: where glyph and text start, from the near edge.
AxisPlacement PlaceOnAxis(int client, int glyph, int text, int margin, int spacing) {
  if (glyph == 0 || text == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (client - (glyph + text)) / 3;
      spacing = margin;
    } else {
      margin = (client - (glyph + spacing + text)) / 2;
    }
  } else if (spacing == -1) {
    spacing = (client - (margin + glyph) - text) / 2;
  }
  return {margin, margin + glyph + spacing};
}

}  // namespace

const TEnumInfo& ButtonLayoutInfo() {
  static const TEnumInfo info{"TButtonLayout",
                              {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
  return info;
}

TGlyphPlacement PlaceGlyphAndText(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout,
                                  int margin, int spacing) {
  TGlyphPlacement place;
  const bool across = layout == blGlyphLeft || layout == blGlyphRight;
  if (across) {
    const AxisPlacement axis = PlaceOnAxis(client.cx, glyph.cx, text.cx, margin, spacing);
    place.Glyph.y = (client.cy - glyph.cy + 1) / 2;
    place.Text.y = (client.cy - text.cy + 1) / 2;
    if (layout == blGlyphLeft) {
      place.Glyph.x = axis.glyph;
      place.Text.x = axis.text;
    } else {
      place.Glyph.x = client.cx - axis.glyph - glyph.cx;
      place.Text.x = client.cx - axis.text - text.cx;
    }
  } else {
    const AxisPlacement axis = PlaceOnAxis(client.cy, glyph.cy, text.cy, margin, spacing);
    place.Glyph.x = (client.cx - glyph.cx + 1) / 2;
    place.Text.x = (client.cx - text.cx + 1) / 2;
    if (layout == blGlyphTop) {
      place.Glyph.y = axis.glyph;
      place.Text.y = axis.text;
    } else {
      place.Glyph.y = client.cy - axis.glyph - glyph.cy;
      place.Text.y = client.cy - axis.text - text.cy;
    }
  }
  return place;
}

TButtonGlyph::TButtonGlyph() : glyph_(std::make_unique<TBitmap>()) {
  glyph_->OnChange = [this](TObject*) {
    if (OnChange) OnChange();
  };
}

void TButtonGlyph::SetGlyph(TBitmap* value) {
  glyph_->Assign(value);
  // A strip of square cells says how many it holds.
  if (!glyph_->Empty() && glyph_->Width() % glyph_->Height() == 0) {
    const int cells = glyph_->Width() / glyph_->Height();
    if (cells >= 1 && cells <= kMaxGlyphs) SetNumGlyphs(cells);
  }
}

TButtonGlyph::~TButtonGlyph() = default;

void TButtonGlyph::SetNumGlyphs(int value) {
  value = std::clamp(value, 1, kMaxGlyphs);
  if (value == numGlyphs_) return;
  numGlyphs_ = value;
  if (OnChange) OnChange();
}

void TButtonGlyph::SetLayout(TButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  if (OnChange) OnChange();
}

void TButtonGlyph::SetMargin(int value) {
  value = std::max(value, -1);
  if (value == margin_) return;
  margin_ = value;
  if (OnChange) OnChange();
}

void TButtonGlyph::SetSpacing(int value) {
  value = std::max(value, -1);
  if (value == spacing_) return;
  spacing_ = value;
  if (OnChange) OnChange();
}

SIZE TButtonGlyph::CellSize() const {
  if (glyph_->Empty()) return SIZE{0, 0};
  return SIZE{glyph_->Width() / numGlyphs_, glyph_->Height()};
}

RECT TButtonGlyph::Draw(TCanvas& canvas, const RECT& client, POINT offset, const String& caption,
                        TButtonState state) {
  HDC dc = canvas.Handle();
  const std::wstring text = ToWide(caption);
  RECT measured{0, 0, client.right - client.left, 0};
  if (!text.empty()) {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_CALCRECT | DT_SINGLELINE);
  }
  const SIZE textSize =
      text.empty() ? SIZE{0, 0} : SIZE{measured.right - measured.left, measured.bottom};
  const SIZE area{client.right - client.left, client.bottom - client.top};
  const TGlyphPlacement place =
      PlaceGlyphAndText(area, CellSize(), textSize, layout_, margin_, spacing_);
  const int x0 = client.left + offset.x, y0 = client.top + offset.y;
  if (!glyph_->Empty()) DrawCell(dc, POINT{x0 + place.Glyph.x, y0 + place.Glyph.y}, state);
  RECT textRect{x0 + place.Text.x, y0 + place.Text.y, x0 + place.Text.x + textSize.cx,
                y0 + place.Text.y + textSize.cy};
  if (text.empty()) return textRect;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const UINT flags = DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOCLIP;
  if (state == bsDisabled) {
    // Engraved: a highlight one pixel down and right, the shadow over it.
    const COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    RECT shifted = textRect;
    OffsetRect(&shifted, 1, 1);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shifted, flags);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, flags);
    SetTextColor(dc, oldColor);
  } else {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, flags);
  }
  SetBkMode(dc, oldMode);
  return textRect;
}

void TButtonGlyph::DrawCell(HDC dc, POINT at, TButtonState state) {
  const SIZE size = CellSize();
  int index = static_cast<int>(state);
  if (index >= numGlyphs_) index = 0;
  TBitmap cell(size.cx, size.cy);
  BitBlt(cell.PixelDC(), 0, 0, size.cx, size.cy, glyph_->PixelDC(), index * size.cx, 0, SRCCOPY);
  // Each cell keys out its own bottom-left colour.
  cell.SetTransparentMode(tmAuto);
  if (state == bsDisabled && numGlyphs_ == 1) {
    DrawEmbossed(dc, at, cell);
    return;
  }
  // The mask first: making it may give the cell's pixels a new DC. Mask
  // bit 1 (the see-through colour) keeps the destination; 0 copies.
  const HBITMAP mask = cell.MaskHandle();
  if (!mask) return;
  MaskBlt(dc, at.x, at.y, size.cx, size.cy, cell.PixelDC(), 0, 0, mask, 0, 0,
          MAKEROP4(kKeepDestination, SRCCOPY));
}

void TButtonGlyph::DrawEmbossed(HDC dc, POINT at, TBitmap& cell) {
  // The picture's outline in the highlight, then in the shadow over it.
  const HBITMAP mask = cell.MaskHandle();
  if (!mask) return;
  const TMemoryDC maskDC(dc);
  const TSelection selectMask(maskDC.Get(), mask);
  const int w = cell.Width(), h = cell.Height();
  // Mapped so that the picture (mask 0) comes out white, where the raster
  // operation paints the brush; the see-through part keeps what is there.
  const COLORREF oldText = SetTextColor(dc, RGB(255, 255, 255));
  const COLORREF oldBack = SetBkColor(dc, RGB(0, 0, 0));
  for (const auto& [colour, shift] : {std::pair{COLOR_BTNHIGHLIGHT, 1}, {COLOR_BTNSHADOW, 0}}) {
    const TBrushHandle brush(CreateSolidBrush(GetSysColor(colour)));
    const TSelection selectBrush(dc, brush.Get());
    BitBlt(dc, at.x + shift, at.y + shift, w, h, maskDC.Get(), 0, 0, kPaintBlackWithBrush);
  }
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}
