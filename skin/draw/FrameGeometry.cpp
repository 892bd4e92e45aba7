#include "skin/draw/FrameGeometry.h"

#include <algorithm>

TFrameRect FrameOf(int bitmapWidth, int bitmapHeight, bool vertical, int count, int index) {
  count = std::max(count, 1);
  index = std::clamp(index, 1, count);
  TFrameRect frame;
  frame.Width = std::max(vertical ? bitmapWidth : bitmapWidth / count, 0);
  frame.Height = std::max(vertical ? bitmapHeight / count : bitmapHeight, 0);
  if (vertical)
    frame.Y = (index - 1) * frame.Height;
  else
    frame.X = (index - 1) * frame.Width;
  return frame;
}

TMargins SaneMargins(int left, int top, int right, int bottom) {
  return TMargins{std::max(left, 0), std::max(top, 0), std::max(right, 0), std::max(bottom, 0)};
}
