#pragma once

#include <cstdint>
#include <vector>

// A stand-in for the real skin package: one description text and 34 24-bit
// bitmaps of frames, bands and gradients, about 227 KB expanded and 37 KB
// compressed, like the package the program carries.
std::vector<uint8_t> MakeSyntheticSkinPackage();
