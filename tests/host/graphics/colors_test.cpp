#include "toolkit/graphics/Colors.h"

#include <gtest/gtest.h>

namespace {

TEST(Colors, RedIsTheLowByte) {
  EXPECT_EQ(0x0000FF, clRed);
  EXPECT_EQ(0x123456, RGBColor(0x56, 0x34, 0x12));
  EXPECT_EQ(0x56, ColorRed(0x123456));
  EXPECT_EQ(0x34, ColorGreen(0x123456));
  EXPECT_EQ(0x12, ColorBlue(0x123456));
  EXPECT_EQ(0xFF00FF, clFuchsia);
}

TEST(Colors, SystemColoursAreNegativeWithTheIndexInTheLowByte) {
  EXPECT_EQ(static_cast<TColor>(0xFF00000F), clBtnFace);
  EXPECT_LT(clBtnFace, 0);
  EXPECT_TRUE(IsSystemColor(clWindowText));
  EXPECT_FALSE(IsSystemColor(clWhite));
  EXPECT_FALSE(IsSystemColor(clNone));
}

TEST(Colors, ColorToRgbResolvesSystemColoursAndKeepsPlainOnes) {
  EXPECT_EQ(0x123456, ColorToRGB(0x123456));
  EXPECT_EQ(0xF0F0F0, ColorToRGB(clBtnFace));
  EXPECT_EQ(0xFFFFFF, ColorToRGB(clWindow));
  // An index beyond the table is black rather than a read past it.
  EXPECT_EQ(clBlack, ColorToRGB(SystemColor(200)));
}

}  // namespace
