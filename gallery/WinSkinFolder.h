// A skin folder reached through the Win32 file functions: the gallery
// stays without the C++ library's file system and streams.
#pragma once

#include <string>

#include "tools/skinpack/SkinFolder.h"

class TWinSkinFolder final : public TSkinFolderAccess {
 public:
  // folder in UTF-8.
  explicit TWinSkinFolder(std::string folder) : folder_(std::move(folder)) {}
  std::string Path() const override { return folder_; }
  bool List(std::vector<TSkinFolderEntry>& files) const override;
  // Shares the file for reading and writing, as editors expect of a reader.
  bool Read(const std::string& name, size_t limit, std::vector<uint8_t>& bytes) const override;

 private:
  std::string folder_;
};
