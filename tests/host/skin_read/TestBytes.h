#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

inline std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

inline void AppendLE32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// A compressed stream written by hand: expanded size, then the given bits.
inline std::vector<uint8_t> RawStream(int32_t expandedSize, std::vector<uint8_t> bits) {
  std::vector<uint8_t> out;
  AppendLE32(out, static_cast<uint32_t>(expandedSize));
  out.insert(out.end(), bits.begin(), bits.end());
  return out;
}

inline std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(size);
  for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random());
  return bytes;
}

// A 24-bit bottom-up Windows bitmap with flat bands, a gradient and some
// noise, like the frames of a skin.
inline std::vector<uint8_t> MakeBitmap(int width, int height, uint32_t seed) {
  const int stride = (width * 3 + 3) & ~3;
  const uint32_t pixels = static_cast<uint32_t>(stride * height);
  std::vector<uint8_t> out = {'B', 'M'};
  AppendLE32(out, 54 + pixels);
  AppendLE32(out, 0);
  AppendLE32(out, 54);
  AppendLE32(out, 40);
  AppendLE32(out, static_cast<uint32_t>(width));
  AppendLE32(out, static_cast<uint32_t>(height));
  out.insert(out.end(), {1, 0, 24, 0});
  for (int i = 0; i < 6; ++i) AppendLE32(out, i == 1 ? pixels : 0);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < stride; ++x) {
      const int band = (x / 3) * 4 / width;
      uint8_t value = static_cast<uint8_t>(band == 1 ? 0xFF : 40 + y * 3 + band * 50);
      if (band == 2 && random() % 4 == 0) value = static_cast<uint8_t>(random());
      out.push_back(x < width * 3 ? value : 0);
    }
  }
  return out;
}
