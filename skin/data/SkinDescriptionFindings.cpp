#include "skin/data/SkinDescriptionFindings.h"

#include <algorithm>
#include <climits>

#include "skin/data/SkinDescriptionCheck.h"
#include "skin/data/SkinFindingContext.h"
#include "skin/data/SkinText.h"
#include "skin/read/SkinRead.h"
#include "skin/read/WinSkinIni.h"
#include "toolkit/graphics/BmpFormat.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Starts of the text's lines, split as the description parser splits them.
std::vector<size_t> LineStarts(std::string_view text) {
  std::vector<size_t> starts{0};
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (text[i] == '\r' || text[i] == '\n') starts.push_back(i + 1);
  }
  return starts;
}

TSkinImageInfo ReadImageInfo(const TSkinFiles& files, const std::string& entry) {
  const std::vector<std::uint8_t> bytes = files.Read(entry);
  if (bytes.empty()) return {};
  const TBmpImage image = ReadBmpFile(bytes, kSkinPixelBudget);
  return {true, !image.Empty(), image.Width, image.Height};
}

}  // namespace

TSkinFindingContext::TSkinFindingContext(std::string_view name, std::string_view text,
                                         const TQuickIni& ini, const TSkinFiles& files,
                                         std::vector<TSkinFinding>& out)
    : name_(name), ini_(ini), files_(files), out_(out), lineStarts_(LineStarts(text)) {}

int TSkinFindingContext::LineOf(size_t index) const {
  const size_t start = ini_.LineStart(index);
  const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), start);
  return static_cast<int>(after - lineStarts_.begin());
}

int TSkinFindingContext::KeyIndex(std::string_view section, std::string_view key) const {
  const int header = ini_.SectionIndex(section);
  if (header < 0) return -1;
  for (size_t i = static_cast<size_t>(header) + 1; i < ini_.LineCount(); ++i) {
    if (ini_.IsHeaderLine(i)) break;
    if (ini_.IsKeyLine(i) && SkinSameName(ini_.KeyOf(i), key)) return static_cast<int>(i);
  }
  return -1;
}

int TSkinFindingContext::LineOfKey(std::string_view section, std::string_view key) const {
  const int index = KeyIndex(section, key);
  if (index >= 0) return LineOf(static_cast<size_t>(index));
  const int header = ini_.SectionIndex(section);
  return header < 0 ? 0 : LineOf(static_cast<size_t>(header));
}

std::optional<int> TSkinFindingContext::Integer(std::string_view section,
                                                std::string_view key) const {
  // Two different defaults: a value the parser takes gives the same answer.
  const int low = ini_.ReadInteger(section, key, INT32_MIN);
  const int high = ini_.ReadInteger(section, key, INT32_MAX);
  if (low != high) return std::nullopt;
  return low;
}

void TSkinFindingContext::Add(int line, TSkinSeverity severity, std::string message) {
  out_.push_back({name_, line, severity, std::move(message)});
}

void TSkinFindingContext::AddForFile(std::string file, TSkinSeverity severity,
                                     std::string message) {
  out_.push_back({std::move(file), 0, severity, std::move(message)});
}

const TSkinImageInfo& TSkinFindingContext::Image(const std::string& entry) {
  const std::string lower = SkinLowerCase(entry);
  named_.insert(lower);
  const auto found = images_.find(lower);
  if (found != images_.end()) return found->second;
  const TSkinImageInfo& info = images_[lower] = ReadImageInfo(files_, lower);
  if (info.Present && !info.Readable)
    AddForFile(entry, TSkinSeverity::Error,
               "not a bitmap the engine reads (or more than " + std::to_string(kSkinPixelBudget) +
                   " pixels); its elements get no image");
  return info;
}

std::vector<TSkinFinding> FindSkinFaults(std::string_view name, std::span<const std::uint8_t> text,
                                         const TSkinFiles& files) {
  const auto holds = [&files](std::string_view entry) {
    const TSkinImageInfo info = ReadImageInfo(files, SkinLowerCase(entry));
    if (!info.Present) return TSkinImageState::Missing;
    return info.Readable ? TSkinImageState::Readable : TSkinImageState::Unreadable;
  };
  TQuickIni ini;
  const std::string refusal = CheckSkinDescription(name, text, holds, ini);
  std::string_view body(reinterpret_cast<const char*>(text.data()), text.size());
  if (body.starts_with(kUtf8Mark)) body.remove_prefix(kUtf8Mark.size());
  std::vector<TSkinFinding> findings;
  TSkinFindingContext context(name, body, ini, files, findings);
  if (!refusal.empty()) {
    const int line = ini.LineCount() == 0 ? 0 : context.LineOfKey(kPersonalitySection, "Top");
    context.Add(line, TSkinSeverity::Error, refusal);
    return findings;
  }
  FindTextFaults(context, body);
  FindImageFaults(context, name);
  // Line order; findings about a file alone come last.
  std::stable_sort(findings.begin(), findings.end(),
                   [](const TSkinFinding& a, const TSkinFinding& b) {
                     return (a.Line == 0 ? INT_MAX : a.Line) < (b.Line == 0 ? INT_MAX : b.Line);
                   });
  return findings;
}

std::vector<TSkinFinding> FindSkinPackageFaults(const TSkinReader& package) {
  std::vector<std::uint8_t> text;
  std::string name;
  package.FindEntry(".ini", text, name);
  if (name.empty()) {
    TQuickIni ini;
    return {{"", 0, TSkinSeverity::Error, CheckSkinDescription(package, ini)}};
  }
  TSkinFiles files{package.Names(), [&package](std::string_view entry) {
                     std::vector<std::uint8_t> bytes;
                     package.GetEntry(entry, bytes);
                     return bytes;
                   }};
  return FindSkinFaults(name, text, files);
}

bool HasSkinErrors(std::span<const TSkinFinding> findings) {
  return std::any_of(findings.begin(), findings.end(), [](const TSkinFinding& finding) {
    return finding.Severity == TSkinSeverity::Error;
  });
}

std::string FormatSkinFinding(const TSkinFinding& finding) {
  std::string text = finding.File;
  if (finding.Line > 0) text += ":" + std::to_string(finding.Line);
  if (!text.empty()) text += ": ";
  text += finding.Severity == TSkinSeverity::Error ? "error: " : "warning: ";
  return text + finding.Message;
}
