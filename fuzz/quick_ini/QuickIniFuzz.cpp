// Any bytes as a skin description, looked up with names taken from the text
// itself so that lookups hit real sections and keys.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "skin/read/WinSkinIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> stream(data, data + size);
  TQuickIni ini;
  ini.LoadFromStream(&stream, size > 0 ? data[0] % 4 : 0);

  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  if (sections.size() != ini.SectionLines().size()) std::abort();
  for (const int index : ini.SectionLines()) {
    if (index < 0 || static_cast<size_t>(index) >= ini.LineCount()) std::abort();
  }
  for (const std::string& section : sections) {
    const int index = ini.SectionIndex(section);
    if (index >= 0 && ini.Line(static_cast<size_t>(index)).front() != '[') std::abort();
  }
  for (size_t i = 0; i < ini.LineCount(); ++i) {
    const std::string_view line = ini.Line(i);
    const std::string_view key = line.substr(0, line.find('='));
    for (const std::string& section : sections) {
      ini.ReadString(section, key, "default");
      ini.ReadInteger(section, key, -1);
    }
  }
  return 0;
}
