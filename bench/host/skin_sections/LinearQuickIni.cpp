#include "bench/host/skin_sections/LinearQuickIni.h"

#include "skin/read/WinSkinIni.h"

namespace {

std::string_view Trim(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
  return text.substr(first, last - first);
}

char LowerAscii(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

void TLinearQuickIni::LoadFromText(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  lines_.clear();
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
    TLine parsed{std::string(line), {}, {}, false, false};
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      parsed.header = true;
      sections_.push_back(static_cast<int>(lines_.size()));
    } else if (const size_t equals = line.find('='); equals != std::string_view::npos) {
      parsed.keyLine = true;
      parsed.key = Trim(line.substr(0, equals));
      parsed.value = Trim(line.substr(equals + 1));
    }
    lines_.push_back(std::move(parsed));
  }
}

int TLinearQuickIni::SectionIndex(std::string_view section) const {
  for (const int index : sections_) {
    const std::string& header = lines_[static_cast<size_t>(index)].text;
    if (header.size() == section.size() + 2 &&
        EqualsIgnoringCase(std::string_view(header).substr(1, section.size()), section)) {
      return index;
    }
  }
  return -1;
}

std::string TLinearQuickIni::ReadString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) const {
  const int header = lines_.empty() ? -1 : SectionIndex(section);
  if (header < 0) return std::string(defaultValue);
  for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size(); ++i) {
    const TLine& line = lines_[i];
    if (line.header) break;
    if (line.keyLine && EqualsIgnoringCase(line.key, key))
      return line.value.empty() ? std::string(defaultValue) : line.value;
  }
  return std::string(defaultValue);
}

int32_t TLinearQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                     int32_t defaultValue) const {
  std::string text = ReadString(section, key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    text.replace(0, 2, "$");
  int32_t value = 0;
  return SkinTextToInt(text, value) ? value : defaultValue;
}

void TLinearQuickIni::ReadSections(std::vector<std::string>* strings) const {
  strings->clear();
  for (const int index : sections_) {
    const std::string_view header = lines_[static_cast<size_t>(index)].text;
    strings->emplace_back(Trim(header.substr(1, header.size() - 2)));
  }
}
