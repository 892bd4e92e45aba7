#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <vector>

// A failure the tool reports to the user as it is.
class TToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path);

// Writes to a temporary file next to `path` and renames it into place, so a
// failure never leaves a partial file under the final name.
void WriteFileAtomically(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
