// Small skins made in the tests: bitmaps drawn pixel by pixel and
// description texts with the files they name.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinDescriptionReader.h"
#include "skin/read/WinSkinIni.h"
#include "toolkit/graphics/Colors.h"

using TPixelFunc = std::function<TColor(int x, int y)>;

// A 24-bit .bmp file; every pixel from the function.
std::vector<std::uint8_t> MakeBmp(int width, int height, const TPixelFunc& pixel);
std::vector<std::uint8_t> MakeBmp(int width, int height, TColor colour);

// Package files by name (compared without case, as the package reader does).
class TTestSkinFiles {
 public:
  void Add(const std::string& name, std::vector<std::uint8_t> bytes);
  TSkinEntrySource Source() const;
  // How many times a file was asked for, by lower-cased name.
  int Requests(const std::string& name) const;

 private:
  std::map<std::string, std::vector<std::uint8_t>> files_;
  std::shared_ptr<std::map<std::string, int>> requests_ =
      std::make_shared<std::map<std::string, int>>();
};

// The description loaded into a parser.
TQuickIni MakeIni(std::string_view text);

// A compressed skin package of the files, in order, whatever the version.
struct TPackageFile {
  std::string Name;
  std::vector<std::uint8_t> Bytes;
};
std::vector<std::uint8_t> MakePackage(const std::vector<TPackageFile>& files,
                                      std::int32_t version = 20000);

// A whole file of the build folder.
std::vector<std::uint8_t> ReadWholeFile(const char* path);

// The colour of a pixel of a bitmap, as plain RGB.
class TBitmap;
TColor PixelAt(TBitmap& bitmap, int x, int y);
