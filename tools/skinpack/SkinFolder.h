// An unpacked skin folder (one description and its bitmaps) made into a
// package in memory, so that it is read exactly as a package file is.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct TSkinFolderPackage {
  // Empty when the folder cannot make a package; refusal then says why.
  std::vector<uint8_t> package;
  std::string refusal;
  // True when a file was there but could not be read (an editor may still
  // be writing it): another try a moment later may succeed.
  bool readFailed = false;
};

// Takes the folder's one .ini file and its .bmp files, in name order after
// the description, and leaves every other file alone (editors' backups and
// temporary files). Refused, with a reason in Chinese: no or several .ini
// files, more files or more bytes than a package can hold, a file that
// cannot be read.
TSkinFolderPackage PackSkinFolder(const std::filesystem::path& folder);
