#include "BmpVariants.h"

#include <cstdint>
#include <map>
#include <vector>

namespace {

constexpr size_t kFileHeader = 14;
constexpr size_t kInfoHeader = 40;

uint32_t Get(const std::string& b, size_t at, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(b[at + i]);
  return value;
}

void Put(std::string& b, size_t at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
}

struct TPixels24 {
  int width = 0, height = 0;
  std::vector<uint32_t> rgb;  // bottom row first, as stored
};

bool Read24(const std::string& bmp, TPixels24& out) {
  if (bmp.size() < kFileHeader + kInfoHeader || bmp.compare(0, 2, "BM") != 0) return false;
  const int width = static_cast<int32_t>(Get(bmp, 18, 4));
  const int height = static_cast<int32_t>(Get(bmp, 22, 4));
  if (width <= 0 || height <= 0 || Get(bmp, 28, 2) != 24 || Get(bmp, 30, 4) != 0) return false;
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  const size_t offset = Get(bmp, 10, 4);
  if (offset + stride * height > bmp.size()) return false;
  out.width = width;
  out.height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) out.rgb.push_back(Get(bmp, offset + y * stride + x * 3, 3));
  }
  return true;
}

std::string Header(const TPixels24& p, int bits, uint32_t compression, size_t paletteEntries,
                   size_t pixelBytes) {
  const size_t offset = kFileHeader + kInfoHeader + paletteEntries * 4;
  std::string b(kFileHeader + kInfoHeader, '\0');
  b[0] = 'B', b[1] = 'M';
  Put(b, 2, static_cast<uint32_t>(offset + pixelBytes), 4);
  Put(b, 10, static_cast<uint32_t>(offset), 4);
  Put(b, 14, kInfoHeader, 4);
  Put(b, 18, p.width, 4);
  Put(b, 22, p.height, 4);
  Put(b, 26, 1, 2);
  Put(b, 28, bits, 2);
  Put(b, 30, compression, 4);
  Put(b, 34, static_cast<uint32_t>(pixelBytes), 4);
  Put(b, 46, static_cast<uint32_t>(paletteEntries), 4);
  return b;
}

// One row of palette indices as run-length pairs, then the end-of-line code.
void EncodeRow(const std::vector<uint8_t>& row, std::string& out) {
  for (size_t x = 0; x < row.size();) {
    size_t run = 1;
    while (x + run < row.size() && run < 255 && row[x + run] == row[x]) ++run;
    out += static_cast<char>(run);
    out += static_cast<char>(row[x]);
    x += run;
  }
  out += std::string("\0\0", 2);
}

}  // namespace

std::string BmpAs32Bit(const std::string& bmp24) {
  TPixels24 p;
  if (!Read24(bmp24, p)) return {};
  std::string pixels(p.rgb.size() * 4, '\0');
  for (size_t i = 0; i < p.rgb.size(); ++i) Put(pixels, i * 4, p.rgb[i], 3);
  return Header(p, 32, 0, 0, pixels.size()) + pixels;
}

std::string BmpAs8Bit(const std::string& bmp24, bool runLengthEncoded) {
  TPixels24 p;
  if (!Read24(bmp24, p)) return {};
  std::map<uint32_t, uint8_t> index;
  for (const uint32_t colour : p.rgb) {
    if (index.count(colour)) continue;
    if (index.size() == 256) return {};
    index.emplace(colour, static_cast<uint8_t>(index.size()));
  }
  std::string palette(index.size() * 4, '\0');
  for (const auto& [colour, i] : index) Put(palette, i * 4u, colour, 3);
  std::string pixels;
  const size_t stride = (static_cast<size_t>(p.width) + 3) & ~size_t{3};
  for (int y = 0; y < p.height; ++y) {
    std::vector<uint8_t> row;
    for (int x = 0; x < p.width; ++x) row.push_back(index[p.rgb[y * p.width + x]]);
    if (runLengthEncoded) {
      EncodeRow(row, pixels);
    } else {
      row.resize(stride, 0);
      pixels.append(row.begin(), row.end());
    }
  }
  if (runLengthEncoded) pixels += std::string("\0\1", 2);  // end of bitmap
  return Header(p, 8, runLengthEncoded ? 1 : 0, index.size(), pixels.size()) + palette + pixels;
}

std::string BmpAsJpegClaim(const std::string& bmp24) {
  TPixels24 p;
  if (!Read24(bmp24, p)) return {};
  const std::string noise(64, '\x5A');
  return Header(p, 0, 4, 0, noise.size()) + noise;
}

std::string BmpFilled(const std::string& bmp24, unsigned long rgb) {
  TPixels24 p;
  if (!Read24(bmp24, p)) return {};
  const size_t stride = (static_cast<size_t>(p.width) * 3 + 3) & ~size_t{3};
  std::string out = bmp24;
  const size_t offset = Get(bmp24, 10, 4);
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) Put(out, offset + y * stride + x * 3, rgb & 0xFFFFFF, 3);
  }
  return out;
}
