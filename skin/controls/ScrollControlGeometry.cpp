#include "skin/controls/ScrollControlGeometry.h"

#include <algorithm>

namespace {

// Stands in for a range of nothing, so the thumb stays at the first arrow.
constexpr int kEmptySpan = 9999999;
constexpr int kShortestThumb = 8;

}  // namespace

TThumbExtent ScrollControlThumb(int length, int arrow, int min, int max, int page, int position) {
  const int span = max > min ? max - min : kEmptySpan;
  const int offset = position - min;
  TThumbExtent thumb;
  if (page > 0) {
    int track = length - 2 * arrow;
    int thumbLength = MulDiv(track, page - 1, span);
    if (thumbLength <= kShortestThumb - 1) {
      thumbLength = kShortestThumb;
      track -= kShortestThumb;
    } else {
      // A page larger than the range would run the thumb over the arrow.
      thumbLength = std::min(thumbLength, track);
    }
    thumb.Start = arrow + (offset == 0 ? 0 : MulDiv(track, offset, span));
    thumb.End = thumb.Start + thumbLength;
  } else {
    thumb.Start = arrow + (offset == 0 ? 0 : MulDiv(length - 3 * arrow, offset, span));
    thumb.End = thumb.Start + arrow;
  }
  return thumb;
}

bool ReadScrollControl(HWND control, int arrow, bool vertical, SCROLLBARINFO& info) {
  RECT bar{};
  if (!control || !GetWindowRect(control, &bar)) return false;
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_ALL;
  if (!GetScrollInfo(control, SB_CTL, &scroll)) return false;
  info = SCROLLBARINFO{};
  info.cbSize = sizeof info;
  info.rcScrollBar = bar;
  info.dxyLineButton = arrow;
  const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
  const TThumbExtent thumb = ScrollControlThumb(length, arrow, scroll.nMin, scroll.nMax,
                                                static_cast<int>(scroll.nPage), scroll.nPos);
  info.xyThumbTop = thumb.Start;
  info.xyThumbBottom = thumb.End;
  if (!IsWindowEnabled(control)) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  return true;
}
