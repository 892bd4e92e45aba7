// Everything a skin author should hear about a description and its images,
// line by line: what the engine refuses, what it cannot draw as written and
// what it reads differently or ignores. Portable, so that the packer's check
// and the program's own refusal path tell the same story.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TSkinReader;

enum class TSkinSeverity : std::uint8_t {
  Error,    // refused, or not drawn as the description says
  Warning,  // read differently than written, or ignored
};

struct TSkinFinding {
  std::string File;  // the description, or the image the finding is about
  int Line = 0;      // 1-based line of the description; 0 names the file only
  TSkinSeverity Severity = TSkinSeverity::Error;
  std::string Message;
};

// The skin's files by name (any letter case): the bytes, empty when there
// is no such file. names lists every file, the description included.
struct TSkinFiles {
  std::vector<std::string> Names;
  std::function<std::vector<std::uint8_t>(std::string_view name)> Read;
};

// The findings for the description text of that name, in line order after
// any refusal (which comes first, with the message CheckSkinDescription
// gives). A refused description is not looked at further.
std::vector<TSkinFinding> FindSkinFaults(std::string_view name, std::span<const std::uint8_t> text,
                                         const TSkinFiles& files);

// The same for a package the reader accepted; its first ".ini" file is its
// description, as the engine takes it. A package without one gives one
// error that names no file.
std::vector<TSkinFinding> FindSkinPackageFaults(const TSkinReader& package);

bool HasSkinErrors(std::span<const TSkinFinding> findings);

// "file:line: error: message", "file: warning: message" without a line,
// "error: message" without a file.
std::string FormatSkinFinding(const TSkinFinding& finding);
