#include "tools/skingen/Bmp.h"

#include <stdexcept>

namespace skingen {

void PutU16(Bytes& out, std::uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void PutU32(Bytes& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

namespace {

constexpr std::uint32_t kFileHeader = 14, kInfoHeader = 40;

size_t RowBytes(int width, int bits) { return ((static_cast<size_t>(width) * bits + 31) / 32) * 4; }

void PutInfoHeader(Bytes& out, int width, int height, int bits, std::uint32_t imageSize,
                   std::uint32_t colours) {
  PutU32(out, kInfoHeader);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(height));
  PutU16(out, 1);  // planes
  PutU16(out, static_cast<std::uint32_t>(bits));
  PutU32(out, 0);  // BI_RGB
  PutU32(out, imageSize);
  PutU32(out, 3780);  // 96 dpi in pixels per metre
  PutU32(out, 3780);
  PutU32(out, colours);
  PutU32(out, 0);
}

void PutFileHeader(Bytes& out, std::uint32_t fileSize, std::uint32_t pixelOffset) {
  out.push_back('B');
  out.push_back('M');
  PutU32(out, fileSize);
  PutU32(out, 0);
  PutU32(out, pixelOffset);
}

int NearestIndex(Rgb c, const std::vector<Rgb>& palette) {
  int best = 0;
  long bestDistance = -1;
  for (size_t i = 0; i < palette.size(); ++i) {
    const long dr = c.r - palette[i].r, dg = c.g - palette[i].g, db = c.b - palette[i].b;
    const long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
    }
  }
  return best;
}

}  // namespace

int PaletteBits(size_t colours) {
  if (colours <= 2) return 1;
  if (colours <= 16) return 4;
  if (colours <= 256) return 8;
  throw std::invalid_argument("palette larger than 256 colours");
}

Bytes EncodeBmp24(const Image& image) {
  const size_t row = RowBytes(image.Width(), 24);
  const auto imageSize = static_cast<std::uint32_t>(row * image.Height());
  Bytes out;
  out.reserve(kFileHeader + kInfoHeader + imageSize);
  PutFileHeader(out, kFileHeader + kInfoHeader + imageSize, kFileHeader + kInfoHeader);
  PutInfoHeader(out, image.Width(), image.Height(), 24, imageSize, 0);
  for (int y = image.Height() - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < image.Width(); ++x) {
      const Rgb c = image.Get(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    out.resize(start + row, 0);
  }
  return out;
}

Bytes EncodeDibPalette(const Image& image, const std::vector<Rgb>& palette, int headerHeight) {
  const int bits = PaletteBits(palette.size());
  const size_t row = RowBytes(image.Width(), bits);
  Bytes out;
  PutInfoHeader(out, image.Width(), headerHeight, bits,
                static_cast<std::uint32_t>(row * image.Height()),
                static_cast<std::uint32_t>(palette.size()));
  for (const Rgb& c : palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  for (int y = image.Height() - 1; y >= 0; --y) {
    Bytes line(row, 0);
    for (int x = 0; x < image.Width(); ++x) {
      const auto index = static_cast<unsigned>(NearestIndex(image.Get(x, y), palette));
      const size_t bit = static_cast<size_t>(x) * bits;
      line[bit / 8] |= static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

Bytes EncodeBmpPalette(const Image& image, const std::vector<Rgb>& palette) {
  const Bytes dib = EncodeDibPalette(image, palette, image.Height());
  Bytes out;
  const auto paletteBytes = static_cast<std::uint32_t>(palette.size() * 4);
  PutFileHeader(out, static_cast<std::uint32_t>(kFileHeader + dib.size()),
                kFileHeader + kInfoHeader + paletteBytes);
  out.insert(out.end(), dib.begin(), dib.end());
  return out;
}

}  // namespace skingen
