// The cover's picture: track, the two arrows, the thumb and its grip, from
// the bar's geometry as the system reports it, composed off-screen.
#include <algorithm>
#include <cstdlib>

#include "skin/controls/ScrollCover.h"
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
constexpr int kTrackEnabledFrame = 1;
constexpr int kTrackDisabledFrame = 3;

RECT MarginsOf(const TDataSkinObject& element) {
  return RECT{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
}

// A span along the bar's axis as a rectangle across its whole thickness.
RECT Span(bool vertical, int from, int to, int across) {
  return vertical ? RECT{0, from, across, to} : RECT{from, 0, to, across};
}

}  // namespace

void TWScrollbar::FollowThumb(const SCROLLBARINFO& info) {
  const int thumbLength = info.xyThumbBottom - info.xyThumbTop;
  if (Pressed && Part == spThumb && BarKind != sbkControl) {
    POINT cursor{};
    GetCursorPos(&cursor);
    int start = DragThumbStart + Along(cursor) - Along(DragCursor);
    // Lower bound last: a bar too short for its thumb keeps it at the arrow.
    start = std::max(std::min(start, Length - ArrowSize - thumbLength), ArrowSize);
    ThumbStart = start;
    ThumbEnd = start + thumbLength;
    return;
  }
  ThumbStart = info.xyThumbTop;
  ThumbEnd = info.xyThumbBottom;
}

void TWScrollbar::Paint(HDC dc) {
  if (!SkinData) return;
  const TSkinElements& skin = SkinData->Skin();
  TDataSkinObject* strip = skin.Scrollbar.get();
  if (!strip || strip->Image->Empty()) return;
  SCROLLBARINFO info{};
  if (!ReadBar(info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
  const int width = info.rcScrollBar.right - info.rcScrollBar.left;
  const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
  RECT client{};
  if (window_) GetClientRect(window_, &client);
  if (width <= 0 || height <= 0 || width > client.right || height > client.bottom) return;

  // A disabled window's bar is shown disabled even where the system still
  // reports it available.
  const bool enabled =
      !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) && IsWindowEnabled(Target) != FALSE;
  Length = Vertical ? height : width;
  const int across = Vertical ? width : height;
  int thickness = strip->Image->Height();
  if (std::abs(thickness - ArrowSize) > 2) thickness = ArrowSize;

  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(width, height);
  const HDC buffer = picture.PixelDC();
  if (!buffer) return;
  SetStretchBltMode(buffer, COLORONCOLOR);
  FillFace(buffer, RECT{0, 0, width, height}, SkinData);

  // Track, with the tile mode of the horizontal track for both bars.
  const TDataSkinObject* track = Vertical ? skin.VertScroll.get() : skin.HorzScroll.get();
  if (track && !track->Image->Empty()) {
    const bool tile = skin.HorzScroll && skin.HorzScroll->Tile != 0;
    DrawFramedImage(buffer, Span(Vertical, ArrowSize, Length - ArrowSize, across), *track->Image,
                    false, tile, track->Trans == 1, kTrackFrames,
                    enabled ? kTrackEnabledFrame : kTrackDisabledFrame, MarginsOf(*track));
  }

  // Arrows; a bar shorter than two arrows gives each half of it.
  const int arrow = Length < 2 * ArrowSize ? Length / 2 : ArrowSize;
  const auto arrowCell = [&](int cell, int part) {
    if (Part != part) return cell;
    return cell + (Pressed ? kPressedStep : kArrowHotStep);
  };
  DrawStripCell(buffer, *strip->Image, kStripCells,
                arrowCell(Vertical ? kUpArrowCell : kLeftArrowCell, spFirstArrow),
                Span(Vertical, 0, arrow, across));
  DrawStripCell(buffer, *strip->Image, kStripCells,
                arrowCell(Vertical ? kDownArrowCell : kRightArrowCell, spSecondArrow),
                Span(Vertical, Length - arrow, Length, across));

  FollowThumb(info);
  if (enabled && ThumbEnd > ThumbStart && ThumbStart >= 0 && ThumbEnd <= Length) {
    const TDataSkinObject* thumb =
        Vertical ? skin.VertScrollThumb.get() : skin.HorzScrollThumb.get();
    const TDataSkinObject* counted = skin.HorzScrollThumb.get();
    if (thumb && counted && !thumb->Image->Empty()) {
      const int frames = std::max(counted->Frame, 1);
      int frame = 1;
      if (Part == spThumb) frame = Pressed ? 2 : 3;
      DrawFramedImage(buffer, Span(Vertical, ThumbStart, ThumbEnd, thickness), *thumb->Image, false,
                      false, counted->Trans == 1, frames, std::min(frame, frames),
                      MarginsOf(*thumb));
    }
    const int thumbLength = ThumbEnd - ThumbStart;
    if (thumbLength > strip->Image->Height() + 2) {
      int grip = Vertical ? kVertGripCell : kHorzGripCell;
      if (Part == spThumb) grip += Pressed ? kPressedStep : kGripHotStep;
      const int start = ThumbStart + (thumbLength - thickness) / 2;
      if (start >= 0 && start + thickness <= Length) {
        DrawStripCell(buffer, *strip->Image, kStripCells, grip,
                      Span(Vertical, start, start + thickness, thickness));
      }
    }
  }
  BitBlt(dc, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
}
