#include "skin/controls/SkinTabPages.h"

#include <commctrl.h>

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinDrawing.h"
#include "skin/controls/SkinTabItems.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

const TClassInfo& TSkinTabBtn::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinTabBtn>("TSkinTabBtn", &TSkinControl::StaticClass()).Build();
  return info;
}

TSkinTabBtn::TSkinTabBtn(TControl* control)
    : TSkinControl(control), strip_(std::make_unique<TBitmap>()) {}

TSkinTabBtn::~TSkinTabBtn() = default;

bool TSkinTabBtn::BeforeProc(TMessage& message) {
  if (message.Msg == WM_PAINT) {
    PaintInPlace(message);
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinTabBtn::DrawControl(HDC dc, const RECT& rect) {
  if (!SkinData) return;
  const TDataSkinButton& element = *SkinData->Skin().Buttons;
  if (element.Image->Empty()) return;
  Enabled = Control ? Control->Enabled() : IsWindowEnabled(Handle) != FALSE;
  const RECT display = TabDisplayRect(Handle, rect);
  const RECT area{rect.left, rect.top, rect.right, display.top + 1};
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  strip_->SetPixelFormat(pf24bit);
  strip_->SetSize(width, height);
  const HDC strip = strip_->PixelDC();
  if (!strip) return;
  FillFace(strip, RECT{0, 0, width, height}, SkinData);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  const TSelection selectedFont(strip, font);
  SetTextColor(strip, RGB(0, 0, 0));

  const auto count = static_cast<int>(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0));
  const int current = CurrentTab(Handle);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
  for (int i = 0; i < count; ++i) {
    TTabItem item;
    if (!ReadTabItem(Handle, Unicode != 0, i, item)) continue;
    RECT tab = item.Rect;
    OffsetRect(&tab, 0, 1);
    const bool selected = i == current;
    DrawElementFrame(strip, element, tab, selected ? bfPressed : bfNormal);
    TColor colour = clBlack;
    if (!selected && element.HasNormalColour2) colour = element.NormalColour2;
    if (selected && element.HasPressedColour2) colour = element.PressedColour2;
    DrawTabImageAndText(strip, tab, item, images, colour, !Enabled, TextFlags());
  }
  BitBlt(dc, area.left, area.top, width, height, strip, 0, 0, SRCCOPY);
}

const TClassInfo& TSkinTabSheet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinTabSheet>("TSkinTabSheet", &TSkinControl::StaticClass()).Build();
  return info;
}

bool TSkinTabSheet::BeforeProc(TMessage& message) {
  if (!TSkinControl::BeforeProc(message)) return false;
  // With its parent's background kept, the page shows what is behind it.
  if (Mode != 0) return true;
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      PaintInPlace(message);
      return false;
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(Handle, &client);
      FillRect(reinterpret_cast<HDC>(message.WParam), &client, SkinData->Skin().FaceBrush.Get());
      message.Result = 1;
      return false;
    }
    default:
      return true;
  }
}

void TSkinTabSheet::DrawControl(HDC dc, const RECT& rect) {
  if (!SkinData) return;
  FillFace(dc, rect, SkinData);
  // The page's own painting never runs, so its labels are painted here.
  if (auto* page = dynamic_cast<TWinControl*>(Control)) page->PaintControls(dc, nullptr);
}
