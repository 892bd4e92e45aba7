#include "skin/controls/SkinCheckRadio.h"

#include <algorithm>

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinDrawing.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/ImgUtil.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

// A toolkit notification that only asks the box to be drawn again.
constexpr UINT kRedrawNotification = 0xB0D0;

bool Has(const String& text, const char* part) { return text.find(part) != String::npos; }

// Where the checked, disabled and mixed cells sit in the wider strips.
int WideStripCell(int cell, int cells, int wideCells) {
  if (cells != wideCells) return cell;
  switch (cell) {
    case 2:
      return 5;
    case 3:
      return 4;
    case 4:
      return 8;
    default:
      return cell;
  }
}

}  // namespace

int CheckBoxCell(const TCheckCellInputs& in) {
  int cell = (in.ButtonState & BST_CHECKED) ? 2 : 1;
  if (in.HasState) {
    // "uncheck" holds "check", so it is tested first.
    if (Has(in.StateText, "uncheck")) {
      cell = 1;
    } else if (Has(in.StateText, "check")) {
      cell = 2;
    } else if (Has(in.StateText, "gray")) {
      cell = 4;
    }
  } else if (in.HasChecked) {
    cell = in.CheckedText == "true" ? 2 : 1;
  }
  if (in.HasDataField && in.CheckState != 0) cell = in.CheckState == 3 ? 4 : in.CheckState;
  if (in.HasDataBinding) cell = 1;
  if (in.Disabled) cell += 2;
  const bool mixed = (in.ButtonState & BST_INDETERMINATE) != 0;
  if (mixed) cell = 4;
  cell = WideStripCell(cell, in.Cells, 12);
  if (in.Cells == 12 && mixed) cell = in.Disabled ? 12 : 9;
  return cell;
}

int RadioButtonCell(const TCheckCellInputs& in) {
  int cell = (in.ButtonState & BST_CHECKED) ? 2 : 1;
  if (in.HasChecked) cell = in.CheckedText == "true" ? 2 : 1;
  if (in.Disabled) cell += 2;
  return WideStripCell(cell, in.Cells, 8);
}

const TClassInfo& TSkinCheckRadio::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinCheckRadio>("TSkinCheckRadio", &TSkinControl::StaticClass()).Build();
  return info;
}

const TClassInfo& TSkinCheckBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinCheckBox>("TSkinCheckBox", &TSkinCheckRadio::StaticClass()).Build();
  return info;
}

const TClassInfo& TSkinRadioButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinRadioButton>("TSkinRadioButton", &TSkinCheckRadio::StaticClass()).Build();
  return info;
}

void TSkinCheckRadio::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool /*changeColor*/,
                               TCanvas* canvas) {
  TSkinControl::InitSkin(form, skinData, false, canvas);
  if (!Attached) return;
  Mode = Strip().Empty() ? 0 : 1;
  Transparent = Control->Tag() == kTransparentTag || SkinData->Options().Contains(xoTransparent);
}

void TSkinCheckBox::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                             TCanvas* canvas) {
  TSkinCheckRadio::InitSkin(form, skinData, changeColor, canvas);
  CheckState = 0;
}

bool TSkinCheckRadio::BeforeProc(TMessage& message) {
  const bool passOn = TSkinControl::BeforeProc(message);
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      if (Mode != 1) break;
      PaintInPlace(message);
      return false;
    case WM_ERASEBKGND:
      if (!Transparent) break;
      EraseWithParentBackground(message);
      return false;
    default:
      break;
  }
  return passOn;
}

void TSkinCheckRadio::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case kRedrawNotification:
      RequestRepaint();
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinCheckBox::AfterProc(TMessage& message) {
  if (message.Msg == BM_SETCHECK) CheckState = static_cast<int>(message.WParam) + 1;
  TSkinCheckRadio::AfterProc(message);
}

TCheckCellInputs TSkinCheckRadio::ReadInputs(UINT buttonState) {
  TCheckCellInputs in;
  in.ButtonState = buttonState;
  in.Disabled = (WindowLong(GWL_STYLE) & WS_DISABLED) != 0;
  in.Cells = StripCells();
  if (Control) {
    in.HasState = IsPublishedProp(Control, "State");
    if (in.HasState) in.StateText = LowerCase(GetEnumProp(Control, "State"));
    in.HasChecked = IsPublishedProp(Control, "Checked");
    if (in.HasChecked) in.CheckedText = LowerCase(GetEnumProp(Control, "Checked"));
    in.HasDataField = IsPublishedProp(Control, "DataField");
    in.HasDataBinding = IsPublishedProp(Control, "DataBinding");
  }
  return in;
}

TBitmap& TSkinCheckBox::Strip() const { return *SkinData->Skin().Buttons->CheckImage; }
TBitmap& TSkinRadioButton::Strip() const { return *SkinData->Skin().Buttons->RadioImage; }

int TSkinCheckBox::StripCells() const {
  return std::max(1, SkinData->Skin().Buttons->CheckButtonFrame);
}
int TSkinRadioButton::StripCells() const {
  return std::max(1, SkinData->Skin().Buttons->RadioButtonFrame);
}

int TSkinCheckBox::ChooseCell() {
  TCheckCellInputs in = ReadInputs(static_cast<UINT>(SendMessageW(Handle, BM_GETSTATE, 0, 0)));
  in.CheckState = CheckState;
  return CheckBoxCell(in);
}

int TSkinRadioButton::ChooseCell() {
  return RadioButtonCell(ReadInputs(static_cast<UINT>(SendMessageW(Handle, BM_GETCHECK, 0, 0))));
}

void TSkinCheckRadio::DrawControl(HDC dc, const RECT& rect) {
  TBitmap& strip = Strip();
  if (strip.Empty()) {
    Mode = 0;
    return;
  }
  const int cells = StripCells();
  const int cell = ChooseCell();
  const int boxWidth = strip.Width() / cells;
  const int boxHeight = strip.Height();
  const int top = rect.top + ((rect.bottom - rect.top) - boxHeight) / 2;
  const bool rightToLeft = TextFlags() & DT_RTLREADING;
  RECT box{}, text = rect;
  UINT flags = 0;
  if (WindowLong(GWL_STYLE) & BS_LEFTTEXT) {
    const int right = rect.right - LeftTextInset();
    box = RECT{right - boxWidth, top, right, top + boxHeight};
    text.right = box.left - 2;
    if (rightToLeft) flags = DT_RIGHT | DT_RTLREADING;
  } else {
    box = RECT{rect.left, top, rect.left + boxWidth, top + boxHeight};
    text.left = box.right + 2;
    if (rightToLeft) flags = DT_RTLREADING;
  }
  if (Mode == 1 && !Transparent) FillFace(dc, rect, SkinData);
  DrawStripCell(dc, strip, cells, cell, box);
  LastBoxRect = box;
  if (Mode == 1) DrawCaption(dc, text, flags);
}

void TSkinCheckRadio::DrawCaption(HDC dc, RECT textRect, UINT flags) {
  Caption = Control ? GetWideStrProp(Control, "Caption") : ReadWindowText();
  Enabled = !(WindowLong(GWL_STYLE) & WS_DISABLED);
  const TSavedDC saved(dc);
  HFONT font = Control ? Control->Font()->Handle()
                       : reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  if (font) SelectObject(dc, font);
  const TColor colour = Enabled && Control ? Control->Font()->Color()
                        : Enabled          ? SystemColor(COLOR_BTNTEXT)
                                           : SystemColor(COLOR_BTNSHADOW);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(colour)));
  SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(SkinData->Skin().Colour(scButtonFace))));
  SetBkMode(dc, TRANSPARENT);
  RECT measured = textRect;
  DrawSkinText(dc, Caption, measured,
               flags | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
  OffsetRect(&textRect, 0,
             ((textRect.bottom - textRect.top) - (measured.bottom - measured.top)) / 2);
  // Vista and 7 draw no focus rectangle around these captions.
  const bool vistaOrSeven = LOBYTE(LOWORD(GetVersion())) == 6;
  Focused = GetFocus() == Handle;
  if (Focused && !Caption.empty() && !vistaOrSeven) {
    DrawFocusAroundText(dc, flags | DT_WORDBREAK | DT_EXPANDTABS, textRect);
  }
  DrawSkinText(dc, Caption, textRect, flags | DT_WORDBREAK | DT_EXPANDTABS);
  LastTextRect = textRect;
}

bool TSkinCheckRadio::HasPicture() const {
  return !SkinData || UsableStrip(Strip(), StripCells());
}
