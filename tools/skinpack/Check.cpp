#include "tools/skinpack/Check.h"

#include <iostream>
#include <string>
#include <vector>

#include "skin/data/SkinDescriptionFindings.h"
#include "skin/read/SkinRead.h"
#include "tools/skinpack/FileIo.h"
#include "tools/skinpack/SkinFolder.h"
#include "tools/skinpack/SkinFolderFiles.h"

namespace fs = std::filesystem;

namespace {

// A folder is read as the gallery shows it: its one .ini and its .bmp files
// made into a package in memory, other files left alone.
std::vector<TSkinFinding> CheckFolder(const fs::path& dir) {
  const TSkinFolderPackage packed = PackSkinFolder(TSkinFolderFiles(dir));
  TSkinReader reader;
  if (packed.package.empty() || !reader.Load(packed.package))
    throw TToolError(dir.string() + ": " + packed.refusal);
  std::vector<TSkinFinding> findings = FindSkinPackageFaults(reader);
  for (TSkinFinding& finding : findings)
    if (!finding.File.empty()) finding.File = (dir / finding.File).string();
  return findings;
}

std::vector<TSkinFinding> CheckPackage(const fs::path& path) {
  TSkinReader reader;
  if (!reader.Load(ReadWholeFile(path)))
    throw TToolError(path.string() + ": not a readable skin package");
  std::vector<TSkinFinding> findings = FindSkinPackageFaults(reader);
  for (TSkinFinding& finding : findings)
    if (finding.File.empty()) finding.File = path.string();
  return findings;
}

}  // namespace

int CheckSkin(const fs::path& input) {
  std::vector<TSkinFinding> findings;
  try {
    std::error_code error;
    findings = fs::is_directory(input, error) ? CheckFolder(input) : CheckPackage(input);
  } catch (const std::exception& e) {
    std::cerr << "skinpack: " << e.what() << "\n";
    return 2;
  }
  for (const TSkinFinding& finding : findings) std::cout << FormatSkinFinding(finding) << "\n";
  return HasSkinErrors(findings) ? 1 : 0;
}
