// Comparing recorded sequences with expected tables, and what a failure
// tells the reader.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/win32/support/MessageSequence.h"

namespace {

using namespace wintest;

TEST(MessageSequence, OptionalEntriesMayBeMissingOrPresent) {
  const MsgSequence expected = {{WM_WINDOWPOSCHANGING},
                                {WM_NCCALCSIZE, sent | optional},
                                {WM_SIZE, sent | wparam, SIZE_RESTORED}};
  EXPECT_EQ("", CompareSequence({{WM_WINDOWPOSCHANGING}, {WM_SIZE}}, expected));
  EXPECT_EQ("", CompareSequence({{WM_WINDOWPOSCHANGING}, {WM_NCCALCSIZE}, {WM_SIZE}}, expected));
  EXPECT_NE("", CompareSequence({{WM_WINDOWPOSCHANGING}}, expected));
  EXPECT_NE("", CompareSequence({{WM_WINDOWPOSCHANGING}, {WM_SIZE}, {WM_MOVE}}, expected));
}

TEST(MessageSequence, ComparesWhatTheEntryNames) {
  const MsgSequence size = {{WM_SIZE, sent | wparam | lparam, SIZE_RESTORED, MAKELPARAM(10, 20)}};
  EXPECT_EQ("", CompareSequence({{WM_SIZE, sent, SIZE_RESTORED, MAKELPARAM(10, 20)}}, size));
  EXPECT_NE("", CompareSequence({{WM_SIZE, sent, SIZE_MAXIMIZED, MAKELPARAM(10, 20)}}, size));
  EXPECT_NE("", CompareSequence({{WM_SIZE, sent, SIZE_RESTORED, MAKELPARAM(10, 21)}}, size));
  // Without wparam/lparam the values do not matter.
  EXPECT_EQ("", CompareSequence({{WM_SIZE, sent, 7, 8}}, {{WM_SIZE}}));
  // How it came must agree: posted against sent, parent, defwinproc.
  EXPECT_NE("", CompareSequence({{WM_TIMER, posted}}, {{WM_TIMER, sent}}));
  EXPECT_EQ("", CompareSequence({{WM_TIMER, posted}}, {{WM_TIMER, posted}}));
  EXPECT_NE("", CompareSequence({{WM_NOTIFY, sent | parent}}, {{WM_NOTIFY, sent}}));
  EXPECT_NE("", CompareSequence({{WM_CLOSE, sent | defwinproc}}, {{WM_CLOSE, sent}}));
}

TEST(MessageSequence, AFailurePrintsBothSequencesWithNamesAndNotes) {
  const MsgSequence expected = {
      {WM_NCACTIVATE},
      {WM_GETICON, sent | optional, 0, 0, "Windows asks for the icon here, Wine does not"},
      {WM_NCPAINT, sent | wparam, 1}};
  const std::string text = CompareSequence({{WM_NCACTIVATE}, {WM_NCPAINT, sent, 5}}, expected);
  EXPECT_NE(std::string::npos, text.find("expected #2 WM_NCPAINT sent wp=0x1")) << text;
  EXPECT_NE(std::string::npos, text.find("got #1 WM_NCPAINT sent wp=0x5")) << text;
  EXPECT_NE(std::string::npos, text.find("note: Windows asks for the icon here")) << text;
}

TEST(MessageSequence, ExpectSequenceReportsAndClears) {
  MessageLog log;
  log.Add({WM_SETTEXT});
  EXPECT_NONFATAL_FAILURE(EXPECT_SEQUENCE(log, {{WM_GETTEXT}}, "setting the text"),
                          "setting the text: expected #0 WM_GETTEXT");
  EXPECT_TRUE(log.Entries().empty());
  log.Add({WM_SETTEXT});
  EXPECT_SEQUENCE(log, {{WM_SETTEXT}}, "the same again");
}

TEST(MessageSequence, LogFilters) {
  MessageLog log;
  log.Ignore({WM_GETICON});
  log.Add({WM_GETICON});
  log.Add({WM_PAINT});
  EXPECT_EQ(1u, log.Entries().size());
  log.Clear();
  log.Only({WM_SIZE});
  log.Add({WM_PAINT});
  log.Add({WM_SIZE});
  EXPECT_EQ(1, log.Count(WM_SIZE));
  EXPECT_FALSE(log.Saw(WM_PAINT));
}

}  // namespace
