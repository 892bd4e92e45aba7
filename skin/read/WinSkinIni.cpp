#include "skin/read/WinSkinIni.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace {

std::string_view Trim(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
  return text.substr(first, last - first);
}

bool IsHeader(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

char LowerAscii(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

// Orders bytes as their lower-case forms (unsigned), shorter text first.
int CompareIgnoringCase(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(LowerAscii(a[i]));
    const auto y = static_cast<unsigned char>(LowerAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// FNV-1a of the lower-cased bytes. Names that share a hash are still kept
// in order by their text, so chosen collisions cost a longer compare, never
// a longer search.
uint64_t HashIgnoringCase(std::string_view text) {
  uint64_t hash = 0xCBF29CE484222325u;
  for (const char ch : text) {
    hash ^= static_cast<unsigned char>(LowerAscii(ch));
    hash *= 0x100000001B3u;
  }
  return hash;
}

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// Hexadecimal takes any 32-bit pattern; decimal must fit a signed 32-bit value.
bool DigitsToInt(std::string_view digits, bool hex, bool negative, int32_t& value) {
  if (digits.empty()) return false;
  const uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
  uint64_t magnitude = 0;
  for (const char ch : digits) {
    const int digit = hex ? HexDigit(ch) : (ch >= '0' && ch <= '9' ? ch - '0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (magnitude > limit) return false;
  }
  value = static_cast<int32_t>(static_cast<uint32_t>(negative ? 0u - magnitude : magnitude));
  return true;
}

}  // namespace

bool SkinTextToInt(std::string_view text, int32_t& value) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const bool hex = !text.empty() && text.front() == '$';
  if (hex) text.remove_prefix(1);
  return DigitsToInt(text, hex, negative, value);
}

void TQuickIni::LoadFromStream(const std::vector<uint8_t>* stream, size_t position) {
  if (stream == nullptr) return;
  if (position > stream->size()) position = stream->size();
  LoadFromText(std::string_view(reinterpret_cast<const char*>(stream->data()) + position,
                                stream->size() - position));
}

void TQuickIni::LoadFromText(std::string_view text) {
  // Offsets are 32-bit; a description is far smaller than that.
  text = text.substr(0, std::min<size_t>(text.find('\0'), UINT32_MAX));
  text_.assign(text);
  lines_.clear();
  sections_.clear();

  const std::string_view all(text_);
  const auto offset = [&all](std::string_view part) {
    return static_cast<uint32_t>(part.data() - all.data());
  };
  size_t start = 0;
  while (start < all.size()) {
    size_t end = start;
    while (end < all.size() && all[end] != '\r' && all[end] != '\n') ++end;
    const std::string_view line = Trim(all.substr(start, end - start));
    if (end < all.size() && all[end] == '\r') ++end;
    if (end < all.size() && all[end] == '\n') ++end;
    start = end;

    if (line.empty() || line.front() == ';') continue;
    TLine parsed{offset(line), static_cast<uint32_t>(line.size())};
    if (IsHeader(line)) {
      parsed.kind = TLineKind::Header;
      sections_.push_back(static_cast<int>(lines_.size()));
    } else if (const size_t equals = line.find('='); equals != std::string_view::npos) {
      const std::string_view value = Trim(line.substr(equals + 1));
      parsed.kind = TLineKind::Key;
      parsed.keyLength = static_cast<uint32_t>(Trim(line.substr(0, equals)).size());
      parsed.valueStart = value.empty() ? 0 : offset(value);
      parsed.valueLength = static_cast<uint32_t>(value.size());
    }
    lines_.push_back(parsed);
  }
  BuildIndex();
}

// Sorted rather than put in buckets: a description chosen to collide costs
// no more than any other.
void TQuickIni::BuildIndex() {
  sectionsByName_.clear();
  for (const int header : sections_)
    sectionsByName_.push_back(
        {HashIgnoringCase(SectionName(header)), static_cast<uint32_t>(header)});
  std::sort(sectionsByName_.begin(), sectionsByName_.end(),
            [this](const TSectionEntry& a, const TSectionEntry& b) {
              if (a.hash != b.hash) return a.hash < b.hash;
              const int order = CompareIgnoringCase(SectionName(a.line), SectionName(b.line));
              return order != 0 ? order < 0 : a.line < b.line;
            });
  keysByName_.clear();
  // Key lines before the first header are never reached.
  std::optional<uint32_t> header;
  for (uint32_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == TLineKind::Header) header = i;
    if (lines_[i].kind == TLineKind::Key && header)
      keysByName_.push_back({*header, i, HashIgnoringCase(Key(i))});
  }
  // Already grouped by header in text order: each section is sorted alone.
  const auto byKey = [this](const TKeyEntry& a, const TKeyEntry& b) {
    if (a.hash != b.hash) return a.hash < b.hash;
    const int order = CompareIgnoringCase(Key(a.line), Key(b.line));
    return order != 0 ? order < 0 : a.line < b.line;
  };
  for (auto first = keysByName_.begin(); first != keysByName_.end();) {
    const auto last = std::find_if(first, keysByName_.end(), [first](const TKeyEntry& entry) {
      return entry.header != first->header;
    });
    std::sort(first, last, byKey);
    first = last;
  }
}

std::string_view TQuickIni::SectionName(uint32_t headerLine) const {
  const std::string_view header = Line(headerLine);
  return header.substr(1, header.size() - 2);
}

int TQuickIni::SectionIndex(std::string_view section) const {
  const uint64_t hash = HashIgnoringCase(section);
  const auto found =
      std::lower_bound(sectionsByName_.begin(), sectionsByName_.end(), section,
                       [this, hash](const TSectionEntry& entry, std::string_view name) {
                         if (entry.hash != hash) return entry.hash < hash;
                         return CompareIgnoringCase(SectionName(entry.line), name) < 0;
                       });
  if (found == sectionsByName_.end() || found->hash != hash ||
      CompareIgnoringCase(SectionName(found->line), section) != 0)
    return -1;
  return static_cast<int>(found->line);
}

int TQuickIni::KeyLine(uint32_t header, std::string_view key) const {
  const uint64_t hash = HashIgnoringCase(key);
  const auto found =
      std::lower_bound(keysByName_.begin(), keysByName_.end(), key,
                       [this, header, hash](const TKeyEntry& entry, std::string_view text) {
                         if (entry.header != header) return entry.header < header;
                         if (entry.hash != hash) return entry.hash < hash;
                         return CompareIgnoringCase(Key(entry.line), text) < 0;
                       });
  if (found == keysByName_.end() || found->header != header || found->hash != hash ||
      CompareIgnoringCase(Key(found->line), key) != 0)
    return -1;
  return static_cast<int>(found->line);
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
  const int header = lines_.empty() ? -1 : SectionIndex(section);
  const int found = header < 0 ? -1 : KeyLine(static_cast<uint32_t>(header), key);
  if (found < 0) return std::string(defaultValue);
  const TLine& line = lines_[static_cast<size_t>(found)];
  return std::string(line.valueLength == 0 ? defaultValue
                                           : Slice(line.valueStart, line.valueLength));
}

int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                               int32_t defaultValue) const {
  const std::string text = ReadString(section, key, "");
  const std::string_view view(text);
  int32_t value = 0;
  // "0x" reads as "$": unsigned hexadecimal digits follow.
  const bool converted = view.size() > 2 && view[0] == '0' && (view[1] == 'x' || view[1] == 'X')
                             ? DigitsToInt(view.substr(2), true, false, value)
                             : SkinTextToInt(view, value);
  return converted ? value : defaultValue;
}

void TQuickIni::ReadSections(std::vector<std::string>* strings) const {
  if (strings == nullptr) throw std::invalid_argument("The parameter Strings is unassigned!");
  strings->clear();
  for (const int index : sections_) {
    const std::string_view header = Line(static_cast<size_t>(index));
    strings->emplace_back(Trim(header.substr(1, header.size() - 2)));
  }
}
