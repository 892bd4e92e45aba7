#include "skin/controls/SkinHeader.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "skin/controls/SkinDrawing.h"
#include "skin/data/SkinSystem.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/ImgUtil.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

constexpr int kNormalFrame = 1;
constexpr int kHotFrame = 2;
// Item texts are read up to this many characters, the terminator included.
constexpr int kTextLength = 201;
// Room between an item's edge, its image and its text.
constexpr int kTextInset = 6;
constexpr int kImageGap = 3;

}  // namespace

UINT HeaderTextAlignment(int format) {
  switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
      return DT_RIGHT;
    case HDF_CENTER:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

const TClassInfo& TSkinHeader::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinHeader>("TSkinHeader", &TSkinControl::StaticClass()).Build();
  return info;
}

void TSkinHeader::InitSkin(TWinSkinForm* form, TSkinData* skinData, bool changeColor,
                           TCanvas* canvas) {
  HotItem = -1;
  TSkinControl::InitSkin(form, skinData, changeColor, canvas);
}

void TSkinHeader::InitWindow(HWND handle, TSkinData* skinData, TWinSkinForm* form,
                             TCanvas* canvas) {
  HotItem = -1;
  TSkinControl::InitWindow(handle, skinData, form, canvas);
}

// The header paints itself again from now on; it must show that at once,
// not at whatever paint comes next.
void TSkinHeader::Unskin() {
  const bool wasActive = Active;
  TSkinControl::Unskin();
  HotItem = -1;
  if (wasActive && State != scsGone && Handle && IsWindow(Handle)) {
    InvalidateRect(Handle, nullptr, TRUE);
  }
}

bool TSkinHeader::HasImage() const {
  const TDataSkinObject* bar = SkinData ? SkinData->Skin().Headerbar.get() : nullptr;
  return bar && !bar->Image->Empty();
}

bool TSkinHeader::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!HasImage()) break;
      PaintInPlace(message);
      return false;
    case WM_ERASEBKGND:
      if (!HasImage()) break;
      message.Result = 1;
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeProc(message);
}

// After the native header: it still tracks dividers, drags and clicks.
void TSkinHeader::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      if (IsWindowEnabled(Handle)) {
        SetHotItem(ItemAt(POINT{static_cast<short>(LOWORD(message.LParam)),
                                static_cast<short>(HIWORD(message.LParam))}));
        SkinTrackMouseLeave(Handle);
      }
      break;
    case WM_MOUSELEAVE:
      SetHotItem(-1);
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

int TSkinHeader::ItemAt(POINT point) const {
  for (size_t i = 0; i < ItemRects.size(); ++i) {
    if (PtInRect(&ItemRects[i], point)) return static_cast<int>(i);
  }
  return -1;
}

void TSkinHeader::SetHotItem(int item) {
  if (item == HotItem) return;
  HotItem = item;
  RequestRepaint();
}

void TSkinHeader::DrawControl(HDC dc, const RECT& /*rect*/) {
  if (!HasImage()) return;
  RECT client{};
  GetClientRect(Handle, &client);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) return;
  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(width, height);
  const HDC buffer = picture.PixelDC();
  if (!buffer) return;

  // The stretch past the last item looks like an item at rest.
  TDataSkinObject& bar = *SkinData->Skin().Headerbar;
  const int frames = std::max(bar.Frame, 1);
  FillFace(buffer, client, SkinData);
  DrawFramedImage(buffer, client, *bar.Image, false, bar.Tile != 0, bar.Trans == 1, frames,
                  kNormalFrame, bar.Margins());

  HFONT font = Control ? Control->Font()->Handle()
                       : reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const TSelection selectedFont(buffer, font);
  const bool enabled = (WindowLong(GWL_STYLE) & WS_DISABLED) == 0;
  const TColor ink = SkinData->Skin().Colour(enabled ? scButtonText : scButtonShadow);
  SetTextColor(buffer, static_cast<COLORREF>(ColorToRGB(ink)));
  SetBkMode(buffer, TRANSPARENT);

  const int count = std::max(0, static_cast<int>(SendMessageW(Handle, HDM_GETITEMCOUNT, 0, 0)));
  ItemRects.assign(static_cast<size_t>(count), RECT{});
  for (int i = 0; i < count; ++i) {
    RECT& item = ItemRects[static_cast<size_t>(i)];
    if (!SendMessageW(Handle, HDM_GETITEMRECT, static_cast<WPARAM>(i),
                      reinterpret_cast<LPARAM>(&item))) {
      item = RECT{};
      continue;
    }
    // A column dragged to nothing has nothing to show.
    if (item.right <= item.left || item.bottom <= item.top) continue;
    // A disabled header gets no mouse moves, so its last hot item is stale.
    DrawItem(buffer, i, item, enabled && i == HotItem);
  }
  BitBlt(dc, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
}

void TSkinHeader::DrawItem(HDC dc, int index, const RECT& rect, bool hot) {
  TDataSkinObject& bar = *SkinData->Skin().Headerbar;
  const int frames = std::max(bar.Frame, 1);
  const int frame = std::min(hot ? kHotFrame : kNormalFrame, frames);
  DrawFramedImage(dc, rect, *bar.Image, false, bar.Tile != 0, bar.Trans == 1, frames, frame,
                  bar.Margins());

  wchar_t text[kTextLength] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = kTextLength;
  if (!SendMessageW(Handle, HDM_GETITEMW, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(&item))) {
    return;
  }
  text[kTextLength - 1] = L'\0';

  // Text and image stay inside their item, however narrow it is.
  const TSavedDC saved(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  RECT room = rect;
  InflateRect(&room, -kTextInset, 0);

  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, HDM_GETIMAGELIST, 0, 0));
  int imageWidth = 0, imageHeight = 0;
  if ((item.fmt & HDF_IMAGE) && item.iImage >= 0 && images &&
      ImageList_GetIconSize(images, &imageWidth, &imageHeight) && imageWidth > 0) {
    const bool onRight = (item.fmt & HDF_BITMAP_ON_RIGHT) != 0;
    const int x = onRight ? room.right - imageWidth : room.left;
    const int y = rect.top + (rect.bottom - rect.top - imageHeight) / 2;
    ImageList_Draw(images, item.iImage, dc, x, y, ILD_TRANSPARENT);
    if (onRight) {
      room.right -= imageWidth + kImageGap;
    } else {
      room.left += imageWidth + kImageGap;
    }
  }
  const WideString caption(text, text + wcslen(text));
  if (!caption.empty() && room.right > room.left) {
    DrawSkinText(dc, caption, room,
                 HeaderTextAlignment(item.fmt) | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS |
                     DT_NOPREFIX | TextFlags());
  }
}

bool TSkinHeader::HasPicture() const { return !SkinData || HasImage(); }
