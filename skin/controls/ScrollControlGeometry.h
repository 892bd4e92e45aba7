// Where the thumb of a scroll bar control lies, worked out from its range,
// page and position, for the cover laid over such a control (the system
// reports the geometry of a window's own bars only).
#pragma once

#include <windows.h>

struct TThumbExtent {
  int Start = 0;
  int End = 0;
};

// Along a bar of `length` pixels with arrows of `arrow` pixels. A page no
// larger than the range is drawn at least 8 pixels long; a range of nothing
// or a page of nothing never divides by zero.
TThumbExtent ScrollControlThumb(int length, int arrow, int min, int max, int page, int position);

// A SCROLLBARINFO for a scroll bar control: its whole window, the thumb
// from its scroll information, unavailable when the window is disabled.
bool ReadScrollControl(HWND control, int arrow, bool vertical, SCROLLBARINFO& info);
