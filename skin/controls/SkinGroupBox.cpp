#include "skin/controls/SkinGroupBox.h"

#include "skin/controls/SkinDrawing.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/ImgUtil.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

// The caption starts this far from the box's edge.
constexpr int kCaptionIndent = 8;
constexpr int kCornerSize = 5;

}  // namespace

const TClassInfo& TSkinGroupBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinGroupBox>("TSkinGroupBox", &TSkinControl::StaticClass()).Build();
  return info;
}

void TSkinGroupBox::InitSkin(TWinSkinForm* form, TSkinData* skinData, bool changeColor,
                             TCanvas* canvas) {
  TSkinControl::InitSkin(form, skinData, changeColor, canvas);
  if (Attached && Control) Mode = 1;
}

bool TSkinGroupBox::BeforeProc(TMessage& message) {
  if (!TSkinControl::BeforeProc(message)) return false;
  if (Mode == 1 && message.Msg == WM_PAINT) {
    PaintInPlace(message);
    return false;
  }
  return true;
}

void TSkinGroupBox::DrawControl(HDC dc, const RECT& rect) {
  Caption = ReadWindowText();
  if (Caption.empty() && Control) Caption = GetWideStrProp(Control, "Caption");
  if (Control) FillFace(dc, rect, SkinData);

  HFONT font = nullptr;
  TColor textColour = SkinData->Skin().Colour(scButtonText);
  if (Control) {
    font = Control->Font()->Handle();
    textColour = Control->Font()->Color();
  } else {
    font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  }
  const TSelection selectedFont(dc, font);
  const COLORREF oldTextColour = SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(textColour)));

  SIZE extent{0, 0};
  GetTextExtentPoint32A(dc, "0", 1, &extent);
  const int y = extent.cy / 2 - 1;
  if (Mode == 0) {
    // The window's own border lies here; the face colour covers it.
    RECT erase{0, y, rect.right, rect.bottom};
    FrameRect(dc, &erase, SkinData->Skin().FaceBrush.Get());
    InflateRect(&erase, -1, -1);
    FrameRect(dc, &erase, SkinData->Skin().FaceBrush.Get());
  }
  {
    const TPenHandle pen(CreatePen(
        PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(SkinData->Skin().Colour(scButtonShadow)))));
    const TSelection selectedPen(dc, pen.Get());
    const TSelection noFill(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 1, y, rect.right - 1, rect.bottom - 1, kCornerSize, kCornerSize);
  }
  DrawCaption(dc, rect);
  SetTextColor(dc, oldTextColour);

  // The toolkit's own paint never ran, so its labels are ours to paint.
  if (Mode == 1) {
    if (auto* box = dynamic_cast<TWinControl*>(Control)) box->PaintControls(dc, nullptr);
  }
}

// The caption's cells are filled with the face colour over the line, since
// the background mode is left as the DC has it.
void TSkinGroupBox::DrawCaption(HDC dc, const RECT& rect) {
  const TSavedBkColor back(
      dc, static_cast<COLORREF>(ColorToRGB(SkinData->Skin().Colour(scButtonFace))));
  RECT text = rect;
  UINT flags = DT_EXPANDTABS;
  if (WindowLong(GWL_EXSTYLE) & WS_EX_RIGHT) {
    text.right -= kCaptionIndent;
    flags |= DT_RIGHT | TextFlags();
  } else {
    text.left += kCaptionIndent;
  }
  DrawSkinText(dc, Caption, text, flags);
}
