#include "skin/data/SkinFrameRules.h"

#include <algorithm>

int CaptionButtonFrame(int skinFrame, int imageWidth, int imageHeight, int action) {
  // A strip cut into more frames than it has columns is one frame.
  if (skinFrame != 0) return imageWidth > 0 && skinFrame > imageWidth ? 1 : FrameCountOf(skinFrame);
  int frame = 6;
  if (imageWidth > 0 && imageHeight > 0)
    frame = static_cast<double>(imageWidth) / imageHeight <= 3.8 ? 3 : 6;
  if (action < 0) frame = 6;
  return frame;
}

int CheckRadioFrame(int imageWidth, int imageHeight) {
  const int cell = imageHeight < 16 ? 13 : 16;
  return std::max(4, imageWidth / cell);
}

TMdiButtonCut MdiButtonCut(int stripWidth, int index) {
  const int cell = stripWidth / 12;
  return {4 * cell * index, 4 * cell, (cell + 4) * (3 - index)};
}

TSamplePoint CaptionSamplePoint(int imageWidth, int imageHeight, int topFrame) {
  return {imageWidth / 3, imageHeight / FrameCountOf(topFrame) / 3};
}

int ToolbarSaturatedWeight(int saturation) { return (5625 - 25 * saturation) / 140 + 50; }
