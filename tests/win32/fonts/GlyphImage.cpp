#include "GlyphImage.h"

#include <fstream>
#include <sstream>

#include "toolkit/graphics/ScopedHandles.h"

double TGlyphImage::Ink(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0.0;
  return (255 - grey[static_cast<size_t>(y) * width + x]) / 255.0;
}

TGlyphImage ReadPgm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int width = 0, height = 0, maxValue = 0;
  if (!(in >> magic >> width >> height >> maxValue) || magic != "P5" || maxValue != 255 ||
      width <= 0 || height <= 0 || width > 4096 || height > 4096)
    return {};
  in.get();  // the one white space before the pixels
  TGlyphImage image{width, height, std::vector<std::uint8_t>(static_cast<size_t>(width) * height)};
  if (!in.read(reinterpret_cast<char*>(image.grey.data()), static_cast<std::streamsize>(image.grey.size())))
    return {};
  return image;
}

bool WritePgm(const std::string& path, const TGlyphImage& image) {
  std::ofstream out(path, std::ios::binary);
  out << "P5\n" << image.width << ' ' << image.height << "\n255\n";
  out.write(reinterpret_cast<const char*>(image.grey.data()), static_cast<std::streamsize>(image.grey.size()));
  return static_cast<bool>(out);
}

TGlyphImage DrawGlyph(HFONT font, wchar_t ch, int size, int penX, int penY) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  TBitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  TMemoryDC dc;
  if (!bitmap || !dc.Get()) return {};
  {
    TSelection selectBitmap(dc.Get(), bitmap.Get());
    TSelection selectFont(dc.Get(), font);
    PatBlt(dc.Get(), 0, 0, size, size, WHITENESS);
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(0, 0, 0));
    SetTextAlign(dc.Get(), TA_LEFT | TA_BASELINE);
    TextOutW(dc.Get(), penX, penY, &ch, 1);
    GdiFlush();
  }
  TGlyphImage image{size, size, std::vector<std::uint8_t>(static_cast<size_t>(size) * size)};
  const auto* pixel = static_cast<const std::uint8_t*>(bits);
  // Grey smoothing gives equal channels; sub-pixel smoothing averages out.
  for (auto& grey : image.grey) {
    grey = static_cast<std::uint8_t>((pixel[0] + pixel[1] + pixel[2]) / 3);
    pixel += 4;
  }
  return image;
}

std::string AsText(const TGlyphImage& image) {
  std::ostringstream text;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const double ink = image.Ink(x, y);
      text << (ink >= 0.6 ? '#' : ink >= 0.15 ? '+' : '.');
    }
    text << '\n';
  }
  return text.str();
}
