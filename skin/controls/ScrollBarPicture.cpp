#include "skin/controls/ScrollBarPicture.h"

#include <algorithm>
#include <cstdlib>

#include "skin/controls/SkinDrawing.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

// The "Scrollbar" strip: arrows and grips, pressed +1, hot +3 (grips +2).
constexpr int kStripCells = 23;
constexpr int kLeftArrowCell = 1;
constexpr int kRightArrowCell = 5;
constexpr int kUpArrowCell = 9;
constexpr int kDownArrowCell = 13;
constexpr int kHorzGripCell = 17;
constexpr int kVertGripCell = 20;
constexpr int kPressedStep = 1;
constexpr int kArrowHotStep = 3;
constexpr int kGripHotStep = 2;
constexpr int kTrackFrames = 4;

RECT Span(bool vertical, int from, int to, int across) {
  return vertical ? RECT{0, from, across, to} : RECT{from, 0, to, across};
}

void DrawThumb(HDC dc, const TSkinElements& skin, const TScrollBarLook& look, int length,
               int thickness) {
  const bool vertical = look.Vertical;
  const TDataSkinObject* thumb = vertical ? skin.VertScrollThumb.get() : skin.HorzScrollThumb.get();
  const TDataSkinObject* counted = skin.HorzScrollThumb.get();
  if (thumb && counted && !thumb->Image->Empty()) {
    const int frames = std::max(counted->Frame, 1);
    int frame = 1;
    if (look.Part == SB_THUMBTRACK) frame = look.Pressed ? 2 : 3;
    DrawFramedImage(dc, Span(vertical, look.ThumbStart, look.ThumbEnd, thickness), *thumb->Image,
                    false, false, counted->Trans == 1, frames, std::min(frame, frames),
                    thumb->Margins());
  }
  TBitmap& strip = *skin.Scrollbar->Image;
  const int thumbLength = look.ThumbEnd - look.ThumbStart;
  if (thumbLength <= strip.Height() + 2) return;
  int grip = vertical ? kVertGripCell : kHorzGripCell;
  if (look.Part == SB_THUMBTRACK) grip += look.Pressed ? kPressedStep : kGripHotStep;
  const int start = look.ThumbStart + (thumbLength - thickness) / 2;
  if (start >= 0 && start + thickness <= length) {
    DrawStripCell(dc, strip, kStripCells, grip,
                  Span(vertical, start, start + thickness, thickness));
  }
}

}  // namespace

bool DrawScrollBarPicture(HDC dc, int x, int y, const TSkinData& skinData,
                          const TScrollBarLook& look) {
  const TSkinElements& skin = skinData.Skin();
  const TDataSkinObject* strip = skin.Scrollbar.get();
  if (!strip || strip->Image->Empty() || look.Width <= 0 || look.Height <= 0) return false;
  const bool vertical = look.Vertical;
  const int length = vertical ? look.Height : look.Width;
  const int across = vertical ? look.Width : look.Height;
  int thickness = strip->Image->Height();
  if (std::abs(thickness - look.ArrowSize) > 2) thickness = look.ArrowSize;

  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(look.Width, look.Height);
  const HDC buffer = picture.PixelDC();
  if (!buffer) return false;
  SetStretchBltMode(buffer, COLORONCOLOR);
  FillFace(buffer, RECT{0, 0, look.Width, look.Height}, &skinData);

  const TDataSkinObject* track = vertical ? skin.VertScroll.get() : skin.HorzScroll.get();
  if (track && !track->Image->Empty()) {
    const bool tile = skin.HorzScroll && skin.HorzScroll->Tile != 0;
    DrawFramedImage(buffer, Span(vertical, look.ArrowSize, length - look.ArrowSize, across),
                    *track->Image, false, tile, track->Trans == 1, kTrackFrames,
                    look.Enabled ? 1 : 3, track->Margins());
  }
  const int arrow = length < 2 * look.ArrowSize ? length / 2 : look.ArrowSize;
  const auto arrowCell = [&](int cell, int part) {
    if (look.Part != part) return cell;
    return cell + (look.Pressed ? kPressedStep : kArrowHotStep);
  };
  DrawStripCell(buffer, *strip->Image, kStripCells,
                arrowCell(vertical ? kUpArrowCell : kLeftArrowCell, SB_LINEUP),
                Span(vertical, 0, arrow, across));
  DrawStripCell(buffer, *strip->Image, kStripCells,
                arrowCell(vertical ? kDownArrowCell : kRightArrowCell, SB_LINEDOWN),
                Span(vertical, length - arrow, length, across));
  if (look.Enabled && look.ThumbEnd > look.ThumbStart && look.ThumbStart >= 0 &&
      look.ThumbEnd <= length) {
    DrawThumb(buffer, skin, look, length, thickness);
  }
  BitBlt(dc, x, y, look.Width, look.Height, buffer, 0, 0, SRCCOPY);
  return true;
}
