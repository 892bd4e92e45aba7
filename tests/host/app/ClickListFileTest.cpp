// The click list file read back from what was written, and from every kind
// of damage a file on disk meets: bad lines, cut files, binary garbage, very
// long lines and very many of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ClickListFile.h"

namespace {

using app::ReadClickList;
using app::TClickListState;
using app::WriteClickList;

std::string Ranges(const app::TClickListReading& reading) {
  std::string text;
  for (const app::TLineRange& range : reading.leftOut)
    text += std::to_string(range.first) + "-" + std::to_string(range.last) + " ";
  return text;
}

TEST(ClickListFile, WhatIsWrittenReadsBackTheSame) {
  const std::vector<TClickListState> states = {
      {{"100|200|leftclick", "-5|-1280|leftclick2", "0|0|rightclick", "1920|1080|movemouse"},
       "250",
       "rightclick"},
      {{}, "", "movemouse"},
      {{" 7 |$1F|leftclick", "2147483647|-2147483648|leftclick"}, "1000", "leftclick2"},
      {{"1|2|leftclick"}, "间隔 三 秒", "leftclick"},
  };
  for (const TClickListState& state : states) {
    const std::string bytes = WriteClickList(state);
    EXPECT_TRUE(bytes.starts_with(std::string(app::kClickListVersionLine) + "\r\n"));
    const app::TClickListReading reading = ReadClickList(bytes, false);
    EXPECT_FALSE(reading.Damaged()) << bytes;
    EXPECT_EQ(state.items, reading.state.items);
    EXPECT_EQ(state.period, reading.state.period);
    EXPECT_EQ(state.action, reading.state.action);
  }
}

TEST(ClickListFile, AMissingOrEmptyFileGivesTheStartState) {
  for (const bool cut : {false}) {
    const app::TClickListReading reading = ReadClickList("", cut);
    EXPECT_FALSE(reading.Damaged());
    EXPECT_TRUE(reading.state.items.empty());
    EXPECT_EQ("1000", reading.state.period);
    EXPECT_EQ("leftclick", reading.state.action);
  }
}

TEST(ClickListFile, DamageLeavesOutTheBadLinesAndKeepsTheGoodOnes) {
  struct TCase {
    const char* what;
    std::string bytes;
    bool cutShort;
    std::vector<std::string> items;
    std::string leftOut;
    std::size_t unreadFrom;
  };
  const std::string v = std::string(app::kClickListVersionLine) + "\n";
  const std::vector<TCase> cases = {
      {"a line of words",
       v + "1|2|leftclick\nhello\n3|4|movemouse\n",
       false,
       {"1|2|leftclick", "3|4|movemouse"},
       "3-3 ",
       0},
      {"coordinates that are no whole numbers",
       v + "1.5|2|leftclick\n1|2e3|leftclick\n|2|leftclick\n9|9|leftclick\n",
       false,
       {"9|9|leftclick"},
       "2-4 ",
       0},
      {"unknown, missing or extra action",
       v + "1|2|jump\n1|2\n1|2|leftclick|x\n1|2|LeftClick\n",
       false,
       {},
       "2-5 ",
       0},
      {"a file cut inside its last item", v + "period=500\n10|20|leftcl", false, {}, "3-3 ", 0},
      {"binary garbage",
       v + std::string("1|2|left\0click\n\xFF\xFE\x01\n", 19) + "5|6|rightclick\n",
       false,
       {"5|6|rightclick"},
       "2-3 ",
       0},
      {"invalid UTF-8 in the period", v + "period=\xC0\xAF\n", false, {}, "2-2 ", 0},
      {"a version we do not know",
       "Tapvane click list 2\n1|2|leftclick\n",
       false,
       {"1|2|leftclick"},
       "1-1 ",
       0},
      {"an action line with no keyword", v + "action=jump\n", false, {}, "2-2 ", 0},
      {"a file longer than was read", "1|2|leftclick\n3|4|left", true, {"1|2|leftclick"}, "", 2},
      {"a read that ended on a line break", "1|2|leftclick\n", true, {"1|2|leftclick"}, "", 2},
      {"byte order mark, CRLF and blank lines are fine",
       "\xEF\xBB\xBF" + v + "\r\n1|2|leftclick\r\n\r\n",
       false,
       {"1|2|leftclick"},
       "",
       0},
  };
  for (const TCase& c : cases) {
    const app::TClickListReading reading = ReadClickList(c.bytes, c.cutShort);
    EXPECT_EQ(c.items, reading.state.items) << c.what;
    EXPECT_EQ(c.leftOut, Ranges(reading)) << c.what;
    EXPECT_EQ(c.unreadFrom, reading.unreadFrom) << c.what;
    EXPECT_EQ(!c.leftOut.empty() || c.unreadFrom > 0, reading.Damaged()) << c.what;
  }
}

TEST(ClickListFile, BadSettingLinesKeepTheStartSettings) {
  const app::TClickListReading reading =
      ReadClickList("action=jump\nperiod=\x01\n1|2|leftclick\n", false);
  EXPECT_EQ("leftclick", reading.state.action);
  EXPECT_EQ("1000", reading.state.period);
  EXPECT_EQ("1-2 ", Ranges(reading));
}

TEST(ClickListFile, VeryLongLinesAreLeftOutWholeAndCutNoNeighbour) {
  const std::string blanks(app::kClickListMaxLineBytes - 13, ' ');
  const std::string longest = blanks + "1|2|leftclick";
  ASSERT_EQ(app::kClickListMaxLineBytes, longest.size());
  const std::string tooLong = " " + longest;
  const std::string huge(10u << 20, '7');
  const std::string bytes = longest + "\n" + tooLong + "\n" + huge + "\n3|4|movemouse\n";
  const app::TClickListReading reading = ReadClickList(bytes, false);
  EXPECT_EQ((std::vector<std::string>{longest, "3|4|movemouse"}), reading.state.items);
  EXPECT_EQ("2-3 ", Ranges(reading));
  EXPECT_EQ(2u, reading.leftOutCount);
}

TEST(ClickListFile, AHundredThousandItemsReadBack) {
  TClickListState state;
  for (int i = 0; i < 100000; ++i)
    state.items.push_back(std::to_string(i) + "|" + std::to_string(-i) + "|leftclick2");
  const app::TClickListReading reading = ReadClickList(WriteClickList(state), false);
  EXPECT_FALSE(reading.Damaged());
  EXPECT_EQ(state.items, reading.state.items);
}

TEST(ClickListFile, ItemsPastTheBoundAreLeftOutAndCounted) {
  std::string bytes;
  const std::size_t extra = 5;
  for (std::size_t i = 0; i < app::kClickListMaxItems + extra; ++i) bytes += "1|1|leftclick\n";
  const app::TClickListReading reading = ReadClickList(bytes, false);
  EXPECT_EQ(app::kClickListMaxItems, reading.state.items.size());
  EXPECT_EQ(extra, reading.leftOutCount);
  EXPECT_EQ(std::to_string(app::kClickListMaxItems + 1) + "-" +
                std::to_string(app::kClickListMaxItems + extra) + " ",
            Ranges(reading));
}

TEST(ClickListFile, ScatteredDamageIsCountedWithBoundedMemory) {
  std::string bytes;
  for (int i = 0; i < 100000; ++i) bytes += i % 2 ? "1|2|leftclick\n" : "x\n";
  const app::TClickListReading reading = ReadClickList(bytes, false);
  EXPECT_EQ(50000u, reading.leftOutCount);
  EXPECT_EQ(50000u, reading.state.items.size());
  EXPECT_LE(reading.leftOut.size(), 64u);
  const std::string text = app::LeftOutLinesText(reading);
  EXPECT_NE(std::string::npos, text.find("…")) << text;
  EXPECT_NE(std::string::npos, text.find("共 50000 行")) << text;
}

TEST(ClickListFile, TheReportNamesLinesAndRanges) {
  app::TClickListReading reading =
      ReadClickList("1|1|leftclick\n\x01\n1|1|leftclick\nx\ny\nz\n", true);
  EXPECT_EQ("第 2、4-6 行(共 4 行)，第 7 行起的内容(文件太大，未读取)",
            app::LeftOutLinesText(reading));
  EXPECT_EQ("", app::LeftOutLinesText(ReadClickList("1|1|leftclick\n", false)));
}

TEST(ClickListFile, TheWriterLeavesOutWhatWouldNotReadBackTheSame) {
  const TClickListState state{
      {"1|2|leftclick", "1\n|2|leftclick", "3|4|jump", "1.5|2|leftclick", "5|6|movemouse"},
      "10\r\n00",
      "sideways"};
  const app::TClickListReading reading = ReadClickList(WriteClickList(state), false);
  EXPECT_FALSE(reading.Damaged());
  EXPECT_EQ((std::vector<std::string>{"1|2|leftclick", "5|6|movemouse"}), reading.state.items);
  EXPECT_EQ("1000", reading.state.period);
  EXPECT_EQ("leftclick", reading.state.action);
}

TEST(ClickListFile, ItemsAreWhatAddBuilds) {
  struct TCase {
    const char* line;
    bool item;
  };
  const TCase cases[] = {
      {"1|2|leftclick", true},    {"-1|+2|rightclick", true}, {"0x10|$10|movemouse", true},
      {"1|2|leftclick2", true},   {"1|2|leftclick ", false},  {"1|2|", false},
      {"1|2|3|leftclick", false}, {"a|2|leftclick", false},   {"99999999999|2|leftclick", false},
      {"1\t|2|leftclick", false}};
  for (const TCase& c : cases) EXPECT_EQ(c.item, app::IsClickListItem(c.line)) << c.line;
}

}  // namespace
