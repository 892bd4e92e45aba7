#include "tools/skinpack/SkinFolderFiles.h"

#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

std::string TSkinFolderFiles::Path() const { return Utf8(folder_); }

bool TSkinFolderFiles::List(std::vector<TSkinFolderEntry>& files) const {
  std::error_code error;
  fs::directory_iterator entries(folder_, error);
  for (const fs::directory_iterator end; !error && entries != end; entries.increment(error)) {
    std::error_code ignored;
    if (!entries->is_regular_file(ignored)) continue;
    const uintmax_t size = entries->file_size(ignored);
    files.push_back({Utf8(entries->path().filename()), ignored ? 0 : size});
  }
  return !error;
}

bool TSkinFolderFiles::Read(const std::string& name, size_t limit,
                            std::vector<uint8_t>& bytes) const {
  std::ifstream in(folder_ / fs::path(std::u8string(name.begin(), name.end())), std::ios::binary);
  if (!in) return false;
  constexpr size_t kChunk = 64 * 1024;
  bytes.clear();
  while (in && bytes.size() <= limit) {
    const size_t had = bytes.size();
    bytes.resize(had + kChunk);
    in.read(reinterpret_cast<char*>(bytes.data() + had), static_cast<std::streamsize>(kChunk));
    bytes.resize(had + static_cast<size_t>(in.gcount()));
  }
  return !in.bad() && in.eof() && bytes.size() <= limit;
}
