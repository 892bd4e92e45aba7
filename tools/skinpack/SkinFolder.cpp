#include "tools/skinpack/SkinFolder.h"

#include <algorithm>
#include <exception>

#include "skin/read/Lzh.h"
#include "skin/read/SkinRead.h"
#include "tools/skinpack/SkinWrite.h"

namespace {

constexpr size_t kMaxBytes = static_cast<size_t>(kLzhMaxExpandedSize);

struct TFolderListing {
  std::vector<std::string> inis;
  std::vector<std::string> bitmaps;
  uint64_t bytes = 0;
};

bool HasExtension(const std::string& name, std::string_view extension) {
  return name.size() > extension.size() &&
         SkinLowerCase(name.substr(name.size() - extension.size())) == extension;
}

// Sizes come from the listing, so a huge file is refused before it is read.
std::string ListFolder(const TSkinFolderAccess& folder, TFolderListing& listing) {
  std::vector<TSkinFolderEntry> files;
  if (!folder.List(files)) return "无法读取皮肤文件夹 " + folder.Path();
  for (const TSkinFolderEntry& file : files) {
    const bool ini = HasExtension(file.name, ".ini");
    if (!ini && !HasExtension(file.name, ".bmp")) continue;
    (ini ? listing.inis : listing.bitmaps).push_back(file.name);
    listing.bytes += file.size;
  }
  if (listing.inis.empty()) return "皮肤文件夹中没有皮肤描述 (.ini 文件)";
  if (listing.inis.size() > 1)
    return "皮肤文件夹中有 " + std::to_string(listing.inis.size()) + " 个 .ini 文件, 只能有一个";
  const size_t count = listing.inis.size() + listing.bitmaps.size();
  if (count > static_cast<size_t>(TSkinReader::kMaxEntries))
    return "皮肤文件夹中的文件多于皮肤包能装下的 " + std::to_string(TSkinReader::kMaxEntries) +
           " 个";
  if (listing.bytes > kMaxBytes)
    return "皮肤文件夹中的文件共 " + std::to_string(listing.bytes) + " 字节, 超过皮肤包的上限 " +
           std::to_string(kMaxBytes) + " 字节";
  return {};
}

}  // namespace

TSkinFolderPackage PackSkinFolder(const TSkinFolderAccess& folder) {
  TSkinFolderPackage result;
  TFolderListing listing;
  if (result.refusal = ListFolder(folder, listing); !result.refusal.empty()) return result;
  std::sort(listing.bitmaps.begin(), listing.bitmaps.end());
  std::vector<std::string> names = listing.inis;
  names.insert(names.end(), listing.bitmaps.begin(), listing.bitmaps.end());

  // A file that grew since it was listed still counts against the limit.
  std::vector<TSkinFile> files;
  size_t left = kMaxBytes;
  for (const std::string& name : names) {
    TSkinFile file{name, {}};
    if (!folder.Read(name, left, file.bytes)) {
      result.readFailed = true;
      result.refusal = "无法读取皮肤文件夹中的 " + name;
      return result;
    }
    left -= file.bytes.size();
    files.push_back(std::move(file));
  }
  try {
    result.package = PackSkin(files);
  } catch (const std::exception& error) {
    result.refusal = std::string("皮肤文件夹无法装成皮肤包: ") + error.what();
  }
  return result;
}
