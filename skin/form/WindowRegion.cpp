// The window's shape: the skinned frame without the magenta pixels of its
// border images.
#include "skin/data/WinSkinData.h"
#include "skin/draw/ImgUtil.h"
#include "skin/form/FormFrame.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr TColor kMagenta = 0xFF00FF;

HRGN RectRegion(int left, int top, int right, int bottom) {
  return CreateRectRgn(left, top, right, bottom);
}

}  // namespace

void TFormFrame::BuildRegion() {
  RECT window{};
  if (!GetWindowRect(form_.Handle(), &window)) return;
  BuildRegion(window.right - window.left, window.bottom - window.top);
}

// The region already set fits a window of w by h.
bool TFormFrame::RegionCurrent(int w, int h) const {
  return w == regionWidth_ && h == regionHeight_ && form_.Window().MDIKind != mkChild &&
         form_.AttachState() != asReapplying && hasRegion_;
}

void TFormFrame::BuildRegion(int w, int h) {
  if (form_.AttachState() == asGone || !form_.Window().SkinFrame) return;
  if (form_.Window().MDIKind == mkChild && form_.Window().Placement != plNormal) return;
  if (w <= 0 || h <= 0 || RegionCurrent(w, h)) return;
  // A new window region replaces the old one, which the system then deletes.
  hasRegion_ = false;
  regionWidth_ = w;
  regionHeight_ = h;
  const TSkinElements& skin = form_.SkinData()->Skin();
  const bool anyTransparent =
      skin.Left->Trans || skin.Right->Trans || skin.Top->Trans || skin.Bottom->Trans;
  if (!anyTransparent) {
    hasRegion_ = SetWindowRgn(form_.Handle(), RectRegion(0, 0, w, h), TRUE) != 0;
    return;
  }
  CutRegion(w, h);
}

// The client rectangle and the border pieces without their magenta pixels.
void TFormFrame::CutRegion(int w, int h) {
  const HWND window = form_.Handle();
  TRegionHandle inner(RectRegion(left_, top_, w - right_, h - bottom_));
  if (form_.Window().BorderKind == bkNoCaption) {
    hasRegion_ = SetWindowRgn(window, inner.Release(), TRUE) != 0;
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
    form_.PaintBorderPiece(piece, RECT{0, 0, width, height}, bitmap.Canvas().Handle());
    return TRegionHandle(RegionFromBitmap(bitmap, rect.left, rect.top, 1, 1, 1, kMagenta));
  };
  const TSkinElements& skin = form_.SkinData()->Skin();
  const TRegionHandle left = part(1, skin.Left->Trans != 0, h > 1, RECT{0, 0, left_, h});
  const TRegionHandle right = part(2, skin.Right->Trans != 0, h > 1, RECT{w - right_, 0, w, h});
  const TRegionHandle bottom =
      part(4, skin.Bottom->Trans != 0, bottom_ >= 2, RECT{left_, h - bottom_, w - right_, h});
  const TRegionHandle top =
      part(3, skin.Top->Trans != 0, top_ > 1, RECT{left_, 0, w - right_, top_});
  CombineRgn(left.Get(), left.Get(), right.Get(), RGN_OR);
  CombineRgn(top.Get(), top.Get(), bottom.Get(), RGN_OR);
  CombineRgn(top.Get(), top.Get(), left.Get(), RGN_OR);
  CombineRgn(inner.Get(), inner.Get(), top.Get(), RGN_OR);
  // The system owns the region from here on.
  hasRegion_ = SetWindowRgn(window, inner.Release(), TRUE) != 0;
}

void TFormFrame::RemoveRegion() {
  if (!hasRegion_) return;
  SetWindowRgn(form_.Handle(), nullptr, form_.Window().MDIKind == mkChild);
  hasRegion_ = false;
}

void TFormFrame::ForgetRegion() {
  SetWindowRgn(form_.Handle(), nullptr, TRUE);
  hasRegion_ = false;
}
