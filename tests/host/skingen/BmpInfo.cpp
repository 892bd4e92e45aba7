#include "tests/host/skingen/BmpInfo.h"

namespace skingen::test {

std::uint16_t U16(const std::vector<std::uint8_t>& bytes, size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t U32(const std::vector<std::uint8_t>& bytes, size_t at) {
  return U16(bytes, at) | static_cast<std::uint32_t>(U16(bytes, at + 2)) << 16;
}

std::optional<BmpInfo> ReadBmp(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  if (U32(bytes, 2) != bytes.size() || U32(bytes, 14) != 40 || U32(bytes, 30) != 0) return std::nullopt;
  BmpInfo info;
  info.width = static_cast<int>(U32(bytes, 18));
  info.height = static_cast<int>(U32(bytes, 22));
  info.bits = U16(bytes, 28);
  info.colours = static_cast<int>(U32(bytes, 46));
  if (info.width <= 0 || info.height <= 0 || info.width > 4096 || info.height > 4096) return std::nullopt;
  if (info.bits != 1 && info.bits != 4 && info.bits != 8 && info.bits != 24) return std::nullopt;
  if (info.bits != 24 && info.colours == 0) info.colours = 1 << info.bits;
  const size_t paletteAt = 54, pixelsAt = U32(bytes, 10);
  if (pixelsAt != paletteAt + 4 * static_cast<size_t>(info.colours)) return std::nullopt;
  for (int i = 0; i < info.colours; ++i) {
    const size_t at = paletteAt + 4 * static_cast<size_t>(i);
    info.palette.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
  }
  const size_t row = ((static_cast<size_t>(info.width) * info.bits + 31) / 32) * 4;
  if (pixelsAt + row * info.height != bytes.size()) return std::nullopt;
  info.pixels.resize(static_cast<size_t>(info.width) * info.height);
  for (int y = 0; y < info.height; ++y) {
    const size_t line = pixelsAt + row * (info.height - 1 - y);
    for (int x = 0; x < info.width; ++x) {
      Rgb c;
      if (info.bits == 24) {
        c = {bytes[line + 3 * x + 2], bytes[line + 3 * x + 1], bytes[line + 3 * x]};
      } else {
        const size_t bit = static_cast<size_t>(x) * info.bits;
        const int index = (bytes[line + bit / 8] >> (8 - info.bits - bit % 8)) & ((1 << info.bits) - 1);
        if (index >= info.colours) return std::nullopt;
        c = info.palette[index];
      }
      info.pixels[static_cast<size_t>(y) * info.width + x] = c;
    }
  }
  return info;
}

}  // namespace skingen::test
