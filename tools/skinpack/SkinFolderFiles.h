// A skin folder reached through std::filesystem, for the tools and tests.
#pragma once

#include <filesystem>

#include "tools/skinpack/SkinFolder.h"

class TSkinFolderFiles final : public TSkinFolderAccess {
 public:
  explicit TSkinFolderFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}
  std::string Path() const override;
  bool List(std::vector<TSkinFolderEntry>& files) const override;
  bool Read(const std::string& name, size_t limit, std::vector<uint8_t>& bytes) const override;

 private:
  std::filesystem::path folder_;
};
