#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The skin description held in memory: lookups of a value by section and key.
// Sections compare without regard to ASCII case, keys likewise; the first
// matching section and the first matching key in it win. Sections and keys
// are indexed once at load, so a lookup costs a binary search however many
// sections a description holds.
class TQuickIni {
 public:
  // Reads from `position` to the end; a missing stream changes nothing.
  void LoadFromStream(const std::vector<uint8_t>* stream, size_t position = 0);
  void LoadFromText(std::string_view text);

  // Index of the section's header line, or -1.
  int SectionIndex(std::string_view section) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
  // Section names in text order, brackets and surrounding blanks removed.
  // Throws std::invalid_argument when no list is given.
  void ReadSections(std::vector<std::string>* strings) const;

  // The significant lines, trimmed, in text order.
  size_t LineCount() const { return lines_.size(); }
  std::string_view Line(size_t index) const {
    return Slice(lines_[index].start, lines_[index].length);
  }
  // Where a significant line starts in the text loaded, and for a key line
  // its trimmed key and value (both empty for other lines).
  size_t LineStart(size_t index) const { return lines_[index].start; }
  bool IsKeyLine(size_t index) const { return lines_[index].kind == TLineKind::Key; }
  bool IsHeaderLine(size_t index) const { return lines_[index].kind == TLineKind::Header; }
  std::string_view KeyOf(size_t index) const {
    return IsKeyLine(index) ? Key(static_cast<uint32_t>(index)) : std::string_view();
  }
  std::string_view ValueOf(size_t index) const {
    const TLine& line = lines_[index];
    return IsKeyLine(index) ? Slice(line.valueStart, line.valueLength) : std::string_view();
  }
  // Indices of the section header lines, in text order.
  const std::vector<int>& SectionLines() const { return sections_; }

 private:
  enum class TLineKind : uint8_t { Header, Key, Other };

  // Offsets into text_, so a long description costs a few words per line:
  // the trimmed line, and for a key line its trimmed key (which starts the
  // line) and trimmed value.
  struct TLine {
    uint32_t start = 0;
    uint32_t length = 0;
    uint32_t keyLength = 0;
    uint32_t valueStart = 0;
    uint32_t valueLength = 0;
    TLineKind kind = TLineKind::Other;
  };
  // Index entries: the hash of the lower-cased name orders them first, so
  // that a search reads the text only where hashes are equal.
  struct TSectionEntry {
    uint64_t hash = 0;
    uint32_t line = 0;  // the header line
  };
  struct TKeyEntry {
    uint32_t header = 0;
    uint32_t line = 0;
    uint64_t hash = 0;
  };

  void BuildIndex();
  std::string_view SectionName(uint32_t headerLine) const;
  std::string_view Key(uint32_t line) const {
    return Slice(lines_[line].start, lines_[line].keyLength);
  }
  // The first key line with that key under the header, or -1.
  int KeyLine(uint32_t header, std::string_view key) const;

  std::string_view Slice(uint32_t start, uint32_t length) const {
    return std::string_view(text_).substr(start, length);
  }

  std::string text_;
  std::vector<TLine> lines_;
  std::vector<int> sections_;
  // Header lines by name, then text order; key lines by header, key, then
  // text order. Names and keys compare without regard to ASCII case.
  std::vector<TSectionEntry> sectionsByName_;
  std::vector<TKeyEntry> keysByName_;
};

// Signed decimal, or hexadecimal after a leading "$" (32 bits, so "$FF00000F"
// is negative); false when the text is not such a number.
bool SkinTextToInt(std::string_view text, int32_t& value);
