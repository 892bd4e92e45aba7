// The window icon on the caption: copied at the caption's size when the icon
// changes, and the picture an icon button shows without one.
#include "skin/draw/FramedImage.h"
#include "skin/form/CaptionBar.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr int kIconLeft = 8;

}  // namespace

namespace {

HICON WindowIconOf(HWND window) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  return icon;
}

}  // namespace

void TCaptionBar::RebuildIcon() {
  const int cx = GetSystemMetrics(SM_CXSMICON);
  const int cy = GetSystemMetrics(SM_CYSMICON);
  iconBitmap_->SetPixelFormat(pf16bit);
  iconBitmap_->SetSize(cx, cy);
  TCanvas& canvas = iconBitmap_->Canvas();
  canvas.Brush().SetColor(clFuchsia);
  canvas.FillRect(RECT{0, 0, cx, cy});
  const HICON icon = WindowIconOf(form_.Handle());
  icon_.Reset(icon ? static_cast<HICON>(CopyImage(icon, IMAGE_ICON, smallIconSize_, smallIconSize_,
                                                  LR_COPYFROMRESOURCE))
                   : nullptr);
  if (!icon) return;
  if (const auto copy =
          static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE))) {
    DrawIconEx(canvas.Handle(), 0, 0, copy, cx, cy, 0, nullptr, DI_NORMAL);
    DestroyIcon(copy);
  }
}

void TCaptionBar::DrawIcon(HDC dc, const RECT& rect) const {
  if (icon_) {
    const int y = textRect_.top + ((textRect_.bottom - textRect_.top) - smallIconSize_) / 2;
    DrawIconEx(dc, kIconLeft, y, icon_.Get(), smallIconSize_, smallIconSize_, 0, nullptr,
               DI_NORMAL);
    return;
  }
  DrawTransparent(dc, rect, *iconBitmap_, clFuchsia);
}
