// One scroll bar's picture from the skin's scroll-bar images: track, the two
// arrows, the thumb and its grip, for bars that are painted in place (the
// combo box's drop-down list) rather than covered by a window of ours.
#pragma once

#include <windows.h>

class TSkinData;

struct TScrollBarLook {
  bool Vertical = true;
  int Width = 0;  // the bar's rectangle
  int Height = 0;
  int ArrowSize = 0;
  int Part = -1;  // the highlighted part as a scroll code, -1 for none
  bool Pressed = false;
  bool Enabled = true;
  int ThumbStart = 0;  // along the axis, in bar coordinates
  int ThumbEnd = 0;
};

// Composed off-screen and copied to (x, y) of dc; false (nothing drawn)
// while the skin has no "Scrollbar" image or the bar has no size.
bool DrawScrollBarPicture(HDC dc, int x, int y, const TSkinData& skinData,
                          const TScrollBarLook& look);
