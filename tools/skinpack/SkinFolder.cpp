#include "tools/skinpack/SkinFolder.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <system_error>

#include "skin/read/Lzh.h"
#include "skin/read/SkinRead.h"
#include "tools/skinpack/SkinWrite.h"

namespace fs = std::filesystem;

namespace {

struct TFolderListing {
  std::vector<fs::path> inis;
  std::vector<fs::path> bitmaps;
  uintmax_t bytes = 0;
};

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string Utf8Name(const fs::path& path) { return Utf8(path.filename()); }

bool HasExtension(const fs::path& path, std::string_view extension) {
  return SkinLowerCase(Utf8(path.extension())) == extension;
}

// Sizes come from the listing, so a huge file is refused before it is read.
std::string ListFolder(const fs::path& folder, TFolderListing& listing) {
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  const fs::directory_iterator end;
  for (; !error && entries != end; entries.increment(error)) {
    const fs::directory_entry& entry = *entries;
    const bool ini = HasExtension(entry.path(), ".ini");
    if (!ini && !HasExtension(entry.path(), ".bmp")) continue;
    std::error_code ignored;
    if (!entry.is_regular_file(ignored)) continue;
    (ini ? listing.inis : listing.bitmaps).push_back(entry.path());
    const uintmax_t size = entry.file_size(ignored);
    if (!ignored) listing.bytes += size;
  }
  if (error) return "无法读取皮肤文件夹 " + Utf8(folder);
  if (listing.inis.empty()) return "皮肤文件夹中没有皮肤描述 (.ini 文件)";
  if (listing.inis.size() > 1)
    return "皮肤文件夹中有 " + std::to_string(listing.inis.size()) + " 个 .ini 文件, 只能有一个";
  const size_t files = listing.inis.size() + listing.bitmaps.size();
  if (files > static_cast<size_t>(TSkinReader::kMaxEntries))
    return "皮肤文件夹中的文件多于皮肤包能装下的 " + std::to_string(TSkinReader::kMaxEntries) +
           " 个";
  if (listing.bytes > static_cast<uintmax_t>(kLzhMaxExpandedSize))
    return "皮肤文件夹中的文件共 " + std::to_string(listing.bytes) + " 字节, 超过皮肤包的上限 " +
           std::to_string(kLzhMaxExpandedSize) + " 字节";
  return {};
}

// A file that grew past what a package holds since it was listed is given
// up at that size, not read without end.
bool ReadFile(const fs::path& path, std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  constexpr size_t kChunk = 64 * 1024;
  bytes.clear();
  while (in && bytes.size() <= static_cast<size_t>(kLzhMaxExpandedSize)) {
    const size_t had = bytes.size();
    bytes.resize(had + kChunk);
    in.read(reinterpret_cast<char*>(bytes.data() + had), static_cast<std::streamsize>(kChunk));
    bytes.resize(had + static_cast<size_t>(in.gcount()));
  }
  return !in.bad() && in.eof() && bytes.size() <= static_cast<size_t>(kLzhMaxExpandedSize);
}

}  // namespace

TSkinFolderPackage PackSkinFolder(const fs::path& folder) {
  TSkinFolderPackage result;
  TFolderListing listing;
  if (result.refusal = ListFolder(folder, listing); !result.refusal.empty()) return result;
  std::sort(listing.bitmaps.begin(), listing.bitmaps.end());
  std::vector<fs::path> paths = listing.inis;
  paths.insert(paths.end(), listing.bitmaps.begin(), listing.bitmaps.end());

  std::vector<TSkinFile> files;
  size_t total = 0;
  for (const fs::path& path : paths) {
    TSkinFile file{Utf8Name(path), {}};
    if (!ReadFile(path, file.bytes)) {
      result.readFailed = true;
      result.refusal = "无法读取皮肤文件夹中的 " + file.name;
      return result;
    }
    total += file.bytes.size();
    files.push_back(std::move(file));
  }
  if (total > static_cast<size_t>(kLzhMaxExpandedSize)) {
    result.refusal =
        "皮肤文件夹中的文件超过皮肤包的上限 " + std::to_string(kLzhMaxExpandedSize) + " 字节";
    return result;
  }
  try {
    result.package = PackSkin(files);
  } catch (const std::exception& error) {
    result.refusal = std::string("皮肤文件夹无法装成皮肤包: ") + error.what();
  }
  return result;
}
