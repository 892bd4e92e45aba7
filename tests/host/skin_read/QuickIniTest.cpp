#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "skin/read/WinSkinIni.h"
#include "tests/host/skin_read/TestBytes.h"

using namespace std::string_view_literals;

namespace {

TQuickIni Ini(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromText(text);
  return ini;
}

std::vector<std::string> Lines(const TQuickIni& ini) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < ini.LineCount(); ++i) lines.emplace_back(ini.Line(i));
  return lines;
}

}  // namespace

TEST(QuickIni, LinesAreTrimmedAndCommentsDropped) {
  const TQuickIni ini =
      Ini("  early=1 \r\n\t[Tabs]\t\r\n; Rightwidth=9\n\n   \rRightwidth = 4 ; wide\r"
          "Formula= a=b \r\n[Second]\r\nx=1\r\n\0[Hidden]\r\nx=2"sv);
  EXPECT_EQ(Lines(ini), (std::vector<std::string>{"early=1", "[Tabs]", "Rightwidth = 4 ; wide",
                                                  "Formula= a=b", "[Second]", "x=1"}));
  EXPECT_EQ(ini.SectionIndex("Tabs"), 1);
  EXPECT_EQ(ini.SectionIndex("Second"), 4);
  EXPECT_EQ(ini.SectionIndex("Hidden"), -1);
  // A ";" later in a line belongs to the value.
  EXPECT_EQ(ini.ReadString("Tabs", "RightWidth", "d"), "4 ; wide");
  EXPECT_EQ(ini.ReadInteger("Tabs", "RightWidth", -7), -7);
  EXPECT_EQ(ini.ReadString("Tabs", "formula", "d"), "a=b");
  // Lines before the first header are never reached.
  EXPECT_EQ(ini.ReadString("", "early", "d"), "d");
}

TEST(QuickIni, SectionsMatchWithoutCaseButWithTheirBlanks) {
  const TQuickIni ini = Ini("[Tabs]\nA=1\n[ Spaced ]\nA=2\n[tabs]\nA=3\nB=3\n[Progress.Chunk]\n");
  EXPECT_EQ(ini.ReadString("tabs", "a", ""), "1");
  EXPECT_EQ(ini.ReadString("TABS", "B", "hidden"), "hidden");  // the later [tabs] is hidden
  EXPECT_EQ(ini.ReadString("Spaced", "a", "none"), "none");
  EXPECT_EQ(ini.ReadString(" spaced ", "a", "none"), "2");
  std::vector<std::string> sections = {"stale"};
  ini.ReadSections(&sections);
  EXPECT_EQ(sections, (std::vector<std::string>{"Tabs", "Spaced", "tabs", "Progress.Chunk"}));
  try {
    ini.ReadSections(nullptr);
    ADD_FAILURE() << "no exception";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "The parameter Strings is unassigned!");
  }
}

TEST(QuickIni, FirstKeyWinsEvenWhenEmpty) {
  const TQuickIni ini = Ini("[S]\nnoequals\n=orphan\nEmpty=\nempty=later\nk=v\n[T]\nz=1");
  EXPECT_EQ(ini.ReadString("S", "empty", "default"), "default");
  EXPECT_EQ(ini.ReadString("S", "noequals", "default"), "default");
  EXPECT_EQ(ini.ReadString("S", "k", "default"), "v");
  EXPECT_EQ(ini.ReadString("S", "z", "default"), "default");  // sections end at the next header
  EXPECT_EQ(ini.ReadString("T", "Z", "default"), "1");
  EXPECT_EQ(Ini("").ReadString("S", "k", "empty text"), "empty text");
}

TEST(QuickIni, Integers) {
  const TQuickIni ini =
      Ini("[N]\nhex=0xFF00\nHEX2=0Xff\nbare=0x\nletters=abc\ndollar=$10\nneg=-42\nplus=+7\n"
          "sys=0xFF00000F\nbig=2147483647\ntoobig=2147483648\nmin=-2147483648\nhexbig=0x100000000\n"
          "spaced=12 ;c\n");
  EXPECT_EQ(ini.ReadInteger("N", "hex", -1), 65280);
  EXPECT_EQ(ini.ReadInteger("N", "hex2", -1), 255);
  EXPECT_EQ(ini.ReadInteger("N", "bare", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "letters", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "dollar", -1), 16);
  EXPECT_EQ(ini.ReadInteger("N", "neg", 0), -42);
  EXPECT_EQ(ini.ReadInteger("N", "plus", 0), 7);
  EXPECT_EQ(ini.ReadInteger("N", "sys", 0), static_cast<int32_t>(0xFF00000Fu));
  EXPECT_EQ(ini.ReadInteger("N", "big", 0), 2147483647);
  EXPECT_EQ(ini.ReadInteger("N", "toobig", 5), 5);
  EXPECT_EQ(ini.ReadInteger("N", "min", 0), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("N", "hexbig", 5), 5);
  EXPECT_EQ(ini.ReadInteger("N", "spaced", 5), 5);
  EXPECT_EQ(ini.ReadInteger("N", "missing", 9), 9);
}

TEST(QuickIni, LoadingReplacesWhatWasThere) {
  TQuickIni ini;
  ini.LoadFromText("[A]\nk=1\n");
  ini.LoadFromStream(nullptr);
  EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
  const std::vector<uint8_t> stream = Bytes("skipped[B]\nk=2\n");
  ini.LoadFromStream(&stream, 7);
  EXPECT_EQ(ini.ReadString("A", "k", "gone"), "gone");
  EXPECT_EQ(ini.ReadString("B", "k", ""), "2");
  EXPECT_EQ(Lines(ini), (std::vector<std::string>{"[B]", "k=2"}));
  EXPECT_EQ(ini.SectionLines(), std::vector<int>{0});
}

// The index must give what a scan in text order gives: the first header of
// a name, and the first key line of that name under it.
TEST(QuickIni, IndexedLookupsKeepTheFirstSectionAndTheFirstKey) {
  const TQuickIni ini =
      Ini("k=before\n[b]\nk=b1\n[A]\nK=a1\nk=a2\nKEY=x\nke=y\n[a]\nk=hidden\nonly=hidden\n"
          "[B]\nk=b2\n[]\n=orphan\nk=nameless\n[Ab]\nk=ab\n");
  const struct {
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {"a", "k", "a1"},   {"A", "K", "a1"},   {"a", "key", "x"},     {"a", "KE", "y"},
      {"a", "only", "-"}, {"B", "k", "b1"},   {"b", "K", "b1"},      {"ab", "k", "ab"},
      {"AB", "K", "ab"},  {"", "", "orphan"}, {"", "k", "nameless"}, {"c", "k", "-"},
      {"a", "", "-"},     {"A ", "k", "-"},   {"abc", "k", "-"},     {"[a]", "k", "-"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ini.ReadString(c.section, c.key, "-"), c.expected) << c.section << "/" << c.key;
  }
  EXPECT_EQ(ini.SectionIndex("A"), 3);
  EXPECT_EQ(ini.SectionIndex("b"), 1);
}

// Many sections, some repeated and some in other cases: each lookup finds
// its own, and the repeats stay hidden behind the first.
TEST(QuickIni, ManySectionsEachFindTheirOwnValues) {
  constexpr int kCount = 20000;
  std::string text;
  for (int i = 0; i < kCount; ++i) {
    const std::string n = std::to_string(i);
    text += (i % 2 ? "[BUTTON" : "[button") + n + "]\nAction=" + n + "\nxcoord=" + n + "\n";
  }
  for (int i = 0; i < kCount; i += 100) text += "[Button" + std::to_string(i) + "]\naction=-1\n";
  const TQuickIni ini = Ini(text);
  ASSERT_EQ(ini.SectionLines().size(), static_cast<size_t>(kCount + kCount / 100));
  for (int i = 0; i < kCount; ++i) {
    const std::string section = "Button" + std::to_string(i);
    ASSERT_EQ(ini.ReadInteger(section, "ACTION", -2), i) << section;
    ASSERT_EQ(ini.ReadInteger(section, "XCoord", -2), i) << section;
    ASSERT_EQ(ini.ReadInteger(section, "Ycoord", -2), -2) << section;
    ASSERT_EQ(ini.SectionIndex(section), 3 * i) << section;
  }
}
