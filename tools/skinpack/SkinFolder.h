// An unpacked skin folder (one description and its bitmaps) made into a
// package in memory, so that it is read exactly as a package file is.
#pragma once

#include <cstddef>
#include <cstdint>
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

struct TSkinFolderEntry {
  std::string name;  // UTF-8
  uint64_t size = 0;
};

// How the folder's files are reached; the program and the tools each have
// their own way with the file system.
class TSkinFolderAccess {
 public:
  virtual ~TSkinFolderAccess() = default;
  // The folder, for messages.
  virtual std::string Path() const = 0;
  // Its regular files with their sizes; false when it cannot be listed.
  virtual bool List(std::vector<TSkinFolderEntry>& files) const = 0;
  // The whole file; false when it cannot be read or holds more than limit.
  virtual bool Read(const std::string& name, size_t limit, std::vector<uint8_t>& bytes) const = 0;
};

// Takes the folder's one .ini file and its .bmp files, in name order after
// the description, and leaves every other file alone (editors' backups and
// temporary files). Refused, with a reason in Chinese: no or several .ini
// files, more files or more bytes than a package can hold, a file that
// cannot be read.
TSkinFolderPackage PackSkinFolder(const TSkinFolderAccess& folder);
