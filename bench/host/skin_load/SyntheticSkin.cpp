#include "bench/host/skin_load/SyntheticSkin.h"

#include <random>
#include <string>

#include "tools/skinpack/SkinWrite.h"

namespace {

void PutLE32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// Frames side by side with a magenta surround, a bevelled edge, a vertical
// gradient and a little dithering, as skin bitmaps tend to be.
std::vector<uint8_t> MakeFrameBitmap(int width, int height, int frames, uint32_t seed) {
  const int stride = (width * 3 + 3) & ~3;
  const auto pixels = static_cast<uint32_t>(stride * height);
  std::vector<uint8_t> out = {'B', 'M'};
  PutLE32(out, 54 + pixels);
  PutLE32(out, 0);
  PutLE32(out, 54);
  PutLE32(out, 40);
  PutLE32(out, static_cast<uint32_t>(width));
  PutLE32(out, static_cast<uint32_t>(height));
  out.insert(out.end(), {1, 0, 24, 0});
  for (int i = 0; i < 6; ++i) PutLE32(out, i == 1 ? pixels : 0);

  std::mt19937 random(seed);
  const int frameWidth = width / frames;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int frame = x / frameWidth;
      const int fx = x % frameWidth;
      uint8_t b, g, r;
      if ((fx < 2 || fx >= frameWidth - 2) && (y < 2 || y >= height - 2)) {
        b = 0xFF, g = 0x00, r = 0xFF;  // transparent corners
      } else if (fx == 0 || y == 0 || fx == frameWidth - 1 || y == height - 1) {
        b = 0x40, g = 0x30, r = static_cast<uint8_t>(0x30 + frame * 20);
      } else {
        const int shade = 120 + y * 100 / height + frame * 12;
        const int dither = random() % 13 == 0 ? static_cast<int>(random() % 24) : 0;
        b = static_cast<uint8_t>(shade + dither);
        g = static_cast<uint8_t>(shade - 20 + dither);
        r = static_cast<uint8_t>(shade - 50 + (seed % 7) * 6);
      }
      out.insert(out.end(), {b, g, r});
    }
    out.insert(out.end(), static_cast<size_t>(stride - width * 3), uint8_t{0});
  }
  return out;
}

}  // namespace

std::vector<uint8_t> MakeSyntheticSkinPackage() {
  std::string ini = "[Version]\r\nName=Synthetic\r\n";
  std::vector<TSkinFile> bitmaps;
  for (uint32_t i = 0; i < 34; ++i) {
    const std::string name = "Element" + std::to_string(i) + ".bmp";
    const int frames = 1 + static_cast<int>(i % 4);
    bitmaps.push_back({name, MakeFrameBitmap(frames * (20 + static_cast<int>(i % 5) * 6),
                                             16 + static_cast<int>(i % 6) * 5, frames, i)});
    ini += "[Element" + std::to_string(i) + "]\r\nImage=" + name +
           "\r\nFrames=" + std::to_string(frames) +
           "\r\nLeftWidth=3\r\nRightWidth=3\r\nTopHeight=3\r\n" +
           "BottomHeight=3\r\nTrans=1\r\nColor=0xFF00FF\r\n";
  }
  std::vector<TSkinFile> files = {{"synthetic.ini", {ini.begin(), ini.end()}}};
  files.insert(files.end(), bitmaps.begin(), bitmaps.end());
  return PackSkin(files);
}
