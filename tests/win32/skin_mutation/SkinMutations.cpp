#include "SkinMutations.h"

#include <climits>
#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;

const char* const kIntegerKeys[][2] = {
    {"Personality", "LeftFrame"},     {"Personality", "TopFrame"},
    {"Personality", "RightFrame"},    {"Personality", "BottomFrame"},
    {"Personality", "TopTopHeight"},  {"Personality", "LeftTopHeight"},
    {"Personality", "TextShift"},     {"Personality", "TextShiftVert"},
    {"Personality", "TextRightClip"}, {"Personality", "TXTBackleft"},
    {"Personality", "TXTBackRight"},  {"Personality", "TextAlignment"},
    {"Personality", "TileLeftMenu"},  {"Fonts", "FontHeight"},
    {"ButtonClose", "Xcoord"},        {"ButtonClose", "Ycoord"},
    {"ButtonClose", "frame"},         {"ButtonClose", "Align"},
    {"ButtonMinimize", "Action"},     {"Buttons", "LeftWidth"},
    {"Buttons", "TopHeight"},         {"Tabs", "RightWidth"},
    {"Scrollbar", "Frame"},           {"HorzScrollThumb", "FrameCount"},
    {"Headerbar", "Frame"},           {"MenuItem", "LeftWidth"},
    {"GroupBox", "BackgroundLeftShift"}, {"Progress", "Style"},
};
const long long kExtremes[] = {0,         -1,      1,        2,       -1000000, 1000000,
                               INT_MAX,   INT_MIN, 4096,     65536,   5000000,  99999999999LL};

struct TMutator {
  TSkinFiles& files;
  std::mt19937& random;
  std::string said;

  std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); }
  TSkinFile& Ini() { return files.front(); }
  TSkinFile& Image() { return files[1 + Pick(files.size() - 1)]; }

  void SetKey() {
    const auto& key = kIntegerKeys[Pick(std::size(kIntegerKeys))];
    const long long value = kExtremes[Pick(std::size(kExtremes))];
    std::string text(Ini().bytes.begin(), Ini().bytes.end());
    const std::string header = std::string("[") + key[0] + "]\r\n";
    const std::size_t at = text.find(header);
    const std::string line = std::string(key[1]) + "=" + std::to_string(value) + "\r\n";
    // The first setting of a key wins: the new line goes first.
    if (at == std::string::npos)
      text += "\r\n" + header + line;
    else
      text.insert(at + header.size(), line);
    Ini().bytes.assign(text.begin(), text.end());
    said += std::string(" ") + key[0] + "." + key[1] + "=" + std::to_string(value);
  }
  void CutImage() {
    TSkinFile& f = Image();
    f.bytes.resize(Pick(f.bytes.size() + 1));
    said += " cut " + f.name;
  }
  void ScrambleImage() {
    TSkinFile& f = Image();
    for (std::size_t n = 1 + Pick(16); n > 0 && f.bytes.size() > 2; --n)
      f.bytes[2 + Pick(f.bytes.size() - 2)] = static_cast<std::uint8_t>(random());
    said += " scramble " + f.name;
  }
  void ResizeImageHeader() {
    TSkinFile& f = Image();
    if (f.bytes.size() < 26) return;
    const long long value = kExtremes[Pick(std::size(kExtremes))];
    const std::size_t at = Pick(2) ? 18 : 22;
    for (int i = 0; i < 4; ++i) f.bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    said += " size " + f.name + "@" + std::to_string(at) + "=" + std::to_string(value);
  }
  void OverrunImage() {
    TSkinFile& f = Image();
    if (f.bytes.size() < 54) return;
    // 8 bits, run-length encoded, a four-colour palette, runs past every row.
    f.bytes[28] = 8;
    f.bytes[29] = 0;
    f.bytes[30] = 1;
    f.bytes.resize(54 + 16);
    f.bytes[10] = 54 + 16;
    f.bytes[11] = f.bytes[12] = f.bytes[13] = 0;
    f.bytes[46] = 4;
    for (int i = 0; i < 300; ++i) {
      f.bytes.push_back(255);
      f.bytes.push_back(static_cast<std::uint8_t>(Pick(4)));
    }
    said += " overrun " + f.name;
  }
  void ScrambleIni() {
    Bytes& b = Ini().bytes;
    for (std::size_t n = 1 + Pick(8); n > 0 && !b.empty(); --n)
      b[Pick(b.size())] = static_cast<std::uint8_t>(random());
    said += " scramble ini";
  }
  void RepeatIni() {
    Bytes& b = Ini().bytes;
    const Bytes copy = b;
    for (std::size_t n = 1 + Pick(3); n > 0; --n) b.insert(b.end(), copy.begin(), copy.end());
    said += " repeat ini";
  }
};

}  // namespace

std::string MutateSkin(TSkinFiles& files, std::uint32_t seed) {
  std::mt19937 random(seed);
  TMutator m{files, random, {}};
  for (std::size_t n = 1 + m.Pick(4); n > 0; --n) {
    switch (m.Pick(8)) {
      case 0:
      case 1:
        m.SetKey();
        break;
      case 2:
        m.CutImage();
        break;
      case 3:
        m.ScrambleImage();
        break;
      case 4:
        m.ResizeImageHeader();
        break;
      case 5:
        m.OverrunImage();
        break;
      case 6:
        m.ScrambleIni();
        break;
      default:
        m.RepeatIni();
        break;
    }
  }
  return m.said;
}
