#include "tools/skinpack/SkinWrite.h"

#include <limits>
#include <optional>
#include <stdexcept>

#include "skin/read/SkinRead.h"
#include "tools/skinpack/LzhEncoder.h"

namespace {

void AppendLE32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t CheckedSize(size_t size, const std::string& what) {
  if (size > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
    throw std::invalid_argument(what + " is larger than 2 GB");
  }
  return static_cast<uint32_t>(size);
}

}  // namespace

std::vector<uint8_t> BuildSkinContainer(const std::vector<TSkinFile>& files, int32_t version) {
  const std::optional<int> opaque = SkinOpaqueBlockSize(version);
  if (!opaque) throw std::invalid_argument("unknown package version " + std::to_string(version));
  if (files.size() > static_cast<size_t>(TSkinReader::kMaxEntries)) {
    throw std::invalid_argument("a package holds at most " +
                                std::to_string(TSkinReader::kMaxEntries) + " files");
  }

  std::string nameList;
  for (const TSkinFile& file : files) {
    if (file.name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
      throw std::invalid_argument("file name with a line break or NUL: " + file.name);
    }
    nameList += file.name + "\r\n";
  }

  std::vector<uint8_t> out;
  AppendLE32(out, static_cast<uint32_t>(version));
  AppendLE32(out, CheckedSize(nameList.size(), "the name list"));
  AppendLE32(out, 0);
  AppendLE32(out, 0);
  out.insert(out.end(), static_cast<size_t>(*opaque), uint8_t{0});
  out.insert(out.end(), nameList.begin(), nameList.end());
  for (const TSkinFile& file : files) AppendLE32(out, CheckedSize(file.bytes.size(), file.name));
  for (const TSkinFile& file : files) out.insert(out.end(), file.bytes.begin(), file.bytes.end());
  CheckedSize(out.size(), "the package");
  return out;
}

std::vector<uint8_t> PackSkin(const std::vector<TSkinFile>& files, int32_t version) {
  return LzhCompress(BuildSkinContainer(files, version));
}
