// The window's shape: the skinned frame without the magenta pixels of its
// border images.
#include "skin/data/WinSkinData.h"
#include "skin/draw/ImgUtil.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr TColor kMagenta = 0xFF00FF;

HRGN RectRegion(int left, int top, int right, int bottom) {
  return CreateRectRgn(left, top, right, bottom);
}

}  // namespace

void TWinSkinForm::BuildRegion() {
  RECT window{};
  if (!GetWindowRect(Handle, &window)) return;
  BuildRegion(window.right - window.left, window.bottom - window.top);
}

void TWinSkinForm::BuildRegion(int w, int h) {
  if (AttachState == asGone || !SkinFrame) return;
  if (MDIKind == mkChild && Placement != plNormal) return;
  if (w <= 0 || h <= 0) return;
  if (w == RegionWidth && h == RegionHeight && MDIKind != mkChild && AttachState != asReapplying &&
      HasRegion) {
    return;
  }
  // A new window region replaces the old one, which the system then deletes.
  HasRegion = false;
  RegionWidth = w;
  RegionHeight = h;

  const TSkinElements& skin = SkinData->Skin();
  const bool anyTransparent =
      skin.Left->Trans || skin.Right->Trans || skin.Top->Trans || skin.Bottom->Trans;
  if (!anyTransparent) {
    HasRegion = SetWindowRgn(Handle, RectRegion(0, 0, w, h), TRUE) != 0;
    return;
  }
  TRegionHandle inner(RectRegion(FrameLeft, FrameTop, w - FrameRight, h - FrameBottom));
  if (BorderKind == bkNoCaption) {
    HasRegion = SetWindowRgn(Handle, inner.Release(), TRUE) != 0;
    return;
  }
  // One border part: the non-magenta pixels of the piece as drawn now.
  const auto part = [this](int piece, bool transparent, bool drawable, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (!transparent || !drawable || width <= 0 || height <= 0) {
      return TRegionHandle(RectRegion(rect.left, rect.top, rect.right, rect.bottom));
    }
    TBitmap bitmap(width, height, pf24bit);
    PaintBorderPiece(piece, RECT{0, 0, width, height}, bitmap.Canvas().Handle());
    return TRegionHandle(RegionFromBitmap(bitmap, rect.left, rect.top, 1, 1, 1, kMagenta));
  };
  const TRegionHandle left = part(1, skin.Left->Trans != 0, h > 1, RECT{0, 0, FrameLeft, h});
  const TRegionHandle right = part(2, skin.Right->Trans != 0, h > 1, RECT{w - FrameRight, 0, w, h});
  const TRegionHandle bottom = part(4, skin.Bottom->Trans != 0, FrameBottom >= 2,
                                    RECT{FrameLeft, h - FrameBottom, w - FrameRight, h});
  const TRegionHandle top =
      part(3, skin.Top->Trans != 0, FrameTop > 1, RECT{FrameLeft, 0, w - FrameRight, FrameTop});
  CombineRgn(left.Get(), left.Get(), right.Get(), RGN_OR);
  CombineRgn(top.Get(), top.Get(), bottom.Get(), RGN_OR);
  CombineRgn(top.Get(), top.Get(), left.Get(), RGN_OR);
  CombineRgn(inner.Get(), inner.Get(), top.Get(), RGN_OR);
  // The system owns the region from here on.
  HasRegion = SetWindowRgn(Handle, inner.Release(), TRUE) != 0;
}

void TWinSkinForm::RemoveRegion() {
  if (!HasRegion) return;
  SetWindowRgn(Handle, nullptr, MDIKind == mkChild);
  HasRegion = false;
}
