#include "skin/draw/SkinBounds.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kFrameShareOfScreen = 8;

}  // namespace

int BorderFrameCount(int imageLength, int frames) {
  return frames < 1 || frames > imageLength ? 1 : frames;
}

int FrameThickness(int imageLength, int frames, int screenLength) {
  const int thickness = std::max(imageLength, 0) / BorderFrameCount(imageLength, frames);
  return std::min(thickness, std::max(screenLength, 0) / kFrameShareOfScreen);
}

int ClampToRange(int value, int low, int high) { return std::clamp(value, low, std::max(low, high)); }

TCaptionShifts FitCaptionShifts(const TCaptionShifts& skin, int captionWidth, int captionHeight) {
  const int width = std::max(captionWidth, 0);
  const int height = std::max(captionHeight, 0);
  TCaptionShifts fitted;
  fitted.Left = ClampToRange(skin.Left, 0, width);
  fitted.Right = ClampToRange(skin.Right, 0, width);
  fitted.Vertical = ClampToRange(skin.Vertical, -height, height);
  fitted.StripLeft = ClampToRange(skin.StripLeft, 0, width);
  fitted.StripRight = ClampToRange(skin.StripRight, 0, width);
  return fitted;
}

int CaptionFitWidth(int width, int leftShift, int textWidth, int rightShift, int screenWidth) {
  const std::int64_t needed = static_cast<std::int64_t>(std::max(leftShift, 0)) +
                              std::max(textWidth, 0) + std::max(rightShift, 0);
  if (needed <= width) return width;
  return static_cast<int>(std::min<std::int64_t>(needed, std::max(width, screenWidth)));
}

int CaptionButtonOffset(int offset, int buttonWidth, int windowWidth, bool fromRight) {
  const int w = std::clamp(buttonWidth, 0, std::max(windowWidth, 0));
  if (fromRight) return ClampToRange(offset, w, windowWidth);
  return ClampToRange(offset, 0, windowWidth - w);
}

int GrownWindowStart(int start, int oldLength, int newLength, int screenLength) {
  const std::int64_t oldEnd = static_cast<std::int64_t>(start) + oldLength;
  const std::int64_t newEnd = static_cast<std::int64_t>(start) + newLength;
  if (newEnd <= screenLength || oldEnd > screenLength) return start;
  return ClampToRange(screenLength - newLength, 0, start);
}
