// The description parser as it was before sections and keys were indexed:
// every lookup scans the section headers, then the section's lines. Kept
// here only as the benchmark's anchor.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TLinearQuickIni {
 public:
  void LoadFromText(std::string_view text);
  int SectionIndex(std::string_view section) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
  void ReadSections(std::vector<std::string>* strings) const;

 private:
  struct TLine {
    std::string text;
    std::string key;  // key lines only
    std::string value;
    bool header = false;
    bool keyLine = false;
  };
  std::vector<TLine> lines_;
  std::vector<int> sections_;
};
