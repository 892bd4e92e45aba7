#include "skin/draw/RegionRuns.h"

#include <algorithm>

bool TKeyRange::Contains(int red, int green, int blue) const {
  const int channels[3] = {red, green, blue};
  for (int i = 0; i < 3; ++i)
    if (channels[i] < Low[i] || channels[i] > High[i]) return false;
  return true;
}

TKeyRange MakeKeyRange(TColor key, int blueTolerance, int greenTolerance, int redTolerance) {
  const TColor rgb = ColorToRGB(key);
  TKeyRange range;
  const int values[3] = {ColorRed(rgb), ColorGreen(rgb), ColorBlue(rgb)};
  const int tolerances[3] = {redTolerance, greenTolerance, blueTolerance};
  for (int i = 0; i < 3; ++i) {
    range.Low[i] = values[i];
    range.High[i] = std::min(values[i] + std::clamp(tolerances[i], 0, 255), 255);
  }
  return range;
}

std::vector<TRunRect> NonKeyRuns(const std::uint32_t* pixels, int width, int height,
                                 const TKeyRange& key, int x, int y) {
  std::vector<TRunRect> runs;
  if (!pixels || width <= 0 || height <= 0) return runs;
  const auto isKey = [&](std::uint32_t p) {
    return key.Contains((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  };
  for (int row = 0; row < height; ++row) {
    const std::uint32_t* line = pixels + static_cast<std::size_t>(row) * width;
    int col = 0;
    while (col < width) {
      while (col < width && isKey(line[col])) ++col;
      const int start = col;
      while (col < width && !isKey(line[col])) ++col;
      if (col > start) runs.push_back(TRunRect{start + x, row + y, col + x, row + y + 1});
    }
  }
  return runs;
}
