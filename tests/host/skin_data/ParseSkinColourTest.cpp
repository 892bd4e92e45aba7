#include <gtest/gtest.h>

#include "skin/data/SkinColour.h"

namespace {

TEST(ParseSkinColour, BlanksAndCommasSeparateAlike) {
  EXPECT_EQ(RGBColor(192, 192, 192), ParseSkinColour("192 192 192"));
  EXPECT_EQ(ParseSkinColour("192 192 192"), ParseSkinColour("192,192,192"));
  EXPECT_EQ(ParseSkinColour("230 235 245"), ParseSkinColour("230,235,245"));
  EXPECT_EQ(RGBColor(230, 235, 245), ParseSkinColour("230, 235;245"));
}

TEST(ParseSkinColour, NumbersAreTakenModulo256) {
  const TColor c = ParseSkinColour("300 0 0");
  EXPECT_EQ(44, ColorRed(c));
  EXPECT_EQ(0, ColorGreen(c));
  EXPECT_EQ(0, ColorBlue(c));
  // A run far beyond 64 bits still ends as its value modulo 256: 10^20 is a
  // multiple of 256, so 10^20 - 1 leaves 255.
  EXPECT_EQ(RGBColor(255, 1, 2), ParseSkinColour("99999999999999999999 1 2"));
}

TEST(ParseSkinColour, RedIsTheLowByte) { EXPECT_EQ(0x00030201, ParseSkinColour("1 2 3")); }

TEST(ParseSkinColour, ARunEndingTheTextCountsOnlyAsTheThird) {
  EXPECT_EQ(RGBColor(230, 0, 0), ParseSkinColour("230 235"));
  EXPECT_EQ(RGBColor(230, 235, 0), ParseSkinColour("230 235 "));
  EXPECT_EQ(0, ParseSkinColour("255"));
  EXPECT_EQ(RGBColor(255, 0, 0), ParseSkinColour("255,"));
}

TEST(ParseSkinColour, NumbersAfterTheThirdAreIgnored) {
  EXPECT_EQ(RGBColor(1, 2, 3), ParseSkinColour("1 2 3 4"));
  EXPECT_EQ(RGBColor(1, 2, 3), ParseSkinColour("1 2 3 4 5 "));
}

TEST(ParseSkinColour, SeparatorsWithoutNumbersCountNothing) {
  EXPECT_EQ(RGBColor(10, 20, 30), ParseSkinColour("  ,,10 ,, 20 -30"));
  EXPECT_EQ(0, ParseSkinColour("red green blue"));
  EXPECT_EQ(0, ParseSkinColour(""));
}

TEST(ParseSkinColour, EmptyTextTakesTheDefault) {
  EXPECT_EQ(clBtnFace, ParseSkinColourOr("", clBtnFace));
  EXPECT_EQ(RGBColor(1, 2, 3), ParseSkinColourOr("1 2 3", clBtnFace));
  // A text without numbers is not empty: it gives black, not the default.
  EXPECT_EQ(0, ParseSkinColourOr("x", clBtnFace));
}

}  // namespace
