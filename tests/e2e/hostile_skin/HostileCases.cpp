#include "HostileCases.h"

#include <algorithm>

namespace hostile {

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

Bytes BmpFile(int width, int height, int bits, std::uint32_t compression, const Bytes& palette,
              const Bytes& pixels) {
  Bytes b{'B', 'M'};
  const auto offBits = static_cast<std::uint32_t>(14 + 40 + palette.size());
  Put32(b, offBits + static_cast<std::uint32_t>(pixels.size()));
  Put32(b, 0);
  Put32(b, offBits);
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(width));
  Put32(b, static_cast<std::uint32_t>(height));
  Put16(b, 1);
  Put16(b, static_cast<std::uint32_t>(bits));
  Put32(b, compression);
  Put32(b, static_cast<std::uint32_t>(pixels.size()));
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, static_cast<std::uint32_t>(palette.size() / 4));
  Put32(b, 0);
  b.insert(b.end(), palette.begin(), palette.end());
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

// Rewrites the description through text: f gets it and changes it.
void EditIni(TFiles& files, const std::function<void(std::string&)>& f) {
  for (TSkinFile& file : files) {
    if (!file.name.ends_with(".ini")) continue;
    std::string text(file.bytes.begin(), file.bytes.end());
    f(text);
    file.bytes.assign(text.begin(), text.end());
  }
}

// key=value in [section], replacing the line that sets the key there or
// adding one right under the section's header.
void SetKey(std::string& text, const std::string& section, const std::string& key,
            const std::string& value) {
  const std::string header = "[" + section + "]\r\n";
  const std::size_t at = text.find(header);
  if (at == std::string::npos) {
    text += "\r\n" + header + key + "=" + value + "\r\n";
    return;
  }
  const std::size_t body = at + header.size();
  std::size_t end = text.find("\r\n[", body);
  if (end == std::string::npos) end = text.size();
  const std::size_t line = text.find("\r\n" + key + "=", body - 2);
  if (line != std::string::npos && line < end) {
    const std::size_t start = line + 2;
    const std::size_t stop = text.find("\r\n", start);
    text.replace(start, stop - start, key + "=" + value);
    return;
  }
  text.insert(body, key + "=" + value + "\r\n");
}

void SetKeys(TFiles& files, const std::string& section, const std::vector<std::string>& keys,
             const std::string& value) {
  EditIni(files, [&](std::string& t) {
    for (const std::string& k : keys) SetKey(t, section, k, value);
  });
}

const std::vector<std::string> kBorderFrames{"LeftFrame", "RightFrame", "TopFrame", "BottomFrame"};
const std::vector<std::string> kBorderMargins{"LeftTopHeight", "LeftBotHeight", "RightTopHeight",
                                              "RightBotHeight", "TopTopHeight", "TopBotHeight",
                                              "BottomTopHeight", "BottomBotHeight"};
const std::vector<std::string> kMargins{"LeftWidth", "RightWidth", "TopHeight", "BottomHeight"};
const std::vector<std::string> kElementSections{
    "Buttons", "Tabs", "Scrollbar", "HorzScrollThumb", "VertScrollThumb", "Headerbar",
    "Progress", "ComboButton", "SunkEdge", "MenuItem", "GroupBox", "UpDown.Horz"};
const std::vector<std::string> kShifts{"TextShift",   "TextShiftVert", "TextRightClip",
                                       "TXTBackleft", "TXTBackRight"};

void Values(TFiles& files, const std::string& value) {
  SetKeys(files, "Personality", kBorderFrames, value);
  SetKeys(files, "Personality", kBorderMargins, value);
  SetKeys(files, "Personality", kShifts, value);
  for (const std::string& s : kElementSections) {
    SetKeys(files, s, kMargins, value);
    SetKeys(files, s, {"Frame", "FrameCount"}, value);
  }
}

void EachBitmap(TFiles& files, const std::function<void(TSkinFile&)>& f) {
  for (TSkinFile& file : files)
    if (file.name.ends_with(".bmp")) f(file);
}

TSkinFile* File(TFiles& files, const std::string& name) {
  for (TSkinFile& f : files)
    if (f.name == name) return &f;
  return nullptr;
}

// One 1 KB run-length file for an image of width x height: 255-pixel runs
// of colour 1 that run past every row and the image, then nothing more.
Bytes RunOverflow(int width, int height) {
  Bytes codes;
  for (int i = 0; i < 500; ++i) {
    codes.push_back(255);
    codes.push_back(1);
  }
  return Rle8(width, height, codes);
}

void Description(TFiles& files, const Bytes& bytes) {
  for (TSkinFile& f : files)
    if (f.name.ends_with(".ini")) f.bytes = bytes;
}

Bytes Utf16(const std::string& ascii) {
  Bytes out{0xFF, 0xFE};
  for (char c : ascii) {
    out.push_back(static_cast<std::uint8_t>(c));
    out.push_back(0);
  }
  return out;
}

std::string Text(const TFiles& files) {
  for (const TSkinFile& f : files)
    if (f.name.ends_with(".ini")) return std::string(f.bytes.begin(), f.bytes.end());
  return {};
}

}  // namespace

Bytes Bmp24(int width, int height, std::uint32_t rgb) {
  const int stride = (width * 3 + 3) / 4 * 4;
  Bytes pixels(static_cast<std::size_t>(stride) * height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = &pixels[static_cast<std::size_t>(y) * stride + 3 * x];
      p[0] = static_cast<std::uint8_t>(rgb >> 16);
      p[1] = static_cast<std::uint8_t>(rgb >> 8);
      p[2] = static_cast<std::uint8_t>(rgb);
    }
  return BmpFile(width, height, 24, 0, {}, pixels);
}

Bytes Rle8(int width, int height, const Bytes& codes) {
  const Bytes palette{0x40, 0x40, 0x40, 0, 0xFF, 0x00, 0xFF, 0, 0x20, 0x80, 0xE0, 0};
  return BmpFile(width, height, 8, 1, palette, codes);
}

std::vector<TCase> Cases() {
  const auto nothing = [](TFiles&) {};
  return {
      {"ours", TOutcome::Accepted, nothing, {}},
      {"frame_counts_zero", TOutcome::Accepted,
       [](TFiles& f) { SetKeys(f, "Personality", kBorderFrames, "0"); }, {}},
      {"values_negative", TOutcome::Accepted, [](TFiles& f) { Values(f, "-1000000"); }, {}},
      {"values_huge", TOutcome::Accepted, [](TFiles& f) { Values(f, "1000000"); }, {}},
      {"values_past_32_bits", TOutcome::Accepted, [](TFiles& f) { Values(f, "99999999999"); }, {}},
      {"close_button_1000000_from_right", TOutcome::Accepted,
       [](TFiles& f) { SetKeys(f, "ButtonClose", {"Xcoord"}, "1000000"); }, {}},
      {"close_button_past_the_right_edge", TOutcome::Accepted,
       [](TFiles& f) { SetKeys(f, "ButtonClose", {"Xcoord"}, "-1000000"); }, {}},
      {"caption_buttons_frame_1000000", TOutcome::Accepted,
       [](TFiles& f) {
         for (const char* b : {"ButtonClose", "ButtonMaximize", "ButtonRestore", "ButtonMinimize"})
           SetKeys(f, b, {"frame"}, "1000000");
       },
       {}},
      {"caption_strip_5000000", TOutcome::Accepted,
       [](TFiles& f) { SetKeys(f, "Personality", {"TXTBackleft", "TXTBackRight"}, "5000000"); },
       {}},
      {"text_shift_1000000", TOutcome::Accepted,
       [](TFiles& f) { SetKeys(f, "Personality", {"TextShift", "TextRightClip"}, "1000000"); },
       {}},
      {"images_1x1", TOutcome::Accepted,
       [](TFiles& f) { EachBitmap(f, [](TSkinFile& b) { b.bytes = Bmp24(1, 1, 0x3366CC); }); }, {}},
      // A caption image that cannot be read, or holds more pixels than the
      // package's budget, refuses the package.
      {"borders_4096_rle", TOutcome::Refused,
       [](TFiles& f) {
         for (const char* n : {"left.bmp", "right.bmp", "top.bmp", "bottom.bmp"})
           File(f, n)->bytes = RunOverflow(4096, 4096);
       },
       {}},
      {"borders_4096_within_budget", TOutcome::Accepted,
       [](TFiles& f) {
         File(f, "left.bmp")->bytes = RunOverflow(4096, 64);
         File(f, "right.bmp")->bytes = RunOverflow(4096, 64);
         File(f, "top.bmp")->bytes = RunOverflow(64, 4096);
         File(f, "bottom.bmp")->bytes = RunOverflow(64, 4096);
       },
       {}},
      {"every_image_rle_overrun", TOutcome::Accepted,
       [](TFiles& f) { EachBitmap(f, [](TSkinFile& b) { b.bytes = RunOverflow(300, 200); }); }, {}},
      {"every_image_truncated", TOutcome::Refused,
       [](TFiles& f) { EachBitmap(f, [](TSkinFile& b) { b.bytes.resize(b.bytes.size() / 2); }); },
       {}},
      {"every_image_garbage", TOutcome::Refused,
       [](TFiles& f) {
         std::uint32_t seed = 12345;
         EachBitmap(f, [&](TSkinFile& b) {
           for (std::size_t i = 2; i < b.bytes.size(); ++i) {
             seed = seed * 1664525 + 1013904223;
             b.bytes[i] = static_cast<std::uint8_t>(seed >> 24);
           }
         });
       },
       {}},
      {"every_image_claims_30000", TOutcome::Refused,
       [](TFiles& f) {
         EachBitmap(f, [](TSkinFile& b) {
           for (int at : {18, 22}) {
             b.bytes[at] = 0x30;
             b.bytes[at + 1] = 0x75;
             b.bytes[at + 2] = b.bytes[at + 3] = 0;
           }
         });
       },
       {}},
      {"sections_duplicated", TOutcome::Accepted,
       [](TFiles& f) {
         std::string twice = Text(f);
         std::string other = twice;
         Values(f, "7");
         twice += Text(f) + other;
         Description(f, Bytes(twice.begin(), twice.end()));
       },
       {}},
      {"sections_100000", TOutcome::Either,
       [](TFiles& f) {
         std::string text = Text(f);
         for (int i = 0; i < 100000; ++i) text += "[Section" + std::to_string(i) + "]\r\nKey=1\r\n";
         Description(f, Bytes(text.begin(), text.end()));
       },
       {}},
      {"button_sections_100000", TOutcome::Either,
       [](TFiles& f) {
         std::string text = Text(f);
         for (int i = 0; i < 100000; ++i)
           text += "[Button" + std::to_string(i) + "]\r\nAction=0\r\nButtonImage=close.bmp\r\n";
         Description(f, Bytes(text.begin(), text.end()));
       },
       {}},
      {"strings_10mb", TOutcome::Either,
       [](TFiles& f) {
         const std::string big(10 * 1024 * 1024, 'x');
         EditIni(f, [&](std::string& t) {
           SetKey(t, "Personality", "TextBack", big + ".bmp");
           t += "\r\n[" + big + "]\r\n" + big + "=" + big + "\r\n";
         });
       },
       {}},
      {"container_cut", TOutcome::Either, nothing,
       [](Bytes& packed) { packed.resize(packed.size() / 3); }},
      // Descriptions that cannot skin anything are refused; a leading BOM is
      // read as nothing.
      {"no_description", TOutcome::Refused,
       [](TFiles& f) { std::erase_if(f, [](const TSkinFile& x) { return x.name.ends_with(".ini"); }); },
       {}},
      {"description_empty", TOutcome::Refused, [](TFiles& f) { Description(f, {}); }, {}},
      {"description_utf16", TOutcome::Refused, [](TFiles& f) { Description(f, Utf16(Text(f))); },
       {}},
      {"description_nul_part_way", TOutcome::Refused,
       [](TFiles& f) {
         std::string t = Text(f);
         t[t.find("[Personality]") + 3] = '\0';
         Description(f, Bytes(t.begin(), t.end()));
       },
       {}},
      {"description_without_personality", TOutcome::Refused,
       [](TFiles& f) {
         EditIni(f, [](std::string& t) {
           const std::size_t at = t.find("[Personality]");
           t.replace(at, 13, "[NoPersonality]");
         });
       },
       {}},
      {"description_with_bom", TOutcome::Accepted,
       [](TFiles& f) {
         std::string t = "\xEF\xBB\xBF" + Text(f);
         Description(f, Bytes(t.begin(), t.end()));
       },
       {}},
  };
}

}  // namespace hostile
