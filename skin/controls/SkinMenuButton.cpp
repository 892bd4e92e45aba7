#include "skin/controls/SkinMenuButton.h"

#include "skin/controls/SkinButtonGlyph.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/ImgUtil.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

// The width the arrow takes in the row.
constexpr int kArrowBox = 8;

void DrawArrow(HDC dc, POINT at, bool enabled) {
  const COLORREF colour = GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
  const TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
  const TBrushHandle brush(CreateSolidBrush(colour));
  const TSelection selectPen(dc, pen.Get());
  const TSelection selectBrush(dc, brush.Get());
  const POINT points[3] = {{at.x, at.y + 2}, {at.x - 3, at.y - 1}, {at.x + 3, at.y - 1}};
  Polygon(dc, points, 3);
}

}  // namespace

const TClassInfo& TSkinMenuButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinMenuButton>("TSkinMenuButton", &TSkinButton::StaticClass()).Build();
  return info;
}

void TSkinMenuButton::DrawControl(HDC dc, const RECT& rect) {
  if (SkinData->Skin().Buttons->Image->Empty()) return;
  ReadLiveState();
  const int frame = StateFrame();
  const HDC buffer = ComposeFace(rect, frame);
  if (!buffer) return;
  const int W = rect.right - rect.left, H = rect.bottom - rect.top;

  const TSelection selectedFont(buffer, CaptionFont());
  SetTextColor(buffer, static_cast<COLORREF>(ColorToRGB(CaptionColour(frame))));
  SetBkMode(buffer, TRANSPARENT);
  auto* glyph = dynamic_cast<TBitmap*>(GetObjectProp(Control, "Glyph"));
  if (glyph && glyph->Empty()) glyph = nullptr;
  const int GW = glyph ? glyph->Width() : 0, GH = glyph ? glyph->Height() : 0;
  const WideString lines = ButtonCaptionLines(Caption);
  RECT measured{2, 2, W - GW - kArrowBox - 2, H - 2};
  int TW = 0, TH = 0;
  if (!lines.empty()) {
    WideString copy = lines;
    DrawSkinText(buffer, copy, measured, DT_CALCRECT | DT_WORDBREAK);
    TW = measured.right - measured.left;
    TH = measured.bottom - measured.top;
  }
  int margin = static_cast<int>(GetOrdProp(Control, "Margin"));
  int spacing = static_cast<int>(GetOrdProp(Control, "Spacing"));
  if (margin == -1 && spacing == -1) {
    margin = (W - (GW + TW + kArrowBox)) / 4;
    spacing = margin;
  } else if (margin == -1) {
    margin = (W - (GW + TW + 2 * spacing + kArrowBox)) / 2;
  } else if (spacing == -1) {
    // Chosen so that the arrow ends where it does when both are -1: the
    // last arrow box of the button, never beyond its edge.
    spacing = (W - kArrowBox - margin - GW - TW) / 3;
  }

  if (glyph) DrawGlyphCell(buffer, *glyph, 1, 1, POINT{margin, (H - GH) / 2});
  RECT text{margin + GW + spacing, (H - TH + 1) / 2, 0, 0};
  text.right = text.left + TW;
  text.bottom = text.top + TH;
  if (!lines.empty()) {
    WideString copy = lines;
    DrawSkinText(buffer, copy, text, DT_WORDBREAK | TextFlags());
  }
  LastTextRect = text;
  LastArrow = POINT{text.left + TW + 2 * spacing, (H - 3) / 2};
  DrawArrow(buffer, LastArrow, frame != bfDisabled);
  DrawFocusFrame(buffer, text);
  BitBlt(dc, rect.left, rect.top, W, H, buffer, 0, 0, SRCCOPY);
}
