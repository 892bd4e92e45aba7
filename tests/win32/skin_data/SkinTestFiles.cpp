#include "SkinTestFiles.h"

#include "skin/read/SkinRead.h"
#include "toolkit/core/Streams.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/BmpFormat.h"
#include "tools/skinpack/LzhEncoder.h"
#include "tools/skinpack/SkinWrite.h"

std::vector<std::uint8_t> MakeBmp(int width, int height, const TPixelFunc& pixel) {
  TBmpImage image;
  image.Width = width;
  image.Height = height;
  image.BitsPerPixel = 24;
  image.Bits.assign(static_cast<std::size_t>(image.Stride()) * height, 0);
  for (int y = 0; y < height; ++y) {
    // Rows are stored bottom-up, blue first.
    std::uint8_t* row =
        image.Bits.data() + static_cast<std::size_t>(height - 1 - y) * image.Stride();
    for (int x = 0; x < width; ++x) {
      const TColor c = pixel(x, y);
      row[3 * x] = static_cast<std::uint8_t>(ColorBlue(c));
      row[3 * x + 1] = static_cast<std::uint8_t>(ColorGreen(c));
      row[3 * x + 2] = static_cast<std::uint8_t>(ColorRed(c));
    }
  }
  return WriteBmpFile(image);
}

std::vector<std::uint8_t> MakeBmp(int width, int height, TColor colour) {
  return MakeBmp(width, height, [colour](int, int) { return colour; });
}

void TTestSkinFiles::Add(const std::string& name, std::vector<std::uint8_t> bytes) {
  files_[SkinLowerCase(name)] = std::move(bytes);
}

TSkinEntrySource TTestSkinFiles::Source() const {
  return [this](std::string_view name, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    const std::string key = SkinLowerCase(name);
    ++(*requests_)[key];
    const auto found = files_.find(key);
    if (found != files_.end()) bytes = found->second;
  };
}

int TTestSkinFiles::Requests(const std::string& name) const {
  const auto found = requests_->find(SkinLowerCase(name));
  return found == requests_->end() ? 0 : found->second;
}

TQuickIni MakeIni(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromText(text);
  return ini;
}

TColor PixelAt(TBitmap& bitmap, int x, int y) { return bitmap.Canvas().Pixel(x, y); }

std::vector<std::uint8_t> MakePackage(const std::vector<TPackageFile>& files,
                                      std::int32_t version) {
  std::vector<TSkinFile> entries;
  for (const TPackageFile& f : files) entries.push_back({f.Name, f.Bytes});
  // The writer knows only the versions the reader takes: other versions are
  // written over the header of a version 20000 container (no opaque block).
  std::vector<std::uint8_t> container = BuildSkinContainer(entries, 20000);
  for (int i = 0; i < 4; ++i) container[i] = static_cast<std::uint8_t>(version >> (8 * i));
  return LzhCompress(container);
}

std::vector<std::uint8_t> ReadWholeFile(const char* path) {
  TMemoryStream stream;
  stream.LoadFromFile(path);
  const auto bytes = stream.Bytes();
  return {bytes.begin(), bytes.end()};
}
