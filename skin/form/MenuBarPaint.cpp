// Painting the menu bar: the band composed off-screen from the skin's menu
// bar element (frame 1 active, 2 inactive), the captions over it, and one
// item repainted over the kept background when its state changes.
#include <algorithm>

#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/form/SkinMenuBar.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Colors.h"

namespace {

constexpr int kMenuBarButtons = 100;
constexpr int kRightToLeftButtonGap = 5;
constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

COLORREF Rgb(TColor colour) { return static_cast<COLORREF>(ColorToRGB(colour)); }

}  // namespace

void TWinSkinMenu::PaintBar(HDC dc, const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  scratch_->SetSize(w, h);
  const HDC buffer = scratch_->Canvas().Handle();
  const RECT whole{0, 0, w, h};
  const auto& element = SkinData.Skin().MenuBar;
  if (element && !element->Image->Empty()) {
    const int frame = Form.Window().Active ? 1 : 2;
    const RECT margins = element->Margins();
    if (element->Tile == 1) {
      DrawFramedImage(buffer, whole, *element->Image, true, false, false, 2, frame, margins);
    } else {
      DrawHorzBand(scratch_->Canvas(), whole, *element->Image, true, false, 2, frame, margins);
    }
  } else {
    const TBrushHandle brush(CreateSolidBrush(Rgb(SkinData.Skin().Colour(scMenubar))));
    FillRect(buffer, &whole, brush.Get());
  }
  BarRect = r;
  background_->Assign(scratch_.get());

  LayoutItems();
  if (Form.Window().RightToLeft && Form.Window().MDIKind == mkFrame) {
    // A maximised child's buttons sit at the left end of a right-to-left bar.
    int left = r.right;
    for (int i = 0; i < Form.Caption().ButtonCount(); ++i) {
      const TWinSysButton& button = *Form.Caption().Button(i);
      if (button.Visible && button.Element->Visibility == kMenuBarButtons) {
        left = std::min<int>(left, button.Rect.left);
      }
    }
    if (left < r.right) {
      const int shift = left - kRightToLeftButtonGap - r.right + Form.Frame().Right();
      for (const auto& item : items_) OffsetRect(&item->Rect, shift, 0);
    }
  }
  for (const auto& item : items_) {
    if (!item->Visible || item->Caption.empty()) continue;
    RECT rect = item->Rect;
    OffsetRect(&rect, -r.left, -r.top);
    DrawItemCaption(buffer, item->Caption, item->Enabled, rect);
  }
  PaintMdiButtons(buffer);
  BitBlt(dc, r.left, r.top, w, h, buffer, 0, 0, SRCCOPY);
}

void TWinSkinMenu::DrawItemCaption(HDC dc, const std::wstring& caption, bool enabled,
                                   RECT rect) const {
  const TSelection font(dc, menuFont_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc,
               enabled ? Rgb(SkinData.Skin().Colour(scMenuBarText)) : GetSysColor(COLOR_GRAYTEXT));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, kCaptionFormat);
}

// The maximised MDI child's buttons belong to the bar while it is maximised.
void TWinSkinMenu::PaintMdiButtons(HDC dc) {
  if (Form.Window().MDIKind != mkFrame || !Form.Window().MDIClient) return;
  BOOL maximised = FALSE;
  const auto child = SendMessageW(Form.Window().MDIClient, WM_MDIGETACTIVE, 0,
                                  reinterpret_cast<LPARAM>(&maximised));
  if (!child || !maximised) return;
  for (int i = 0; i < Form.Caption().ButtonCount(); ++i) {
    const TWinSysButton& button = *Form.Caption().Button(i);
    const TDataSkinSysButton& e = *button.Element;
    if (!button.Visible || e.Visibility != kMenuBarButtons || e.Image->Empty()) continue;
    RECT rect = button.Rect;
    OffsetRect(&rect, -Form.Frame().Left(), -Form.Frame().Top());
    DrawStretchedFrame(dc, rect, *e.Image, true, e.Frame, bfNormal);
  }
  if (TSkinSession* session = Form.Session()) session->SetMdiMaximised(true);
}

void TMenuBtn::Paint() {
  if (!Visible || Caption.empty() || Bar.Background().Empty()) return;
  const TWindowDC dc(Form.Handle(), TDCArea::Window);
  if (!dc.Get()) return;
  const RECT& bar = Bar.BarRect;
  const int left = std::max(Rect.left, bar.left), right = std::min(Rect.right, bar.right);
  if (right <= left) return;
  BitBlt(dc.Get(), left, bar.top, right - left, bar.bottom - bar.top,
         Bar.Background().Canvas().Handle(), left - bar.left, 0, SRCCOPY);
  if (State == nsHot || State == nsPressed) {
    const TBrushHandle brush(CreateSolidBrush(Rgb(Bar.SkinData.Skin().Colour(scButtonHilight))));
    FrameRect(dc.Get(), &Rect, brush.Get());
  }
  Bar.DrawItemCaption(dc.Get(), Caption, Enabled, Rect);
}
