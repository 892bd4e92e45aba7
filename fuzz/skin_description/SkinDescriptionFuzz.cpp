// Any bytes as the description of a package that unpacked fine: through the
// checks a description must pass, the findings a skin author is shown and
// the readers that walk its sections (caption buttons, colours). The indexed lookups must agree
// with a scan of the lines in text order, and what the readers return must come from the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinCaptionButtonKeys.h"
#include "skin/data/SkinColourTable.h"
#include "skin/data/SkinDescriptionCheck.h"
#include "skin/data/SkinDescriptionFindings.h"
#include "skin/data/SkinText.h"
#include "skin/read/WinSkinIni.h"
#include "toolkit/graphics/BmpFormat.h"

namespace {

// Larger inputs only repeat what smaller ones reach; the scans below grow
// with lines times lookups.
constexpr size_t kMaxInput = 64 * 1024;
constexpr size_t kMaxScannedLookups = 256;

std::string_view Trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32) text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.remove_suffix(1);
  return text;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && SkinUpperCase(a) == SkinUpperCase(b);
}

// The lookup as a scan of the lines: first header of the name, first key.
std::string ScannedValue(const TQuickIni& ini, std::string_view section, std::string_view key) {
  size_t i = 0;
  for (; i < ini.LineCount(); ++i) {
    const std::string_view line = ini.Line(i);
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2 &&
        SameIgnoringCase(line.substr(1, line.size() - 2), section))
      break;
  }
  for (++i; i < ini.LineCount(); ++i) {
    const std::string_view line = ini.Line(i);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') break;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || !SameIgnoringCase(Trim(line.substr(0, equals)), key))
      continue;
    const std::string_view value = Trim(line.substr(equals + 1));
    return value.empty() ? "<default>" : std::string(value);
  }
  return "<default>";
}

// Every key of the text looked up in sections spread over the text, in
// their own spelling and upper-cased by turns.
void CheckAgainstScan(const TQuickIni& ini) {
  const std::vector<int>& headers = ini.SectionLines();
  size_t lookups = 0;
  for (size_t i = 0; i < ini.LineCount() && lookups < kMaxScannedLookups; ++i) {
    const std::string_view line = ini.Line(i);
    const std::string key(Trim(line.substr(0, line.find('='))));
    for (size_t h = i % 3; h < headers.size() && lookups < kMaxScannedLookups; h += 1 + i % 7) {
      const std::string_view header = ini.Line(static_cast<size_t>(headers[h]));
      const std::string own(header.substr(1, header.size() - 2));
      const std::string section = i % 2 ? SkinUpperCase(own) : own;
      const std::string wanted = i % 2 ? key : SkinUpperCase(key);
      ++lookups;
      if (ini.ReadString(section, wanted, "<default>") != ScannedValue(ini, section, wanted))
        std::abort();
    }
  }
}

void CheckReaders(const TQuickIni& ini) {
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  if (sections.size() != ini.SectionLines().size()) std::abort();
  CheckAgainstScan(ini);

  const std::vector<TCaptionButtonKeys> buttons = ReadCaptionButtonKeys(ini, sections);
  if (buttons.size() > sections.size()) std::abort();
  for (const TCaptionButtonKeys& button : buttons) {
    if (!SkinStartsWith(button.Name, "BUTTON")) std::abort();
  }
  TSkinColourTable colours;
  ReadSkinColours(ini, sections, colours);
  if (colours.SectionColours.size() > sections.size()) std::abort();
}

// Images by the length of their name: missing, not a bitmap, or a small
// bitmap whose width and height vary, so frame and margin checks see both
// sizes that divide and sizes that do not.
std::vector<uint8_t> FuzzImage(std::string_view name) {
  if (name.size() % 3 == 0) return {};
  if (name.size() % 3 == 1) return {'B', 'M', 0, 1};
  TBmpImage image;
  image.Width = static_cast<int>(name.size() % 13) + 1;
  image.Height = static_cast<int>(name.size() % 5) + 1;
  image.BitsPerPixel = 24;
  image.Bits.assign(static_cast<size_t>(image.Stride()) * image.Height, 0x33);
  return WriteBmpFile(image);
}

// Findings name lines of the text, and a refused text gets the refusal
// as its one finding, the same reason the check gives.
void CheckFindings(std::span<const uint8_t> text, const std::string& refusal) {
  const TSkinFiles files{{"fuzz.ini", "a.bmp", "ab.bmp", "abc.bmp"}, FuzzImage};
  const std::vector<TSkinFinding> findings = FindSkinFaults("fuzz.ini", text, files);
  const size_t lines = 1 + static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) +
                       static_cast<size_t>(std::count(text.begin(), text.end(), '\r'));
  for (const TSkinFinding& finding : findings) {
    if (finding.Line < 0 || static_cast<size_t>(finding.Line) > lines) std::abort();
    if (FormatSkinFinding(finding).find(finding.Message) == std::string::npos) std::abort();
  }
  if (!refusal.empty() && (findings.size() != 1 || findings[0].Message != refusal)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kMaxInput) return 0;
  // The image name's length picks what the package makes of it, so every
  // outcome of the last check is reached.
  const TSkinEntryCheck holds = [](std::string_view name) {
    static constexpr TSkinImageState kStates[] = {
        TSkinImageState::Missing, TSkinImageState::Unreadable, TSkinImageState::Readable};
    return kStates[name.size() % 3];
  };
  TQuickIni ini;
  const std::string refusal =
      CheckSkinDescription("fuzz.ini", std::span<const uint8_t>(data, size), holds, ini);
  if (refusal.empty()) {
    const std::string top = ini.ReadString("Personality", "Top", "");
    if (ini.SectionIndex("Personality") < 0 || top.empty()) std::abort();
  }
  CheckFindings(std::span<const uint8_t>(data, size), refusal);
  // A refused text is read as well: the readers never rely on the checks.
  if (!refusal.empty())
    ini.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
  CheckReaders(ini);
  return 0;
}
