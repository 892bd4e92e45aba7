#include "skin/controls/SkinProgress.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/SkinDrawing.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/ImgUtil.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

constexpr int kTrackFrame = 1;
constexpr int kFilledFrame = 2;

}  // namespace

int ProgressFilledLength(int length, int position, int low, int high) {
  if (length <= 0 || high <= low) return 0;
  const int done = std::clamp(position, low, high) - low;
  // 64-bit: a range spanning most of the int line must not overflow.
  const long long filled =
      static_cast<long long>(length) * done / (static_cast<long long>(high) - low);
  return static_cast<int>(std::clamp<long long>(filled, 0, length));
}

const TClassInfo& TSkinProgress::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinProgress>("TSkinProgress", &TSkinControl::StaticClass()).Build();
  return info;
}

bool TSkinProgress::HasImage() const {
  const TDataSkinBorder* progress = SkinData ? SkinData->Skin().Progress.get() : nullptr;
  return progress && !progress->Image->Empty();
}

bool TSkinProgress::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    case WM_PAINT:
      if (!HasImage()) break;
      PaintInPlace(message);
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinProgress::DrawControl(HDC dc, const RECT& rect) {
  if (!HasImage()) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const bool vertical = (WindowLong(GWL_STYLE) & PBS_VERTICAL) != 0;
  PBRANGE range{};
  SendMessageW(Handle, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  const int position = static_cast<int>(SendMessageW(Handle, PBM_GETPOS, 0, 0));
  const int length = vertical ? height : width;
  const int filled = ProgressFilledLength(length, position, range.iLow, range.iHigh);

  // A vertical bar fills from the bottom: composed lying down with the
  // start on the left, turned a quarter to the left.
  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(length, vertical ? width : height);
  const HDC buffer = picture.PixelDC();
  if (!buffer) return;
  ComposeLyingDown(buffer, length, vertical ? width : height, filled);
  if (vertical) RotateLeft(picture);
  const HDC turned = picture.PixelDC();
  if (!turned) return;
  BitBlt(dc, rect.left, rect.top, width, height, turned, 0, 0, SRCCOPY);
}

void TSkinProgress::ComposeLyingDown(HDC dc, int length, int thickness, int filled) {
  const TSkinElements& skin = SkinData->Skin();
  TDataSkinBorder& progress = *skin.Progress;
  FillParentColour(dc, RECT{0, 0, length, thickness}, Control, SkinData);
  const RECT whole{0, 0, length, thickness};
  if (progress.Style != 1) {
    const int frames = std::max(progress.Frame, 1);
    DrawFramedImage(dc, whole, *progress.Image, false, progress.Tile != 0, true, frames,
                    kTrackFrame, progress.Margins());
    if (filled > 0 && frames >= kFilledFrame) {
      DrawFramedImage(dc, RECT{0, 0, filled, thickness}, *progress.Image, false, progress.Tile != 0,
                      true, frames, kFilledFrame, progress.Margins());
    }
    return;
  }
  DrawFramedImage(dc, whole, *progress.Image, false, progress.Tile != 0, true,
                  std::max(progress.Frame, 1), kTrackFrame, progress.Margins());
  const TDataSkinObject* chunk = skin.ProgressChunk.get();
  if (!chunk || chunk->Image->Empty() || filled <= 0) return;
  const int cells = std::max(chunk->Frame, 1);
  const int cellWidth = chunk->Image->Width() / cells;
  const int cellHeight = std::min(chunk->Image->Height(), thickness);
  if (cellWidth <= 0 || cellHeight <= 0) return;
  const int top = (thickness - cellHeight) / 2;
  // The chunks stop at the filled length; the last one is cut there.
  const TRegionHandle clip(CreateRectRgn(0, 0, filled, thickness));
  SelectClipRgn(dc, clip.Get());
  for (int x = 0; x < filled; x += cellWidth) {
    DrawStretchedFrame(dc, RECT{x, top, x + cellWidth, top + cellHeight}, *chunk->Image, true,
                       cells, 1);
  }
  SelectClipRgn(dc, nullptr);
}

bool TSkinProgress::HasPicture() const { return !SkinData || HasImage(); }
