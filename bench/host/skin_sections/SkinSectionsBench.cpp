// Reading skin descriptions of 100,000 sections of each kind that is read
// per section (caption buttons, colours) and of 100,000 keys in the one
// section every skin needs, as the program reads them, against the linear
// scan of every section per lookup that came before the index (timed on
// fewer sections: it grows with their square). Prints BENCH rows only.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/host/skin_sections/LinearQuickIni.h"
#include "skin/data/SkinCaptionButtonKeys.h"
#include "skin/data/SkinColourTable.h"
#include "skin/data/SkinDescriptionCheck.h"
#include "skin/read/WinSkinIni.h"

namespace {

constexpr int kSections = 100000;

double MedianMs(int runs, const std::function<void()>& work) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

std::string ButtonSections(int count) {
  std::string text = "[Personality]\r\nTop=top.bmp\r\n";
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i);
    text += "[Button" + n + "]\r\nAction=" + std::to_string(i % 12) + "\r\nAlign=1\r\nXcoord=" + n +
            "\r\nYcoord=4\r\nVisibility=0\r\nCombineOp=-1\r\nframe=3\r\nButtonImage=b" + n +
            ".bmp\r\n";
  }
  return text;
}

std::string ColourSections(int count) {
  std::string text = "[Personality]\r\nTop=top.bmp\r\n[Colours]\r\nButtonFace=192 192 192\r\n";
  for (int i = 0; i < count; ++i)
    text += "[Colour" + std::to_string(i) + "]\r\ncolor=" + std::to_string(i % 256) + " 10 20\r\n";
  return text;
}

std::string PersonalityKeys(int count) {
  std::string text = "[Personality]\r\n";
  for (int i = 0; i < count; ++i)
    text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
  return text + "Top=top.bmp\r\nTopFrame=2\r\n";
}

// The lookups the caption-button reader makes, through either parser.
template <typename Ini>
int ButtonLookups(const Ini& ini) {
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  int sum = 0;
  for (const std::string& s : sections) {
    if (ini.ReadInteger(s, "Action", 0) == -1 && ini.ReadInteger(s, "Visibility", -1) != 0)
      continue;
    for (const char* key :
         {"Action", "Align", "Xcoord", "Ycoord", "Visibility", "Visibility1", "CombineOp", "frame"})
      sum += ini.ReadInteger(s, key, 0);
    sum += static_cast<int>(ini.ReadString(s, "ButtonImage", "").size());
  }
  return sum;
}

// The lookups the colour reader makes per section.
template <typename Ini>
int ColourLookups(const Ini& ini) {
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  int sum = 0;
  for (const std::string& s : sections)
    sum += static_cast<int>(ini.ReadString(s, "color", "").size());
  return sum;
}

// The [Personality] keys the border and caption readers look up.
template <typename Ini>
int PersonalityLookups(const Ini& ini) {
  int sum = 0;
  for (const char* border : {"Left", "Right", "Top", "Bottom"}) {
    for (const char* suffix : {"", "TopHeight", "BotHeight", "Frame", "Stretch", "Trans"})
      sum +=
          static_cast<int>(ini.ReadString("Personality", std::string(border) + suffix, "").size());
  }
  for (const char* key :
       {"TextBack", "TextShift", "TextShiftVert", "TextRightClip", "TextAlignment",
        "Textbackground", "TXTBackleft", "TXTBackRight", "ActiveTextR", "InActiveTextB", "menuBar",
        "TileMenu", "TileLeftMenu", "TileRightMenu"})
    sum += ini.ReadInteger("Personality", key, 0);
  return sum;
}

volatile int gSink = 0;

double IndexedMs(const std::string& text, int (*lookups)(const TQuickIni&), int runs) {
  return MedianMs(runs, [&] {
    TQuickIni ini;
    ini.LoadFromText(text);
    gSink = gSink + lookups(ini);
  });
}

double LinearMs(const std::string& text, int (*lookups)(const TLinearQuickIni&)) {
  return MedianMs(3, [&] {
    TLinearQuickIni ini;
    ini.LoadFromText(text);
    gSink = gSink + lookups(ini);
  });
}

void Row(const char* what, double ms, const std::string& anchor) {
  std::printf("BENCH | %s | %.1f ms | %s | < 1000 ms\n", what, ms, anchor.c_str());
}

std::string Anchor(double linearMs, double indexedMs, int count, bool square) {
  char text[256];
  const double scale = static_cast<double>(kSections) / count;
  std::snprintf(text, sizeof text, "linear scan: %.1f ms for %d (indexed: %.1f ms)", linearMs,
                count, indexedMs);
  std::string anchor = text;
  if (square) {
    std::snprintf(text, sizeof text, ", about %.0f s for %d at its square growth",
                  linearMs * scale * scale / 1000, kSections);
    anchor += text;
  }
  return anchor;
}

}  // namespace

int main() {
  std::printf(
      "times: wall clock, median of 5 runs (linear scan: of 3); the text is made untimed\n");

  const std::string buttons = ButtonSections(kSections);
  Row("100,000 [ButtonN] sections: load, read caption buttons",
      MedianMs(5,
               [&] {
                 TQuickIni ini;
                 ini.LoadFromText(buttons);
                 std::vector<std::string> sections;
                 ini.ReadSections(&sections);
                 gSink = gSink + static_cast<int>(ReadCaptionButtonKeys(ini, sections).size());
               }),
      [] {
        const std::string few = ButtonSections(5000);
        return Anchor(LinearMs(few, ButtonLookups<TLinearQuickIni>),
                      IndexedMs(few, ButtonLookups<TQuickIni>, 5), 5000, true);
      }());

  const std::string colours = ColourSections(kSections);
  Row("100,000 [ColourN] sections: load, read colours",
      MedianMs(5,
               [&] {
                 TQuickIni ini;
                 ini.LoadFromText(colours);
                 std::vector<std::string> sections;
                 ini.ReadSections(&sections);
                 TSkinColourTable table;
                 ReadSkinColours(ini, sections, table);
                 gSink = gSink + static_cast<int>(table.SectionColours.size());
               }),
      [] {
        const std::string few = ColourSections(20000);
        return Anchor(LinearMs(few, ColourLookups<TLinearQuickIni>),
                      IndexedMs(few, ColourLookups<TQuickIni>, 5), 20000, true);
      }());

  const std::string keys = PersonalityKeys(kSections);
  const std::vector<uint8_t> keyBytes(keys.begin(), keys.end());
  Row("100,000 keys in [Personality]: check the description, read its border and caption keys",
      MedianMs(5,
               [&] {
                 TQuickIni ini;
                 const std::string refusal = CheckSkinDescription(
                     "bench.ini", keyBytes, [](std::string_view) { return TSkinImageState::Readable; }, ini);
                 gSink = gSink + static_cast<int>(refusal.size()) + PersonalityLookups(ini);
               }),
      Anchor(LinearMs(keys, PersonalityLookups<TLinearQuickIni>),
             IndexedMs(keys, PersonalityLookups<TQuickIni>, 5), kSections, false));
  return 0;
}
