// Run-length encoded bitmap pixels (8 bits per pixel, or 4), expanded into
// the plain rows the rest of the bitmap code works on.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Expands codes into rows: bottom-up, each `stride` bytes, already sized and
// zeroed by the caller (pixels the codes skip keep palette index 0). Every
// run is clipped to the image; the codes may end anywhere.
void ExpandRle(std::span<const std::uint8_t> codes, int bitsPerPixel, int width, int height,
               int stride, std::vector<std::uint8_t>& rows);
