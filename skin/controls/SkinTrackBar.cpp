#include "skin/controls/SkinTrackBar.h"

#include <algorithm>

#include "skin/controls/SkinDrawing.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

constexpr int kThumbCells = 5;
constexpr int kThumbCell = 2;

// Copies, or leaves magenta out when the element asks for it.
void PutPiece(HDC dc, const RECT& dest, TBitmap& source, const RECT& from, bool transparent) {
  const int w = dest.right - dest.left, h = dest.bottom - dest.top;
  const int sw = from.right - from.left, sh = from.bottom - from.top;
  if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
  const HDC src = source.PixelDC();
  if (!src) return;
  if (transparent) {
    TransparentBlt(dc, dest.left, dest.top, w, h, src, from.left, from.top, sw, sh,
                   RGB(255, 0, 255));
  } else {
    StretchBlt(dc, dest.left, dest.top, w, h, src, from.left, from.top, sw, sh, SRCCOPY);
  }
}

}  // namespace

const TClassInfo& TSkinTrackBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinTrackBar>("TSkinTrackBar", &TSkinControl::StaticClass()).Build();
  return info;
}

void TSkinTrackBar::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                             TCanvas* canvas) {
  TSkinControl::InitSkin(form, skinData, changeColor, canvas);
  // The bar paints through its custom-draw stages only on its next paint.
  if (Handle) InvalidateRect(Handle, nullptr, TRUE);
}

void TSkinTrackBar::Unskin() {
  const bool wasActive = Active;
  TSkinControl::Unskin();
  if (wasActive && State != scsGone && Handle && IsWindow(Handle)) {
    InvalidateRect(Handle, nullptr, TRUE);
  }
}

bool TSkinTrackBar::Vertical() const { return (WindowLong(GWL_STYLE) & TBS_VERT) != 0; }

bool TSkinTrackBar::BeforeProc(TMessage& message) {
  if (message.Msg == WM_NOTIFY || message.Msg == CN_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if (header && header->code == static_cast<UINT>(NM_CUSTOMDRAW) && header->hwndFrom == Handle) {
      message.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(message.LParam));
      return false;
    }
  }
  return TSkinControl::BeforeProc(message);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
  switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      switch (draw.dwItemSpec) {
        case TBCD_THUMB:
          DrawThumb(draw.hdc);
          return CDRF_SKIPDEFAULT;
        case TBCD_CHANNEL: {
          RECT channel{};
          SendMessageW(Handle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
          // A standing bar reports its channel lying down; the stage's own
          // rectangle is the one on screen.
          if (Vertical() && !IsRectEmpty(&draw.rc)) channel = draw.rc;
          DrawChannel(draw.hdc, channel);
          return CDRF_SKIPDEFAULT;
        }
        default:
          return CDRF_DODEFAULT;  // the tics stay the system's
      }
    default:
      return CDRF_DODEFAULT;
  }
}

void TSkinTrackBar::DrawThumb(HDC dc) const {
  RECT thumb{};
  SendMessageW(Handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  if (thumb.right <= thumb.left || thumb.bottom <= thumb.top) return;
  const TSkinElements& skin = SkinData->Skin();
  const TDataSkinObject* strip = nullptr;
  if (Vertical() && skin.ThumbVert && !skin.ThumbVert->Image->Empty()) {
    strip = skin.ThumbVert.get();
  } else if (skin.ThumbHorz && !skin.ThumbHorz->Image->Empty()) {
    strip = skin.ThumbHorz.get();
  }
  if (strip) {
    DrawStripCell(dc, *strip->Image, kThumbCells, kThumbCell, thumb);
    return;
  }
  const TPenHandle pen(
      CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(skin.Colour(scButtonShadow)))));
  const TSelection selectedPen(dc, pen.Get());
  const TSelection hollow(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
}

void TSkinTrackBar::DrawChannel(HDC dc, const RECT& channel) const {
  const TSkinElements& skin = SkinData->Skin();
  const bool vertical = Vertical();
  const TDataSkinObject* element = vertical ? skin.TrackVert.get() : skin.Track.get();
  if (!element || element->Image->Empty()) return;
  TBitmap& image = *element->Image;
  const int iw = image.Width(), ih = image.Height();
  const bool transparent = element->Trans == 1;
  if (vertical) {
    // Top and bottom pieces at their size, the middle stretched between,
    // the image's own width centred across the channel.
    const int top = std::clamp(element->TopHeight, 0, ih),
              bottom = std::clamp(element->BottomHeight, 0, ih - top);
    const int left = channel.left + ((channel.right - channel.left) - iw) / 2;
    const RECT at{left, channel.top, left + iw, channel.bottom};
    PutPiece(dc, RECT{at.left, at.top, at.right, at.top + top}, image, RECT{0, 0, iw, top},
             transparent);
    PutPiece(dc, RECT{at.left, at.top + top, at.right, at.bottom - bottom}, image,
             RECT{0, top, iw, ih - bottom}, transparent);
    PutPiece(dc, RECT{at.left, at.bottom - bottom, at.right, at.bottom}, image,
             RECT{0, ih - bottom, iw, ih}, transparent);
    return;
  }
  const int leftWidth = std::clamp(element->LeftWidth, 0, iw);
  const int rightWidth = std::clamp(element->RightWidth, 0, iw - leftWidth);
  const int top = channel.top + ((channel.bottom - channel.top) - ih) / 2;
  const RECT at{channel.left, top, channel.right, top + ih};
  PutPiece(dc, RECT{at.left, at.top, at.left + leftWidth, at.bottom}, image,
           RECT{0, 0, leftWidth, ih}, transparent);
  PutPiece(dc, RECT{at.left + leftWidth, at.top, at.right - rightWidth, at.bottom}, image,
           RECT{leftWidth, 0, iw - rightWidth, ih}, transparent);
  PutPiece(dc, RECT{at.right - rightWidth, at.top, at.right, at.bottom}, image,
           RECT{iw - rightWidth, 0, iw, ih}, transparent);
}
