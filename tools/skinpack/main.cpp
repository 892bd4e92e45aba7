// skinpack: builds and inspects skin packages for skin authors.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "skin/read/Lzh.h"
#include "skin/read/SkinRead.h"
#include "tools/skinpack/Check.h"
#include "tools/skinpack/FileIo.h"
#include "tools/skinpack/LzhEncoder.h"
#include "tools/skinpack/SkinWrite.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: skinpack pack DIR OUT        one .ini and the .bmp files of DIR into a package\n"
    "       skinpack unpack PACKAGE DIR  every entry of a package into DIR\n"
    "       skinpack list PACKAGE        entry names and sizes\n"
    "       skinpack check DIR|PACKAGE   what the engine would make of a skin, line by line\n"
    "       skinpack expand IN OUT       raw compressed stream to its expanded bytes\n"
    "       skinpack compress IN OUT     bytes to a raw compressed stream\n";

bool HasExtension(const fs::path& path, std::string_view extension) {
  return SkinLowerCase(path.extension().string()) == extension;
}

// Names go into a CR LF separated list and are looked up by lower-cased name,
// so they must be plain printable text and distinct without regard to case.
void CheckEntryName(const std::string& name, std::set<std::string>& seen) {
  const bool printable = !name.empty() && std::all_of(name.begin(), name.end(), [](char ch) {
    return ch >= 0x20 && ch <= 0x7E;
  });
  if (!printable) throw TToolError("'" + name + "': names must be printable ASCII");
  if (!seen.insert(SkinLowerCase(name)).second) {
    throw TToolError("'" + name + "': another file has the same name in a different case");
  }
}

int Pack(const fs::path& dir, const fs::path& out) {
  std::error_code error;
  if (!fs::is_directory(dir, error)) throw TToolError(dir.string() + ": not a directory");
  std::vector<fs::path> inis;
  std::vector<fs::path> bitmaps;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    const fs::path& path = entry.path();
    if (!entry.is_regular_file()) throw TToolError(path.string() + ": not a regular file");
    if (HasExtension(path, ".ini")) {
      inis.push_back(path);
    } else if (HasExtension(path, ".bmp")) {
      bitmaps.push_back(path);
    } else {
      throw TToolError(path.string() + ": only one .ini and .bmp files can be packed");
    }
  }
  if (inis.size() != 1) {
    throw TToolError(dir.string() + ": needs exactly one .ini file, found " +
                     std::to_string(inis.size()));
  }
  std::sort(bitmaps.begin(), bitmaps.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });

  std::vector<TSkinFile> files;
  std::set<std::string> seen;
  for (const fs::path& path : inis)
    files.push_back({path.filename().string(), ReadWholeFile(path)});
  for (const fs::path& path : bitmaps) {
    TSkinFile file{path.filename().string(), ReadWholeFile(path)};
    if (file.bytes.size() < 2 || file.bytes[0] != 'B' || file.bytes[1] != 'M') {
      throw TToolError(path.string() + ": not a Windows bitmap (no BM signature)");
    }
    files.push_back(std::move(file));
  }
  for (const TSkinFile& file : files) CheckEntryName(file.name, seen);

  std::vector<uint8_t> container;
  std::vector<uint8_t> package;
  try {
    container = BuildSkinContainer(files);
    package = LzhCompress(container);
  } catch (const std::exception& e) {
    throw TToolError(e.what());
  }
  if (LzhExpand(package) != container)
    throw TToolError("internal error: package does not expand back");
  WriteFileAtomically(out, package);
  std::cout << out.string() << ": " << files.size() << " files, " << container.size()
            << " bytes expanded, " << package.size() << " bytes packed\n";
  return 0;
}

TSkinReader LoadPackage(const fs::path& path) {
  TSkinReader reader;
  std::string refusal;
  reader.SetOnRefusal([&refusal](const std::string& message) { refusal = message; });
  if (!reader.Load(ReadWholeFile(path))) {
    std::replace(refusal.begin(), refusal.end(), '\r', ' ');
    throw TToolError(path.string() + ": " +
                     (refusal.empty() ? "not a readable skin package" : refusal));
  }
  return reader;
}

// Sizes as stored, cut at the end of the data the way the program reads them.
std::vector<size_t> AvailableSizes(const TSkinReader& reader) {
  std::vector<size_t> sizes;
  size_t offset = 0;
  for (const int32_t size : reader.Sizes()) {
    const size_t length = std::min(static_cast<size_t>(size), reader.Data().size() - offset);
    sizes.push_back(length);
    offset += length;
  }
  return sizes;
}

int List(const fs::path& packagePath) {
  const TSkinReader reader = LoadPackage(packagePath);
  const auto& header = reader.Header();
  const int version = header[0] | header[1] << 8 | header[2] << 16 | header[3] << 24;
  std::cout << "version " << version << ", " << reader.Count() << " entries, "
            << reader.Data().size() << " bytes of data\n";
  const std::vector<size_t> sizes = AvailableSizes(reader);
  for (size_t i = 0; i < sizes.size(); ++i) {
    std::printf("%10zu  %s", sizes[i], reader.Names()[i].c_str());
    if (sizes[i] != static_cast<size_t>(reader.Sizes()[i])) {
      std::printf("  (cut short: %d bytes declared)", reader.Sizes()[i]);
    }
    std::printf("\n");
  }
  return 0;
}

// Entry names become file names: nothing that could leave DIR.
void CheckFileName(const std::string& name, std::set<std::string>& seen) {
  const bool bad = name.empty() || name == "." || name == ".." ||
                   name.find_first_of(std::string("/\\:\0", 4)) != std::string::npos ||
                   std::any_of(name.begin(), name.end(),
                               [](char ch) { return static_cast<unsigned char>(ch) < 0x20; });
  if (bad) throw TToolError("entry name '" + name + "' cannot be used as a file name");
  if (!seen.insert(name).second) throw TToolError("entry name '" + name + "' appears twice");
}

int Unpack(const fs::path& packagePath, const fs::path& dir) {
  const TSkinReader reader = LoadPackage(packagePath);
  std::set<std::string> seen;
  for (const std::string& name : reader.Names()) CheckFileName(name, seen);
  const std::vector<size_t> sizes = AvailableSizes(reader);
  for (size_t i = 0; i < sizes.size(); ++i) {
    if (sizes[i] != static_cast<size_t>(reader.Sizes()[i])) {
      throw TToolError("entry '" + reader.Names()[i] + "' runs past the end of the package data");
    }
  }
  // A new folder appears whole or not at all: the files go to a temporary
  // folder beside it first. Into an existing folder each file is replaced
  // on its own.
  std::error_code error;
  const bool existed = fs::is_directory(dir, error);
  fs::path target = dir;
  if (!existed) {
    target += ".tmp" + std::to_string(std::random_device()());
    fs::create_directories(target, error);
    if (error) throw TToolError(dir.string() + ": cannot create (" + error.message() + ")");
  }
  try {
    std::vector<uint8_t> bytes;
    for (const std::string& name : reader.Names()) {
      reader.GetEntry(name, bytes);
      WriteFileAtomically(target / name, bytes);
    }
    if (!existed) {
      fs::rename(target, dir, error);
      if (error) throw TToolError(dir.string() + ": cannot create (" + error.message() + ")");
    }
  } catch (...) {
    if (!existed) fs::remove_all(target, error);
    throw;
  }
  std::cout << dir.string() << ": " << reader.Count() << " files\n";
  return 0;
}

int Expand(const fs::path& in, const fs::path& out) {
  const std::vector<uint8_t> compressed = ReadWholeFile(in);
  std::vector<uint8_t> expanded;
  try {
    expanded = LzhExpand(compressed);
  } catch (const ElzhException& e) {
    throw TToolError(in.string() + ": " + e.what());
  }
  const int32_t declared =
      static_cast<int32_t>(compressed[0] | compressed[1] << 8 | compressed[2] << 16 |
                           static_cast<uint32_t>(compressed[3]) << 24);
  if (declared >= 0 && expanded.size() > static_cast<size_t>(declared)) {
    std::cerr << "skinpack: warning: the last match runs " << expanded.size() - declared
              << " bytes past the declared size\n";
  }
  WriteFileAtomically(out, expanded);
  return 0;
}

int Compress(const fs::path& in, const fs::path& out) {
  std::vector<uint8_t> compressed;
  try {
    compressed = LzhCompress(ReadWholeFile(in));
  } catch (const std::length_error& e) {
    throw TToolError(in.string() + ": " + e.what());
  }
  WriteFileAtomically(out, compressed);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto command = [&](std::string_view name, size_t operands) {
    return args.size() == operands + 1 && args[0] == name;
  };
  try {
    if (command("pack", 2)) return Pack(args[1], args[2]);
    if (command("unpack", 2)) return Unpack(args[1], args[2]);
    if (command("list", 1)) return List(args[1]);
    if (command("check", 1)) return CheckSkin(args[1]);
    if (command("expand", 2)) return Expand(args[1], args[2]);
    if (command("compress", 2)) return Compress(args[1], args[2]);
  } catch (const TToolError& e) {
    std::cerr << "skinpack: " << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "skinpack: " << e.what() << "\n";
    return 1;
  }
  std::cerr << kUsage;
  return 2;
}
