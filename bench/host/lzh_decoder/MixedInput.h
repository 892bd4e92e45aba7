#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// About `size` bytes of what skin packages hold, the same on every run:
// 24-bit bitmaps (flat bands, gradients, noisy frames) and description
// text, in alternating stretches.
std::vector<uint8_t> MakeMixedInput(size_t size);
