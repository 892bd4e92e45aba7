#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The skin description held in memory: lookups of a value by section and key.
// Sections compare without regard to ASCII case, keys likewise; the first
// matching section and the first matching key in it win.
class TQuickIni {
 public:
  // Reads from `position` to the end; a missing stream changes nothing.
  void LoadFromStream(const std::vector<uint8_t>* stream, size_t position = 0);
  void LoadFromText(std::string_view text);

  // Index in Lines() of the section's header line, or -1.
  int SectionIndex(std::string_view section) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
  // Section names in text order, brackets and surrounding blanks removed.
  // Throws std::invalid_argument when no list is given.
  void ReadSections(std::vector<std::string>* strings) const;

  // Every significant line, trimmed, in text order.
  const std::vector<std::string>& Lines() const { return lines_; }
  // Header lines as written (trimmed) with their index in Lines().
  const std::vector<std::pair<std::string, int>>& Sections() const { return sections_; }

 private:
  struct TKeyLine {
    bool isHeader = false;
    bool hasKey = false;  // the line has an "="
    std::string key;      // lower-cased
    std::string value;
  };

  std::vector<std::string> lines_;
  std::vector<TKeyLine> parsed_;
  std::vector<std::pair<std::string, int>> sections_;
};

// Signed decimal, or hexadecimal after a leading "$" (32 bits, so "$FF00000F"
// is negative); false when the text is not such a number.
bool SkinTextToInt(std::string_view text, int32_t& value);
