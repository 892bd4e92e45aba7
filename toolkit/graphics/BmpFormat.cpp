#include "toolkit/graphics/BmpFormat.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "toolkit/graphics/BmpRle.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitFields = 3;

std::uint32_t Le16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
         (static_cast<std::uint32_t>(b[at + 2]) << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

void PutLe16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

// What the info header says, checked against our limits.
struct TDibHeader {
  int Width = 0;
  int Height = 0;
  bool TopDown = false;
  int BitsPerPixel = 0;
  bool BitFields = false;
  bool Rle = false;
  std::uint32_t Masks[3] = {};  // red, green, blue
  std::size_t InfoEnd = 0;      // header plus the masks that follow a 40-byte header
  std::size_t PaletteCount = 0;
  std::size_t PaletteEntrySize = 4;
};

bool ParseInfoHeader(std::span<const std::uint8_t> dib, TDibHeader& h,
                     std::int64_t maxPixels = kMaxBmpPixels) {
  if (dib.size() < 4) return false;
  const std::uint32_t headerSize = Le32(dib, 0);
  std::int64_t width = 0, height = 0;
  std::uint32_t compression = kBiRgb, colorsUsed = 0;
  if (headerSize == 12) {
    if (dib.size() < 12) return false;
    width = Le16(dib, 4);
    height = Le16(dib, 6);
    h.BitsPerPixel = static_cast<int>(Le16(dib, 10));
    h.PaletteEntrySize = 3;
  } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
             headerSize == 124) {
    if (dib.size() < headerSize) return false;
    width = static_cast<std::int32_t>(Le32(dib, 4));
    height = static_cast<std::int32_t>(Le32(dib, 8));
    h.BitsPerPixel = static_cast<int>(Le16(dib, 14));
    compression = Le32(dib, 16);
    colorsUsed = Le32(dib, 32);
  } else {
    return false;
  }
  h.InfoEnd = headerSize;
  if (compression == kBiBitFields) {
    if (h.BitsPerPixel != 16 && h.BitsPerPixel != 32) return false;
    // A 40-byte header is followed by the three masks; later headers hold them.
    const std::size_t at = 40;
    if (headerSize == 40) h.InfoEnd += 12;
    if (dib.size() < at + 12) return false;
    for (int i = 0; i < 3; ++i) h.Masks[i] = Le32(dib, at + 4 * i);
    h.BitFields = true;
  } else if (compression == kBiRle8 || compression == kBiRle4) {
    // Run-length codes are defined for bottom-up rows only.
    if (h.BitsPerPixel != (compression == kBiRle8 ? 8 : 4) || height < 0) return false;
    h.Rle = true;
  } else if (compression != kBiRgb) {
    return false;
  }
  switch (h.BitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      return false;
  }
  h.TopDown = height < 0;
  height = height < 0 ? -height : height;
  if (width < 1 || width > kMaxBmpSide || height < 1 || height > kMaxBmpSide) return false;
  if (width * height > std::min(maxPixels, kMaxBmpPixels)) return false;
  h.Width = static_cast<int>(width);
  h.Height = static_cast<int>(height);
  if (colorsUsed > 256) return false;
  h.PaletteCount = colorsUsed != 0 ? colorsUsed : (h.BitsPerPixel <= 8 ? 1u << h.BitsPerPixel : 0u);
  return true;
}

// The palette as the pixels may index it: always 2^bits entries, black where
// the file gives fewer, so no pixel value can reach past it.
std::vector<std::uint32_t> ReadPalette(std::span<const std::uint8_t> entries, const TDibHeader& h) {
  std::vector<std::uint32_t> palette;
  if (h.BitsPerPixel > 8) return palette;
  palette.assign(std::size_t{1} << h.BitsPerPixel, 0);
  const std::size_t available = std::min(h.PaletteCount, entries.size() / h.PaletteEntrySize);
  for (std::size_t i = 0; i < std::min(available, palette.size()); ++i) {
    const std::size_t at = i * h.PaletteEntrySize;
    palette[i] = entries[at] | (entries[at + 1] << 8) | (entries[at + 2] << 16);
  }
  return palette;
}

// One channel out of a bit-field pixel, widened or narrowed to 8 bits.
std::uint8_t Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint32_t value = (pixel & mask) >> shift;
  const int bits = std::popcount(mask >> shift);
  if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
  return static_cast<std::uint8_t>(value * 255 / ((1u << bits) - 1));
}

void ConvertRow(const std::uint8_t* src, std::uint8_t* dst, const TDibHeader& h,
                const std::uint32_t* masks) {
  for (int x = 0; x < h.Width; ++x) {
    std::uint32_t pixel = 0;
    if (h.BitsPerPixel == 16) {
      pixel = src[2 * x] | (src[2 * x + 1] << 8);
    } else {
      pixel = Le32(std::span<const std::uint8_t>(src + 4 * x, 4), 0);
    }
    std::uint8_t* out = dst + x * (h.BitsPerPixel == 16 ? 3 : 4);
    out[0] = Channel(pixel, masks[2]);
    out[1] = Channel(pixel, masks[1]);
    out[2] = Channel(pixel, masks[0]);
    if (h.BitsPerPixel == 32) out[3] = 0;
  }
}

TBmpImage ReadPixels(std::span<const std::uint8_t> pixels,
                     std::span<const std::uint8_t> paletteBytes, const TDibHeader& h) {
  const std::size_t srcStride =
      static_cast<std::size_t>(TBmpImage::StrideOf(h.Width, h.BitsPerPixel));
  if (!h.Rle && pixels.size() / srcStride < static_cast<std::size_t>(h.Height)) return {};
  TBmpImage image;
  image.Width = h.Width;
  image.Height = h.Height;
  // 16-bit pixels become 24-bit ones; bit fields become plain 32-bit pixels.
  image.BitsPerPixel = h.BitsPerPixel == 16 ? 24 : h.BitsPerPixel;
  image.Palette = ReadPalette(paletteBytes, h);
  const std::size_t dstStride = static_cast<std::size_t>(image.Stride());
  image.Bits.assign(dstStride * h.Height, 0);
  if (h.Rle) {
    ExpandRle(pixels, h.BitsPerPixel, h.Width, h.Height, image.Stride(), image.Bits);
    return image;
  }
  const bool convert = h.BitsPerPixel == 16 || h.BitFields;
  static constexpr std::uint32_t kMasks555[3] = {0x7C00, 0x03E0, 0x001F};
  const std::uint32_t* masks = h.BitFields ? h.Masks : kMasks555;
  for (int y = 0; y < h.Height; ++y) {
    const std::uint8_t* src = pixels.data() + srcStride * y;
    const int row = h.TopDown ? h.Height - 1 - y : y;
    std::uint8_t* dst = image.Bits.data() + dstStride * row;
    if (convert) {
      ConvertRow(src, dst, h, masks);
    } else {
      std::memcpy(dst, src, srcStride);
    }
  }
  return image;
}

}  // namespace

TBmpImage ReadPackedDib(std::span<const std::uint8_t> bytes) {
  TDibHeader h;
  if (!ParseInfoHeader(bytes, h)) return {};
  const std::size_t paletteBytes = h.PaletteCount * h.PaletteEntrySize;
  if (bytes.size() - h.InfoEnd < paletteBytes) return {};
  return ReadPixels(bytes.subspan(h.InfoEnd + paletteBytes), bytes.subspan(h.InfoEnd, paletteBytes),
                    h);
}

TBmpImage ReadBmpFile(std::span<const std::uint8_t> bytes, std::int64_t maxPixels) {
  if (bytes.size() < kFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return {};
  const std::span<const std::uint8_t> dib = bytes.subspan(kFileHeaderSize);
  TDibHeader h;
  if (!ParseInfoHeader(dib, h, maxPixels)) return {};
  // The file says where the pixels start; the palette is whatever fits before.
  const std::uint32_t offBits = Le32(bytes, 10);
  if (offBits < kFileHeaderSize + h.InfoEnd || offBits > bytes.size()) return {};
  const std::size_t paletteBytes = offBits - kFileHeaderSize - h.InfoEnd;
  return ReadPixels(bytes.subspan(offBits), dib.subspan(h.InfoEnd, paletteBytes), h);
}

std::vector<std::uint8_t> WriteBmpFile(const TBmpImage& image) {
  std::vector<std::uint8_t> out;
  if (image.Empty()) return out;
  const std::uint32_t paletteBytes = static_cast<std::uint32_t>(image.Palette.size() * 4);
  const std::uint32_t offBits = static_cast<std::uint32_t>(kFileHeaderSize) + 40 + paletteBytes;
  const std::uint32_t imageBytes = static_cast<std::uint32_t>(image.Bits.size());
  out.reserve(offBits + imageBytes);
  out.push_back('B');
  out.push_back('M');
  PutLe32(out, offBits + imageBytes);
  PutLe32(out, 0);
  PutLe32(out, offBits);
  PutLe32(out, 40);
  PutLe32(out, static_cast<std::uint32_t>(image.Width));
  PutLe32(out, static_cast<std::uint32_t>(image.Height));
  PutLe16(out, 1);
  PutLe16(out, static_cast<std::uint32_t>(image.BitsPerPixel));
  PutLe32(out, kBiRgb);
  PutLe32(out, imageBytes);
  PutLe32(out, 2835);  // 72 dots per inch
  PutLe32(out, 2835);
  PutLe32(out, static_cast<std::uint32_t>(image.Palette.size()));
  PutLe32(out, 0);
  for (const std::uint32_t entry : image.Palette) PutLe32(out, entry);
  out.insert(out.end(), image.Bits.begin(), image.Bits.end());
  return out;
}
