#pragma once
// Reads back the headers and pixels of the bitmaps the generator writes.
#include <cstdint>
#include <optional>
#include <vector>

#include "tools/skingen/Raster.h"

namespace skingen::test {

struct BmpInfo {
  int width = 0, height = 0, bits = 0, colours = 0;
  std::vector<Rgb> palette;
  std::vector<Rgb> pixels;  // top row first
  Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A Windows bitmap file of 1, 4, 8 or 24 bits, uncompressed; nothing when
// the bytes are not one, or do not hold every row they declare.
std::optional<BmpInfo> ReadBmp(const std::vector<std::uint8_t>& bytes);

std::uint32_t U32(const std::vector<std::uint8_t>& bytes, size_t at);
std::uint16_t U16(const std::vector<std::uint8_t>& bytes, size_t at);

}  // namespace skingen::test
