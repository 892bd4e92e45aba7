#include <gtest/gtest.h>

#include "skin/data/SkinColourTable.h"
#include "skin/read/WinSkinIni.h"

namespace {

TSkinColourTable Read(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromText(text);
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  TSkinColourTable table;
  table.Colours.fill(0x123456);  // whatever a previous skin left
  ReadSkinColours(ini, sections, table);
  return table;
}

TEST(SkinColourTable, GivenSlotsAreParsedAndFlagged) {
  const TSkinColourTable t = Read(
      "[Colours]\nButtonFace=192 192 192\nWindowText=1,2,3\nTitleTextActive=255 255 255\n"
      "Scrollbar=9 9 9\n");
  EXPECT_EQ(RGBColor(192, 192, 192), t.Colours[scButtonFace]);
  EXPECT_TRUE(t.Given[scButtonFace]);
  EXPECT_EQ(RGBColor(1, 2, 3), t.Colours[scWindowText]);
  EXPECT_TRUE(t.Given[scWindowText]);
  EXPECT_EQ(clWhite, t.Colours[scTitleTextActive]);
  EXPECT_EQ(RGBColor(9, 9, 9), t.Colours[scScrollbar]);
  EXPECT_TRUE(t.Given[scScrollbar]);
}

TEST(SkinColourTable, MissingSlotsReferToSystemColours) {
  const TSkinColourTable t = Read("[Colours]\nButtonFace=\n");
  const std::pair<TSkinColourSlot, TColor> defaults[] = {{scWindowText, SystemColor(8)},
                                                         {scTitleTextActive, SystemColor(9)},
                                                         {scTitleTextNoActive, SystemColor(19)},
                                                         {scButtonFace, SystemColor(15)},
                                                         {scButtonText, SystemColor(18)},
                                                         {scButtonHilight, SystemColor(20)},
                                                         {scButtonlight, SystemColor(20)},
                                                         {scButtonShadow, SystemColor(16)},
                                                         {scButtonDkShadow, SystemColor(21)},
                                                         {scHilightText, SystemColor(14)},
                                                         {scHilight, SystemColor(13)},
                                                         {scMenubar, SystemColor(15)},
                                                         {scMenuBarText, SystemColor(7)},
                                                         {scMenuText, SystemColor(7)},
                                                         {scMenu, SystemColor(4)},
                                                         {scScrollbar, SystemColor(0)}};
  for (const auto& [slot, colour] : defaults) {
    EXPECT_EQ(colour, t.Colours[slot]) << slot;
    EXPECT_FALSE(t.Given[slot]) << slot;
  }
  EXPECT_EQ(static_cast<TColor>(0xFF00000F), t.Colours[scButtonFace]);
  // Slots nobody reads are cleared, the caption sample is filled later.
  EXPECT_EQ(0, t.Colours[9]);
  EXPECT_EQ(0, t.Colours[10]);
  EXPECT_EQ(0, t.Colours[scCaptionSample]);
}

TEST(SkinColourTable, MenubarDefaultsToTheButtonFaceJustRead) {
  const TSkinColourTable t = Read("[colours]\nbuttonface=10 20 30\n");
  EXPECT_EQ(RGBColor(10, 20, 30), t.Colours[scMenubar]);
  EXPECT_FALSE(t.Given[scMenubar]);
  EXPECT_EQ(RGBColor(4, 5, 6),
            Read("[Colours]\nButtonFace=1 2 3\nMenubar=4 5 6\n").Colours[scMenubar]);
}

TEST(SkinColourTable, ColourSectionsInOrderExceptColours) {
  const TSkinColourTable t = Read(
      "[Colour1]\ncolor=1 1 1\n[Colours]\nHilight=5 5 5\n[ColourBlank]\n[COLOUR.X]\nColor=3 3 3\n"
      "[MyColour]\ncolor=7 7 7\n");
  ASSERT_EQ(3u, t.SectionColours.size());
  EXPECT_EQ(RGBColor(1, 1, 1), t.SectionColours[0]);
  EXPECT_EQ(clWindowText, t.SectionColours[1]);  // no "color" key
  EXPECT_EQ(RGBColor(3, 3, 3), t.SectionColours[2]);
  EXPECT_EQ(RGBColor(5, 5, 5), t.Colours[scHilight]);
}

TEST(SkinColourTable, CustomColoursDefaultToWhite) {
  const TSkinColourTable t = Read("[Customcolors]\nColor0=1 2 3\nColor9=4,5,6\nColor10=7 7 7\n");
  EXPECT_EQ(RGBColor(1, 2, 3), t.CustomColours[0]);
  for (int n = 1; n < 9; ++n) EXPECT_EQ(clWhite, t.CustomColours[n]) << n;
  EXPECT_EQ(RGBColor(4, 5, 6), t.CustomColours[9]);
}

}  // namespace
