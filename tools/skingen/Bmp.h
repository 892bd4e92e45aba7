#pragma once
// Windows bitmap files: 24-bit colour, and palette images of 1, 4 or 8 bits.
#include <cstdint>
#include <vector>

#include "tools/skingen/Raster.h"

namespace skingen {

using Bytes = std::vector<std::uint8_t>;

Bytes EncodeBmp24(const Image& image);
// Each pixel becomes the index of the nearest palette colour; the bit depth
// is the smallest of 1, 4 and 8 that holds the palette.
Bytes EncodeBmpPalette(const Image& image, const std::vector<Rgb>& palette);
// Info header, palette and bottom-up pixel rows without the file header (the
// form an icon stores); headerHeight lets an icon declare twice the height.
Bytes EncodeDibPalette(const Image& image, const std::vector<Rgb>& palette, int headerHeight);

int PaletteBits(size_t colours);

void PutU16(Bytes& out, std::uint32_t v);
void PutU32(Bytes& out, std::uint32_t v);

}  // namespace skingen
