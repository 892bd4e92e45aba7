// Click items, their split, and the web addresses built from the version text.
#include <gtest/gtest.h>

#include "app/ClickItem.h"
#include "app/SplitText.h"
#include "app/WebLink.h"

namespace {

using Pieces = std::vector<std::string>;

TEST(SplitText, EmptyTextGivesNoPieces) { EXPECT_TRUE(app::SplitText("", "|").empty()); }

TEST(SplitText, KeepsEmptyPiecesAndTheTailAfterTheLastDelimiter) {
  EXPECT_EQ((Pieces{"100", "200", "leftclick"}), app::SplitText("100|200|leftclick", "|"));
  EXPECT_EQ((Pieces{"", "", ""}), app::SplitText("||", "|"));
  EXPECT_EQ((Pieces{"a", ""}), app::SplitText("a|", "|"));
  EXPECT_EQ((Pieces{"", "b"}), app::SplitText("|b", "|"));
  EXPECT_EQ((Pieces{"no delimiter"}), app::SplitText("no delimiter", "|"));
}

TEST(SplitText, MultiCharacterAndEmptyDelimiters) {
  EXPECT_EQ((Pieces{"a", "b|c"}), app::SplitText("a||b|c", "||"));
  EXPECT_EQ((Pieces{"a|b"}), app::SplitText("a|b", ""));
}

TEST(ClickItem, KeywordsAndItemText) {
  EXPECT_EQ("100|200|rightclick", app::BuildClickItem("100", "200", app::TClickAction::RightClick));
  EXPECT_EQ("640|480|leftclick", app::BuildClickItem("640", "480", app::TClickAction::LeftClick));
  EXPECT_EQ("-5|7|leftclick2", app::BuildClickItem("-5", "7", app::TClickAction::LeftDoubleClick));
  EXPECT_EQ(" 1 | |movemouse", app::BuildClickItem(" 1 ", " ", app::TClickAction::MoveMouse));
}

TEST(ClickItem, APipeInTheXTextShiftsTheFields) {
  const auto item = app::BuildClickItem("1|2", "3", app::TClickAction::LeftClick);
  EXPECT_EQ("1|2|3|leftclick", item);
  const auto fields = app::SplitText(item, "|");
  ASSERT_EQ(4u, fields.size());
  EXPECT_EQ("3", fields[2]);
}

TEST(WebLink, DefaultVersionAndSingleLetter) {
  EXPECT_EQ("http://www.velmora.example/?qq=Pointrel1.03.20100223",
            app::WebLinkAddress("1.03.20100223"));
  EXPECT_EQ("http://www.velmora.example/?qq=Pointrelx", app::WebLinkAddress("x"));
  EXPECT_EQ("http://www.velmora.example/?qq=PointrelD", app::SiteShortcutTarget());
}

TEST(WebLink, EncodesEveryByteOutsideTheUnreservedSet) {
  EXPECT_EQ("AZaz09-._~", app::PercentEncode("AZaz09-._~"));
  EXPECT_EQ("a%20b%26c%3Dd%23e%3Ff%25", app::PercentEncode("a b&c=d#e?f%"));
  EXPECT_EQ("%22%20%2F%5C%3A%40%2B", app::PercentEncode("\" /\\:@+"));
  // UTF-8 bytes of 版本 and of a control character.
  EXPECT_EQ("%E7%89%88%E6%9C%AC%0A", app::PercentEncode("\xE7\x89\x88\xE6\x9C\xAC\n"));
  EXPECT_EQ("", app::PercentEncode(""));
}

TEST(WebLink, AddressStaysOneWellFormedHttpAddress) {
  const std::string hostile = "1.0\" --new-window file:///etc/passwd & calc\xFF";
  const auto address = app::WebLinkAddress(hostile);
  EXPECT_EQ(0u, address.rfind("http://www.velmora.example/?qq=Pointrel", 0));
  for (const char c : address) {
    const auto u = static_cast<unsigned char>(c);
    EXPECT_TRUE(u > 0x20 && u < 0x7F && c != '"' && c != '&' && c != ' ') << "byte " << int(u);
  }
  EXPECT_EQ(std::string::npos, address.find('#'));
  EXPECT_EQ(1u, std::count(address.begin(), address.end(), '?'));
}

}  // namespace
