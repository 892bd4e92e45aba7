// Hostile skin packages made at test time from our skin's source files: each
// case changes the description or the images the way a broken or malicious
// package would, and says what the gallery must do with it.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/skinpack/SkinWrite.h"

namespace hostile {

using TFiles = std::vector<TSkinFile>;

// What the gallery must do with a package.
enum class TOutcome {
  Refused,   // a message, and the skin before it stays
  Accepted,  // drawn, with every invariant of a usable window
  Either,    // one of the two; the invariants of that one hold
};

struct TCase {
  std::string name;
  TOutcome outcome;
  // Changes our skin's files; the package is packed from the result.
  std::function<void(TFiles&)> mutate;
  // Changes the packed bytes (a cut container), after packing.
  std::function<void(std::vector<std::uint8_t>&)> cut;
};

std::vector<TCase> Cases();
// Its name, for the test's report.
void PrintTo(const TCase& c, std::ostream* out);

// Our skin's files: the ini first, then the bitmaps by name.
TFiles ReadSkinFolder(const std::string& folder);

// Small bitmap files: a plain 24-bit one filled with one colour, and an 8-bit
// run-length encoded one whose codes are given.
std::vector<std::uint8_t> Bmp24(int width, int height, std::uint32_t rgb);
std::vector<std::uint8_t> Rle8(int width, int height, const std::vector<std::uint8_t>& codes);

}  // namespace hostile
