// The cover's picture: the bar's geometry as the system reports it, with
// the thumb under the pointer while it is dragged, drawn as any skinned bar.
#include <algorithm>

#include "skin/controls/ScrollBarPicture.h"
#include "skin/controls/ScrollCover.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/graphics/Bitmap.h"

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
  // Without the strip nothing is drawn, and the thumb is left where it was.
  if (!SkinData || !SkinData->Skin().Scrollbar || SkinData->Skin().Scrollbar->Image->Empty()) {
    return;
  }
  SCROLLBARINFO info{};
  if (!ReadBar(info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
  const int width = info.rcScrollBar.right - info.rcScrollBar.left;
  const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
  RECT client{};
  if (window_) GetClientRect(window_, &client);
  if (width <= 0 || height <= 0 || width > client.right || height > client.bottom) return;

  Length = Vertical ? height : width;
  FollowThumb(info);
  TScrollBarLook look;
  look.Vertical = Vertical;
  look.Width = width;
  look.Height = height;
  look.ArrowSize = ArrowSize;
  look.Part = Part;
  look.Pressed = Pressed;
  // A disabled window's bar is shown disabled even where the system still
  // reports it available.
  look.Enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) && IsWindowEnabled(Target) != FALSE;
  look.ThumbStart = ThumbStart;
  look.ThumbEnd = ThumbEnd;
  DrawScrollBarPicture(dc, 0, 0, *SkinData, look);
}
