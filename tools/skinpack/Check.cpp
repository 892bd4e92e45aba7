#include "tools/skinpack/Check.h"

#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "skin/data/SkinDescriptionFindings.h"
#include "skin/read/SkinRead.h"
#include "tools/skinpack/FileIo.h"

namespace fs = std::filesystem;

namespace {

// A folder is read as the packer would pack it: its one .ini and the files
// beside it, looked up by name without regard to case as the engine does.
std::vector<TSkinFinding> CheckFolder(const fs::path& dir) {
  std::map<std::string, fs::path> files;
  std::vector<fs::path> descriptions;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    files[SkinLowerCase(name)] = entry.path();
    if (SkinLowerCase(entry.path().extension().string()) == ".ini")
      descriptions.push_back(entry.path());
  }
  if (descriptions.size() != 1)
    throw TToolError(dir.string() + ": needs exactly one .ini file, found " +
                     std::to_string(descriptions.size()));
  TSkinFiles skin;
  for (const auto& [lower, path] : files) skin.Names.push_back(path.filename().string());
  skin.Read = [&files](std::string_view name) {
    const auto found = files.find(SkinLowerCase(name));
    return found == files.end() ? std::vector<uint8_t>() : ReadWholeFile(found->second);
  };
  std::vector<TSkinFinding> findings =
      FindSkinFaults(descriptions[0].filename().string(), ReadWholeFile(descriptions[0]), skin);
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
