#include "bench/host/lzh_decoder/MixedInput.h"

#include <random>
#include <string>

namespace {

void AppendLE32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// A bottom-up 24-bit bitmap: a frame of flat colour, a vertical gradient
// inside it, and a noisy band where a picture would be.
void AppendBitmap(std::vector<uint8_t>& out, std::mt19937& random) {
  const uint32_t width = 16 + random() % 240;
  const uint32_t height = 8 + random() % 120;
  const uint32_t stride = (width * 3 + 3) & ~3u;
  out.insert(out.end(), {'B', 'M'});
  AppendLE32(out, 54 + stride * height);
  AppendLE32(out, 0);
  AppendLE32(out, 54);
  AppendLE32(out, 40);
  AppendLE32(out, width);
  AppendLE32(out, height);
  out.insert(out.end(), {1, 0, 24, 0});
  for (int i = 0; i < 6; ++i) AppendLE32(out, i == 1 ? stride * height : 0);
  const uint8_t frame[3] = {static_cast<uint8_t>(random()), static_cast<uint8_t>(random()),
                            static_cast<uint8_t>(random())};
  const uint32_t border = 1 + random() % 4;
  const uint32_t noiseFrom = width / 2 + random() % (width / 2 + 1);
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      const bool edge = x < border || y < border || x + border >= width || y + border >= height;
      for (int c = 0; c < 3; ++c) {
        uint8_t value = static_cast<uint8_t>(frame[c] / 2 + y * 255 / height / 2 + c * 20);
        if (edge) value = frame[c];
        if (!edge && x >= noiseFrom && random() % 3 == 0) value = static_cast<uint8_t>(random());
        out.push_back(value);
      }
    }
    for (uint32_t pad = width * 3; pad < stride; ++pad) out.push_back(0);
  }
}

void AppendText(std::vector<uint8_t>& out, std::mt19937& random, size_t bytes) {
  static const char* const keys[] = {"image",   "frame",  "trans",       "left",     "right",
                                     "top",     "bottom", "fontcolor",   "tile",     "stretch",
                                     "caption", "align",  "BorderWidth", "hotcolor", "glyph"};
  static const char* const words[] = {"the",   "skin",  "button",  "caption", "window", "menu",
                                      "frame", "hover", "pressed", "border",  "colour", "of",
                                      "and",   "a",     "bitmap",  "is",      "drawn",  "when"};
  std::string text;
  while (text.size() < bytes) {
    switch (random() % 4) {
      case 0:
        text += "[Section" + std::to_string(random() % 200) + "]\r\n";
        break;
      case 1:
        text += "; ";
        for (uint32_t n = 3 + random() % 12; n > 0; --n) {
          text += words[random() % std::size(words)];
          text += ' ';
        }
        text += "\r\n";
        break;
      default:
        text += keys[random() % std::size(keys)];
        text += '=';
        text += random() % 2 ? std::to_string(random() % 5000)
                             : "elem" + std::to_string(random() % 90) + ".bmp";
        text += "\r\n";
        break;
    }
  }
  out.insert(out.end(), text.begin(), text.end());
}

}  // namespace

std::vector<uint8_t> MakeMixedInput(size_t size) {
  std::mt19937 random(20100223);
  std::vector<uint8_t> out;
  out.reserve(size + (1 << 17));
  while (out.size() < size) {
    if (random() % 2) {
      AppendBitmap(out, random);
    } else {
      AppendText(out, random, 2000 + random() % 30000);
    }
  }
  out.resize(size);
  return out;
}
