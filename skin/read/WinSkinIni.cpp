#include "skin/read/WinSkinIni.h"

#include <stdexcept>

#include "skin/read/SkinRead.h"

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

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && SkinLowerCase(a) == SkinLowerCase(b);
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
  text = text.substr(0, text.find('\0'));
  lines_.clear();
  parsed_.clear();
  sections_.clear();

  size_t start = 0;
  while (start < text.size()) {
    size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    const std::string_view line = Trim(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    start = end;

    if (line.empty() || line.front() == ';') continue;
    TKeyLine parsed;
    if (IsHeader(line)) {
      parsed.isHeader = true;
      sections_.emplace_back(std::string(line), static_cast<int>(lines_.size()));
    } else if (const size_t equals = line.find('='); equals != std::string_view::npos) {
      parsed.hasKey = true;
      parsed.key = SkinLowerCase(Trim(line.substr(0, equals)));
      parsed.value = std::string(Trim(line.substr(equals + 1)));
    }
    lines_.emplace_back(line);
    parsed_.push_back(std::move(parsed));
  }
}

int TQuickIni::SectionIndex(std::string_view section) const {
  // Stored headers keep their brackets, so compare what lies between them.
  for (const auto& [header, index] : sections_) {
    if (header.size() == section.size() + 2 &&
        EqualsIgnoringCase(std::string_view(header).substr(1, section.size()), section)) {
      return index;
    }
  }
  return -1;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
  const int header = lines_.empty() ? -1 : SectionIndex(section);
  if (header < 0) return std::string(defaultValue);
  const std::string lowerKey = SkinLowerCase(key);
  for (size_t i = static_cast<size_t>(header) + 1; i < parsed_.size(); ++i) {
    const TKeyLine& line = parsed_[i];
    if (line.isHeader) break;
    if (line.hasKey && line.key == lowerKey) {
      return line.value.empty() ? std::string(defaultValue) : line.value;
    }
  }
  return std::string(defaultValue);
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
  for (const auto& [header, index] : sections_) {
    const std::string_view trimmed = Trim(header);
    strings->emplace_back(Trim(trimmed.substr(1, trimmed.size() - 2)));
  }
}
