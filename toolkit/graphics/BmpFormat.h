// Bitmap files (.bmp) and packed device-independent bitmaps (the form a bitmap
// resource takes) read into plain memory without any system call, so that the
// parser of these untrusted bytes builds, runs and is fuzzed on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// A device-independent bitmap as the system draws it: rows bottom-up, each row
// padded to four bytes, palette entries in RGBQUAD order (blue in the low byte).
struct TBmpImage {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 0;                // 1, 4, 8, 24 or 32
  std::vector<std::uint32_t> Palette;  // 2^BitsPerPixel entries up to 8 bits, else none
  std::vector<std::uint8_t> Bits;

  bool Empty() const { return Width <= 0 || Height <= 0; }
  int Stride() const { return StrideOf(Width, BitsPerPixel); }
  static int StrideOf(int width, int bitsPerPixel) {
    return static_cast<int>(((static_cast<std::int64_t>(width) * bitsPerPixel + 31) / 32) * 4);
  }
};

// Limits on what a bitmap may claim: enough for any skin or banner, small
// enough that a forged header cannot make us allocate gigabytes.
constexpr int kMaxBmpSide = 16384;
constexpr std::int64_t kMaxBmpPixels = 16 * 1024 * 1024;  // 64 MiB at 32 bits per pixel

// Both return an empty image for anything truncated, oversized or in a format
// we do not read (JPEG/PNG inside, odd bit counts).
// Read: 1, 4, 8 bits with palette (8 and 4 also run-length encoded, expanded),
// 16 bits (5-5-5 or bit fields, widened to 24), 24 bits, 32 bits (plain or bit
// fields).
// maxPixels lowers the pixel limit for one read (a caller's budget); a file
// claiming more is refused before anything is allocated.
TBmpImage ReadBmpFile(std::span<const std::uint8_t> bytes, std::int64_t maxPixels = kMaxBmpPixels);
TBmpImage ReadPackedDib(std::span<const std::uint8_t> bytes);

// A complete .bmp file with a 40-byte header; nothing for an empty image.
std::vector<std::uint8_t> WriteBmpFile(const TBmpImage& image);
