// Counting rules of skin images that need no bitmap: frame counts, the MDI
// button strip split and the points sampled from images.
#pragma once

// A frame or cell count from a skin divides image sizes: below 1 it counts as 1.
constexpr int FrameCountOf(int count) { return count < 1 ? 1 : count; }

// Frame count of a caption button. A skin that gives no frame count (0) gets
// 3 for a strip at most 3.8 times as wide as high, otherwise (and for buttons
// with a negative action, or without an image) 6. A count above the strip's
// width counts as 1.
int CaptionButtonFrame(int skinFrame, int imageWidth, int imageHeight, int action);

// Frame count of the check box or radio button strip when the skin gives
// none: 13-pixel cells in a strip lower than 16 pixels, else 16-pixel cells;
// never fewer than 4.
int CheckRadioFrame(int imageWidth, int imageHeight);

// The MDI button strip holds 12 cells side by side, four per button: button
// i (the records of actions 7, 8 and 9 in turn) takes the columns
// [SourceLeft, SourceLeft + Width) and sits Xcoord pixels from the right.
struct TMdiButtonCut {
  int SourceLeft;
  int Width;
  int Xcoord;
};
TMdiButtonCut MdiButtonCut(int stripWidth, int index);

// The pixel of the Top border image that gives the caption sample colour.
struct TSamplePoint {
  int X;
  int Y;
};
TSamplePoint CaptionSamplePoint(int imageWidth, int imageHeight, int topFrame);

// Blend weight of the caption colour against white at the bottom of the
// Toolbar gradient, for a strongly saturated caption colour.
int ToolbarSaturatedWeight(int saturation);
