#include "skin/controls/SkinStatusBar.h"

#include <commctrl.h>

#include "skin/controls/SkinDrawing.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/ImgUtil.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

// "ExtraImages" is a strip of this many cells; the last is the size grip.
constexpr int kExtraCells = 5;
constexpr int kSizeGripCell = 5;

// The bar's font without bold, italics or lines: status text stays plain.
TFontHandle PlainFont(HFONT font) {
  LOGFONTW face{};
  if (!font || !GetObjectW(font, sizeof face, &face)) {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  }
  face.lfWeight = FW_NORMAL;
  face.lfItalic = FALSE;
  face.lfUnderline = FALSE;
  face.lfStrikeOut = FALSE;
  return TFontHandle(CreateFontIndirectW(&face));
}

int BevelFrame(const String& bevel) {
  if (bevel == "pbraised") return sbfRaised;
  if (bevel == "pbnone") return sbfNone;
  return sbfLowered;
}

UINT AlignmentFlag(const String& alignment, bool rightToLeft) {
  if (alignment == "tacenter") return DT_CENTER;
  const bool right = alignment == "tarightjustify";
  return right != rightToLeft ? DT_RIGHT : DT_LEFT;
}

// Only the full right-to-left mode swaps the sides.
bool AlignsRightToLeft(const String& mode) { return mode == "bdrighttoleft"; }

}  // namespace

TBitmap& StatusBarPicture() {
  static TBitmap picture;
  return picture;
}

const TClassInfo& TSkinStatusBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinStatusBar>("TSkinStatusBar", &TSkinControl::StaticClass()).Build();
  return info;
}

bool TSkinStatusBar::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintInPlace(message);
      return false;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeProc(message);
  }
}

TObject* TSkinStatusBar::Panel(int index) const {
  auto* panels = dynamic_cast<TStatusPanels*>(GetObjectProp(Control, "Panels"));
  if (!panels || index < 0 || index >= panels->GetCount()) return nullptr;
  return panels->Items(index);
}

int TSkinStatusBar::PanelCount() const {
  auto* panels = dynamic_cast<TStatusPanels*>(GetObjectProp(Control, "Panels"));
  return panels ? panels->GetCount() : 0;
}

void TSkinStatusBar::DrawControl(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  TBitmap& picture = StatusBarPicture();
  picture.SetSize(width, height);
  const HDC buffer = picture.PixelDC();
  if (!buffer) return;
  const RECT whole{0, 0, width, height};
  FillFace(buffer, whole, SkinData);

  HFONT font = Control ? Control->Font()->Handle()
                       : reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  const TFontHandle plain = PlainFont(font);
  const TSelection selectedFont(buffer, plain.Get());
  TColor colour = Control ? Control->Font()->Color() : SkinData->Skin().Colour(scButtonText);
  if (const TDataSkinObject* edges = SkinData->Skin().StatusBarEdges.get()) {
    colour = edges->NormalColour2;
  }
  SetTextColor(buffer, static_cast<COLORREF>(ColorToRGB(colour)));

  const int count = PanelCount();
  const bool simple = LowerCase(GetEnumProp(Control, "SimplePanel")) == "true" || count == 0;
  if (simple) {
    DrawSimple(buffer, whole);
  } else {
    DrawPanels(buffer, whole, count);
  }
  DrawSizeGrip(buffer, whole);

  BitBlt(dc, rect.left, rect.top, width, height, buffer, 0, 0, SRCCOPY);
  if (auto* bar = dynamic_cast<TWinControl*>(Control)) bar->PaintControls(dc, nullptr);
  // Panels are not shown in simple mode, so nothing of theirs is drawn then.
  if (!simple) RunPanelEvents(dc, count);
}

void TSkinStatusBar::DrawSimple(HDC dc, const RECT& rect) {
  WideString text = GetWideStrProp(Control, "SimpleText");
  if (text.empty()) text = u" ";
  DrawBevel(dc, rect, sbfLowered);
  RECT inner = rect;
  InflateRect(&inner, -2, 0);
  const UINT reading = TextFlags();
  DrawPanelText(dc, inner, text, reading ? DT_RIGHT : DT_LEFT, reading);
}

void TSkinStatusBar::DrawPanels(HDC dc, const RECT& rect, int count) {
  for (int i = 0; i < count; ++i) {
    RECT panelRect{};
    if (!SendMessageW(Handle, SB_GETRECT, static_cast<WPARAM>(i),
                      reinterpret_cast<LPARAM>(&panelRect))) {
      continue;
    }
    panelRect.right += 2;
    if (i == count - 1) panelRect.right = rect.right;
    TObject* panel = Panel(i);
    DrawBevel(dc, panelRect, BevelFrame(LowerCase(GetEnumProp(panel, "Bevel"))));
    if (LowerCase(GetEnumProp(panel, "Style")) == "psownerdraw") continue;
    const String mode = LowerCase(GetEnumProp(panel, "BiDiMode"));
    WideString text = GetWideStrProp(panel, "Text");
    if (text.empty()) text = u" ";
    InflateRect(&panelRect, -2, 0);
    DrawPanelText(
        dc, panelRect, text,
        AlignmentFlag(LowerCase(GetEnumProp(panel, "Alignment")), AlignsRightToLeft(mode)),
        ReadsRightToLeft(mode) ? DT_RTLREADING : 0);
  }
}

void TSkinStatusBar::DrawBevel(HDC dc, const RECT& rect, int bevel) {
  const TDataSkinObject* edges = SkinData->Skin().StatusBarEdges.get();
  if (edges && !edges->Image->Empty()) {
    const RECT margins = edges->Margins();
    DrawFramedImage(dc, rect, *edges->Image, false, edges->Tile != 0, false, edges->Frame, bevel,
                    margins);
    return;
  }
  if (bevel == sbfNone) return;
  const TColor shadow = clBtnShadow;
  const TColor light = clBtnHighlight;
  const TColor topLeft = bevel == sbfLowered ? shadow : light;
  const TColor bottomRight = bevel == sbfLowered ? light : shadow;
  FillColour(dc, RECT{rect.left, rect.top, rect.right, rect.top + 1}, topLeft);
  FillColour(dc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, topLeft);
  FillColour(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
  FillColour(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
}

void TSkinStatusBar::DrawSizeGrip(HDC dc, const RECT& rect) {
  if (!(WindowLong(GWL_STYLE) & SBARS_SIZEGRIP)) return;
  const TDataSkinObject* extra = SkinData->Skin().ExtraImages.get();
  if (!extra || extra->Image->Empty()) return;
  const int cellWidth = extra->Image->Width() / kExtraCells;
  if (cellWidth <= 0) return;
  const int cellHeight = extra->Image->Height();
  const RECT cell{rect.right - 1 - cellWidth, rect.bottom - 1 - cellHeight, rect.right - 1,
                  rect.bottom - 1};
  DrawStripCell(dc, *extra->Image, kExtraCells, kSizeGripCell, cell);
}

void TSkinStatusBar::RunPanelEvents(HDC dc, int count) {
  auto* bar = dynamic_cast<TStatusBar*>(Control);
  if (!bar || !bar->OnDrawPanel) return;
  for (int i = 0; i < count; ++i) {
    RECT panelRect{};
    if (!SendMessageW(Handle, SB_GETRECT, static_cast<WPARAM>(i),
                      reinterpret_cast<LPARAM>(&panelRect))) {
      continue;
    }
    InflateRect(&panelRect, -2, -2);
    bar->DrawPanel(dc, bar->Panels()->Items(i), panelRect);
  }
}
