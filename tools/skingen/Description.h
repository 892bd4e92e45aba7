#pragma once
// The skin description text: sections and keys naming the bitmaps, their
// frames, margins and transparency, and the colour table.
#include <string>
#include <utility>
#include <vector>

namespace skingen {

struct IniSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> keys;
};

std::vector<IniSection> SkinDescription();
// Windows line ends, a comment header, one blank line between sections.
std::string RenderIni(const std::vector<IniSection>& sections);

}  // namespace skingen
