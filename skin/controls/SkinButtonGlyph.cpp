#include "skin/controls/SkinButtonGlyph.h"

#include <memory>
#include <utility>

#include "skin/draw/FramedImage.h"
#include "toolkit/core/SysUtils.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

constexpr int kUpCell = 1;
constexpr int kDisabledCell = 2;
constexpr int kPressedCell = 3;
constexpr int kDownCell = 4;

// Paints the brush where the source is white and keeps the destination
// where it is black.
constexpr DWORD kPaintWhiteWithBrush = 0x00E20746;

// A cell of the strip copied out, with its see-through colour set.
std::unique_ptr<TBitmap> CutCell(TBitmap& strip, int cells, int cell) {
  if (cells < 1) cells = 1;
  const int w = strip.Width() / cells, h = strip.Height();
  if (w <= 0 || h <= 0 || cell < 1 || cell > cells) return nullptr;
  auto out = std::make_unique<TBitmap>(w, h, pf24bit);
  const HDC source = strip.PixelDC();
  const HDC target = out->PixelDC();
  if (!source || !target) return nullptr;
  BitBlt(target, 0, 0, w, h, source, (cell - 1) * w, 0, SRCCOPY);
  out->SetTransparentColor(static_cast<TColor>(GetPixel(target, 0, h - 1) & 0xFFFFFF));
  return out;
}

}  // namespace

TSkinGlyphLayout SkinGlyphLayoutOf(const char* text) {
  const String lower = LowerCase(String(text ? text : ""));
  if (lower == "blglyphright") return sglRight;
  if (lower == "blglyphtop") return sglTop;
  if (lower == "blglyphbottom") return sglBottom;
  return sglLeft;
}

int GlyphCellFor(int numGlyphs, bool disabled, bool pressed, bool down) {
  int cell = kUpCell;
  if (disabled) {
    cell = kDisabledCell;
  } else if (down) {
    cell = kDownCell;
  } else if (pressed) {
    cell = kPressedCell;
  }
  return cell > numGlyphs ? kUpCell : cell;
}

TGlyphPlace PlaceSkinGlyph(const TGlyphLayoutInput& in) {
  const bool across = in.Layout == sglLeft || in.Layout == sglRight;
  const int W = in.Client.cx, H = in.Client.cy;
  const int GW = in.Glyph.cx, GH = in.Glyph.cy, TW = in.Text.cx, TH = in.Text.cy;
  TGlyphPlace place;
  if (across) {
    place.Glyph.y = (H - GH + 1) / 2;
    place.Text.y = (H - TH + 1) / 2;
  } else {
    place.Glyph.x = (W - GW + 1) / 2;
    place.Text.x = (W - TW + 1) / 2;
  }
  const int extent = across ? W : H;
  const int glyph = across ? GW : GH;
  const int text = across ? TW : TH;
  int margin = in.Margin, spacing = in.Spacing;
  if (TW == 0 || GW == 0) spacing = 0;
  if (margin == -1 || in.Centred) {
    if (spacing == -1) {
      margin = (extent - (glyph + text)) / 3;
      spacing = margin;
    } else {
      margin = (extent - (glyph + spacing + text)) / 2 + (in.SpeedButton ? 1 : 0);
    }
  } else if (spacing == -1) {
    spacing = ((extent - (margin + glyph)) - text) / 2;
  }
  switch (in.Layout) {
    case sglLeft:
      place.Glyph.x = margin;
      place.Text.x = margin + GW + spacing;
      break;
    case sglRight:
      place.Glyph.x = W - margin - GW;
      place.Text.x = place.Glyph.x - spacing - TW;
      place.TextFlags |= DT_RIGHT;
      break;
    case sglTop:
      place.Glyph.y = margin;
      place.Text.y = margin + GH + spacing;
      place.TextFlags |= DT_CENTER;
      break;
    case sglBottom:
      place.Glyph.y = H - margin - GH;
      place.Text.y = place.Glyph.y - spacing - TH;
      place.TextFlags |= DT_CENTER;
      break;
  }
  return place;
}

TGlyphLayoutInput ReadGlyphLayout(TObject* button, SIZE client, SIZE glyph) {
  TGlyphLayoutInput layout;
  layout.Client = client;
  layout.Glyph = glyph;
  layout.Layout = SkinGlyphLayoutOf(GetEnumProp(button, "Layout").c_str());
  layout.Margin = static_cast<int>(GetOrdProp(button, "Margin"));
  layout.Spacing = static_cast<int>(GetOrdProp(button, "Spacing"));
  return layout;
}

void DrawGlyphCell(HDC dc, TBitmap& strip, int cells, int cell, POINT at) {
  const auto piece = CutCell(strip, cells, cell);
  if (!piece) return;
  const RECT dest{at.x, at.y, at.x + piece->Width(), at.y + piece->Height()};
  DrawTransparent(dc, dest, *piece, piece->TransparentColor());
}

void DrawEmbossedGlyph(HDC dc, TBitmap& glyph, POINT at) {
  const auto piece = CutCell(glyph, 1, 1);
  if (!piece) return;
  const HBITMAP mask = piece->MaskHandle();
  if (!mask) return;
  const TMemoryDC maskDC(dc);
  const TSelection selectMask(maskDC.Get(), mask);
  // The mask's 0 bits (the picture) take the text colour and its 1 bits
  // (see-through) the background: the picture comes out white, where the
  // brush goes, and the rest black, which keeps what is there.
  const COLORREF oldText = SetTextColor(dc, RGB(255, 255, 255));
  const COLORREF oldBack = SetBkColor(dc, RGB(0, 0, 0));
  for (const auto& [colour, shift] : {std::pair{COLOR_BTNHIGHLIGHT, 1}, {COLOR_BTNSHADOW, 0}}) {
    const TBrushHandle brush(CreateSolidBrush(GetSysColor(colour)));
    const TSelection selectBrush(dc, brush.Get());
    BitBlt(dc, at.x + shift, at.y + shift, piece->Width(), piece->Height(), maskDC.Get(), 0, 0,
           kPaintWhiteWithBrush);
  }
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}
