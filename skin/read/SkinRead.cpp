#include "skin/read/SkinRead.h"

#include <algorithm>
#include <utility>

#include "skin/read/Lzh.h"

namespace {

int32_t ReadLE32(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<int32_t>(
      static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
      static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24);
}

// Splits at CR LF, CR or LF; a final line break adds no line and a NUL byte
// ends the text. Stops after `maxLines` + 1 lines: a list of blank lines
// must not cost memory beyond what the caller can accept.
std::vector<std::string> SplitLines(std::string_view text, size_t maxLines) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size() && lines.size() <= maxLines) {
    size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    lines.emplace_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    start = end;
  }
  return lines;
}

}  // namespace

std::optional<int> SkinOpaqueBlockSize(int32_t version) {
  switch (version) {
    case 20000:
      return 0;
    case 30000:
      return 256;
    case 40000:
      return 80;
    case 50000:
      return 48;
    case 60000:
      return 117;
    case 70000:
      return 69;
    default:
      return std::nullopt;
  }
}

std::string SkinLowerCase(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return lower;
}

void TSkinReader::Expand(std::span<const uint8_t> package, std::vector<uint8_t>& output) {
  output = LzhExpand(package);
}

bool TSkinReader::Load(std::span<const uint8_t> package) {
  std::vector<uint8_t> expanded;
  try {
    Expand(package, expanded);
  } catch (const ElzhException&) {
    return false;
  }
  const std::span<const uint8_t> bytes(expanded);
  if (bytes.size() < 4) return false;

  const std::optional<int> opaque = SkinOpaqueBlockSize(ReadLE32(bytes, 0));
  if (!opaque) {
    if (onRefusal_) onRefusal_(kOlderSkinFileMessage);
    return false;
  }
  if (bytes.size() < header_.size()) return false;

  // Every part is checked against what was expanded before anything is kept.
  const int32_t nameListLength = ReadLE32(bytes, 4);
  const size_t nameListStart = header_.size() + static_cast<size_t>(*opaque);
  if (nameListLength < 0 || nameListStart > bytes.size() ||
      static_cast<size_t>(nameListLength) > bytes.size() - nameListStart) {
    return false;
  }
  const auto* nameList = reinterpret_cast<const char*>(bytes.data() + nameListStart);
  std::vector<std::string> names = SplitLines(
      SkinLowerCase(std::string_view(nameList, static_cast<size_t>(nameListLength))), kMaxEntries);
  if (names.size() > static_cast<size_t>(kMaxEntries)) return false;

  const size_t sizesStart = nameListStart + static_cast<size_t>(nameListLength);
  if (names.size() * 4 > bytes.size() - sizesStart) return false;
  std::vector<int32_t> sizes(names.size());
  for (size_t i = 0; i < sizes.size(); ++i) {
    sizes[i] = ReadLE32(bytes, sizesStart + 4 * i);
    if (sizes[i] < 0) return false;
  }

  const size_t dataStart = sizesStart + 4 * names.size();
  std::vector<uint8_t> data(expanded.begin() + static_cast<ptrdiff_t>(dataStart), expanded.end());

  // Entries lie back to back; one that runs past the data is cut at its end.
  std::vector<TEntryRange> ranges(sizes.size());
  size_t offset = 0;
  for (size_t i = 0; i < sizes.size(); ++i) {
    const size_t length = std::min(static_cast<size_t>(sizes[i]), data.size() - offset);
    ranges[i] = {offset, length};
    offset += length;
  }

  std::copy_n(bytes.begin(), header_.size(), header_.begin());
  names_ = std::move(names);
  sizes_ = std::move(sizes);
  ranges_ = std::move(ranges);
  data_ = std::move(data);
  return true;
}

void TSkinReader::CopyEntry(size_t index, std::vector<uint8_t>& output) const {
  const TEntryRange& range = ranges_[index];
  output.assign(data_.begin() + static_cast<ptrdiff_t>(range.offset),
                data_.begin() + static_cast<ptrdiff_t>(range.offset + range.length));
}

void TSkinReader::GetEntry(std::string_view name, std::vector<uint8_t>& output) const {
  output.clear();
  const std::string lower = SkinLowerCase(name);
  const auto found = std::find(names_.begin(), names_.end(), lower);
  if (found != names_.end()) CopyEntry(static_cast<size_t>(found - names_.begin()), output);
}

void TSkinReader::FindEntry(std::string_view fragment, std::vector<uint8_t>& output,
                            std::string& foundName) const {
  output.clear();
  for (size_t i = 0; i < names_.size(); ++i) {
    if (names_[i].find(fragment) != std::string::npos) {
      CopyEntry(i, output);
      foundName = names_[i];
      return;
    }
  }
}
