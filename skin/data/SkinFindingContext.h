// What the description checks share: the loaded description, its lines by
// number, the skin's images and the list the findings go to.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinDescriptionFindings.h"
#include "skin/data/SkinDescriptionKeys.h"

class TQuickIni;

// An image as the engine would load it.
struct TSkinImageInfo {
  bool Present = false;
  bool Readable = false;
  int Width = 0;
  int Height = 0;
};

class TSkinFindingContext {
 public:
  TSkinFindingContext(std::string_view name, std::string_view text, const TQuickIni& ini,
                      const TSkinFiles& files, std::vector<TSkinFinding>& out);

  const TQuickIni& Ini() const { return ini_; }
  // The text line (from 1) of a significant line of the description.
  int LineOf(size_t index) const;
  // The significant line of the first such key in the section's first
  // header, or -1.
  int KeyIndex(std::string_view section, std::string_view key) const;
  // The text line of that key, else of the section's header, else 0.
  int LineOfKey(std::string_view section, std::string_view key) const;
  // The value as the engine reads it, when the key is given as a number.
  std::optional<int> Integer(std::string_view section, std::string_view key) const;

  void Add(int line, TSkinSeverity severity, std::string message);
  void AddForFile(std::string file, TSkinSeverity severity, std::string message);

  // The image file of that entry name, read once; unreadable ones are
  // reported once, under their own name.
  const TSkinImageInfo& Image(const std::string& entry);
  // Entry names (lower case) that some key names.
  const std::set<std::string>& NamedImages() const { return named_; }
  const TSkinFiles& Files() const { return files_; }

 private:
  std::string name_;
  const TQuickIni& ini_;
  const TSkinFiles& files_;
  std::vector<TSkinFinding>& out_;
  std::vector<size_t> lineStarts_;
  std::map<std::string, TSkinImageInfo> images_;
  std::set<std::string> named_;
};

// The checks of the description's text, then of the images it names.
void FindTextFaults(TSkinFindingContext& context, std::string_view text);
void FindImageFaults(TSkinFindingContext& context, std::string_view description);

// The keys a section of that name may give, or nothing for a section the
// engine does not read. Names of the border keys are made here, so a key
// is returned with its name.
struct TKnownSkinKey {
  std::string Name;
  TSkinKey Key;
};
std::optional<std::vector<TKnownSkinKey>> KnownSkinKeys(std::string_view section);
