#include "tools/skinpack/FileIo.h"

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

std::vector<uint8_t> ReadWholeFile(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) throw TToolError(path.string() + ": not a readable file");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TToolError(path.string() + ": cannot open");
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  if (in.bad()) throw TToolError(path.string() + ": read error");
  return bytes;
}

void WriteFileAtomically(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::random_device random;
  fs::path temp = path;
  temp += ".tmp" + std::to_string(random());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (out)
      out.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
    if (out) out.flush();
    if (!out) {
      std::error_code ignored;
      fs::remove(temp, ignored);
      throw TToolError(path.string() + ": cannot write");
    }
  }
  std::error_code error;
  fs::rename(temp, path, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    throw TToolError(path.string() + ": cannot write (" + error.message() + ")");
  }
}
