#pragma once

#include <cstdint>
#include <span>
#include <vector>

// LZHUF encoder matching the program's decoder bit for bit: a 4-byte
// little-endian expanded size, then the bit stream. Inputs larger than a
// signed 32-bit size throw std::length_error.
std::vector<uint8_t> LzhCompress(std::span<const uint8_t> input);
