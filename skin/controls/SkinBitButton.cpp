#include "skin/controls/SkinBitButton.h"

#include "skin/data/WinSkinData.h"
#include "skin/draw/ImgUtil.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/graphics/ScopedHandles.h"

const TClassInfo& TSkinBitButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinBitButton>("TSkinBitButton", &TSkinButton::StaticClass()).Build();
  return info;
}

TSkinBitButton::TGlyphSource TSkinBitButton::ReadGlyph(TControl* source) const {
  TGlyphSource glyph;
  if (!source) return glyph;
  if (!GlyphProperty.empty()) {
    auto* picture = dynamic_cast<TGraphic*>(GetObjectProp(source, GlyphProperty));
    if (picture && !picture->Empty()) {
      glyph.Picture = picture;
      glyph.Size = SIZE{picture->Width(), picture->Height()};
    }
    return glyph;
  }
  // A count of none would divide the strip by zero: one cell it is.
  const int64_t count = GetOrdProp(source, "NumGlyphs");
  glyph.NumGlyphs = count < 1 ? 1 : static_cast<int>(count);
  auto* strip = dynamic_cast<TBitmap*>(GetObjectProp(source, "Glyph"));
  if (strip && !strip->Empty()) {
    glyph.Strip = strip;
    glyph.Size = SIZE{strip->Width() / glyph.NumGlyphs, strip->Height()};
    if (glyph.Size.cx <= 0) glyph = TGlyphSource{};
    return glyph;
  }
  glyph.ImageIndex = static_cast<int>(GetOrdProp(source, "ImageIndex"));
  glyph.DisabledIndex = static_cast<int>(GetOrdProp(source, "DisabledIndex"));
  auto* images = dynamic_cast<TImageList*>(GetObjectProp(source, "Images"));
  if (images && glyph.ImageIndex != -1) {
    glyph.Images = images;
    glyph.Size = SIZE{images->Width(), images->Height()};
  }
  return glyph;
}

SIZE TSkinBitButton::MeasureCaption(HDC dc, const WideString& lines, SIZE client, SIZE glyph,
                                    TSkinGlyphLayout layout) const {
  if (lines.empty()) return SIZE{};
  RECT room{2, 2, client.cx - 2, client.cy - 2};
  if (layout == sglLeft || layout == sglRight) {
    room.right -= glyph.cx + 2;
  } else {
    room.bottom -= glyph.cy + 2;
  }
  WideString text = lines;
  DrawSkinText(dc, text, room, DT_CALCRECT | DT_WORDBREAK);
  return SIZE{room.right - room.left, room.bottom - room.top};
}

void TSkinBitButton::DrawListImage(HDC dc, const TGlyphSource& glyph, POINT at, bool enabled) {
  // A disabled picture of its own is drawn as it is; without one the
  // ordinary picture is drawn greyed.
  const bool ownDisabled = !enabled && glyph.DisabledIndex != -1;
  const int index = ownDisabled ? glyph.DisabledIndex : glyph.ImageIndex;
  if (index < 0 || index >= glyph.Images->Count()) return;
  TCanvas canvas;
  canvas.SetHandle(dc);
  glyph.Images->Draw(canvas, at.x, at.y, index, enabled || ownDisabled);
  canvas.SetHandle(nullptr);
}

void TSkinBitButton::DrawGlyphAndCaption(HDC dc, const TGlyphSource& glyph,
                                         const TGlyphPlace& place, const WideString& lines,
                                         SIZE text, int cell, bool disabled) {
  const bool embossed = disabled && glyph.NumGlyphs == 1;
  if (glyph.Picture) {
    TCanvas canvas;
    canvas.SetHandle(dc);
    glyph.Picture->Draw(canvas, RECT{place.Glyph.x, place.Glyph.y, place.Glyph.x + glyph.Size.cx,
                                     place.Glyph.y + glyph.Size.cy});
    canvas.SetHandle(nullptr);
  } else if (glyph.Images) {
    DrawListImage(dc, glyph, place.Glyph, !disabled);
  } else if (glyph.Strip && embossed) {
    DrawEmbossedGlyph(dc, *glyph.Strip, place.Glyph);
  } else if (glyph.Strip) {
    DrawGlyphCell(dc, *glyph.Strip, glyph.NumGlyphs, cell, place.Glyph);
  }
  if (lines.empty()) return;
  RECT where{place.Text.x, place.Text.y, place.Text.x + text.cx, place.Text.y + text.cy};
  WideString copy = lines;
  SetBkMode(dc, TRANSPARENT);
  DrawSkinText(dc, copy, where, place.TextFlags | TextFlags());
  LastTextRect = where;
  DrawFocusFrame(dc, where);
}

void TSkinBitButton::DrawControl(HDC dc, const RECT& rect) {
  if (SkinData->Skin().Buttons->Image->Empty()) return;
  if (Control && LowerCase(GetEnumProp(Control, "Visible")) == "false") return;
  ReadLiveState();
  const int frame = StateFrame();
  const HDC buffer = ComposeFace(rect, frame);
  if (!buffer) return;
  const SIZE client{rect.right - rect.left, rect.bottom - rect.top};

  const TSelection selectedFont(buffer, CaptionFont());
  SetTextColor(buffer, static_cast<COLORREF>(ColorToRGB(CaptionColour(frame))));
  const TGlyphSource glyph = ReadGlyph(Control);
  TGlyphLayoutInput layout = ReadGlyphLayout(Control, client, glyph.Size);
  layout.Centred = LowerCase(GetEnumProp(Control, "Alignment")) == "tacenter";
  const WideString lines = ButtonCaptionLines(Caption);
  layout.Text = MeasureCaption(buffer, lines, client, glyph.Size, layout.Layout);
  const TGlyphPlace place = PlaceSkinGlyph(layout);

  const bool disabled = frame == bfDisabled;
  const int cell = GlyphCellFor(glyph.NumGlyphs, disabled, frame == bfPressed, false);
  DrawGlyphAndCaption(buffer, glyph, place, lines, layout.Text, cell, disabled);
  BitBlt(dc, rect.left, rect.top, client.cx, client.cy, buffer, 0, 0, SRCCOPY);
}
