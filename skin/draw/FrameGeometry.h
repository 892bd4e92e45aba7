// Where frame n of a framed image lies in its bitmap. Portable: the rule is
// the same whatever draws it.
#pragma once

struct TFrameRect {
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
};

// Frames are numbered from 1, side by side (or stacked when vertical). A
// count below 1 counts as 1 and an index outside 1..count is brought inside,
// so the frame never lies outside the bitmap.
TFrameRect FrameOf(int bitmapWidth, int bitmapHeight, bool vertical, int count, int index);

// Margins (left, top, right, bottom widths) that a negative skin value
// cannot turn into mirrored copies: each is at least 0.
struct TMargins {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};
TMargins SaneMargins(int left, int top, int right, int bottom);
