// Access characters of captions, as menu bars and labels find them.
#include <gtest/gtest.h>

#include "toolkit/core/Hotkeys.h"

namespace {

TEST(Hotkeys, TheCharacterAfterASingleAmpersand) {
  EXPECT_EQ(u'F', GetHotkey("&File"));
  EXPECT_EQ(u'S', GetHotkey("Save && &Stay"));  // "&&" is not a marker
  EXPECT_EQ(0, GetHotkey("Tom && Jerry"));
  EXPECT_EQ(0, GetHotkey("Trailing&"));
  EXPECT_EQ(u'F', GetHotkey("\xE6\x96\x87\xE4\xBB\xB6(&F)"));  // 文件(&F)
  EXPECT_TRUE(IsAccel(u'f', "&File"));
  EXPECT_FALSE(IsAccel(u'i', "&File"));
  EXPECT_FALSE(IsAccel(u'&', "Tom && Jerry"));
}

TEST(Hotkeys, StrippedCaptionsShowTheAmpersandsThatAreText) {
  EXPECT_EQ("File", StripHotkey("&File"));
  EXPECT_EQ("Tom & Jerry", StripHotkey("Tom && Jerry"));
  EXPECT_EQ("\xE6\x96\x87\xE4\xBB\xB6(F)", StripHotkey("\xE6\x96\x87\xE4\xBB\xB6(&F)"));
}

}  // namespace
