#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TSkinFile {
  std::string name;
  std::vector<uint8_t> bytes;
};

inline constexpr int32_t kSkinPackageVersion = 60000;

// The expanded container: header, opaque block (zeros), the names one per
// CR LF line, their sizes, then the files back to back, in the given order.
// Throws std::invalid_argument for a version the reader does not know, a
// name with a line break or NUL, too many files or sizes past 32 bits.
std::vector<uint8_t> BuildSkinContainer(const std::vector<TSkinFile>& files,
                                        int32_t version = kSkinPackageVersion);

// The container compressed into a package the reader loads.
std::vector<uint8_t> PackSkin(const std::vector<TSkinFile>& files,
                              int32_t version = kSkinPackageVersion);
