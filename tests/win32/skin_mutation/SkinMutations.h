// Seeded, deterministic mutations of a skin's files: integer keys set to
// extremes, images cut, scrambled, resized in their headers or replaced by
// run-length codes that overrun, descriptions scrambled or repeated.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skinpack/SkinWrite.h"

using TSkinFiles = std::vector<TSkinFile>;

// The same seed always makes the same mutation; what it did, in words.
std::string MutateSkin(TSkinFiles& files, std::uint32_t seed);
