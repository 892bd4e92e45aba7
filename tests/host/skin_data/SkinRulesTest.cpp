#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "skin/data/Skin3rdDefaults.h"
#include "skin/data/SkinDataTypes.h"
#include "skin/data/SkinFrameRules.h"
#include "skin/data/SkinImageName.h"

namespace {

TEST(Skin3rdDefaults, HoldsTheRowsInOrderWithThreeRepeats) {
  const auto rows = Skin3rdDefaultRows();
  ASSERT_EQ(118u, rows.size());
  EXPECT_EQ("TCategoryButtons=scrollbar", rows.front());
  EXPECT_EQ("TPngSpeedbutton=pngspeedbutton", rows[1]);
  EXPECT_EQ("TOVCDBNUMERICFIELD=Edit", rows.back());
  std::map<std::string_view, int> seen;
  for (const auto row : rows) {
    ++seen[row];
    EXPECT_NE(std::string_view::npos, row.find('=')) << row;
  }
  EXPECT_EQ(2, seen["TDBCheckboxEh=Checkbox"]);
  EXPECT_EQ(2, seen["TLMDFontSizeCombobox=combobox"]);
  EXPECT_EQ(2, seen["TWWDBCombobox=Combobox"]);
  EXPECT_EQ(115u, seen.size());
}

TEST(SkinImageName, OnlyLowerCaseBmpFilesAreLoaded) {
  EXPECT_EQ("edge.bmp", SkinImageEntryName("edge.bmp"));
  EXPECT_EQ("Edge.bmp", SkinImageEntryName("Edge.bmp"));  // the package lookup ignores case
  EXPECT_EQ("", SkinImageEntryName("edge.BMP"));
  EXPECT_EQ("", SkinImageEntryName("skin\\edge.BMP"));
  EXPECT_EQ("", SkinImageEntryName("edge.bmpx"));
  EXPECT_EQ("", SkinImageEntryName("edge"));
  EXPECT_EQ("", SkinImageEntryName(""));
}

TEST(SkinImageName, TheDirectoryPartIsDropped) {
  EXPECT_EQ("edge.bmp", SkinImageEntryName("skin\\edge.bmp"));
  EXPECT_EQ("edge.bmp", SkinImageEntryName("C:\\skins\\blue\\edge.bmp"));
  EXPECT_EQ("edge.bmp", SkinImageEntryName("c:edge.bmp"));
  EXPECT_EQ("edge.bmp", SkinImageEntryName("skins/edge.bmp"));
  EXPECT_EQ("", SkinImageEntryName("edge.bmp\\"));
}

TEST(CaptionButtonFrame, DecidedFromTheImageWhenTheSkinGivesNone) {
  EXPECT_EQ(3, CaptionButtonFrame(0, 60, 20, 1));
  EXPECT_EQ(6, CaptionButtonFrame(0, 90, 20, 1));
  EXPECT_EQ(3, CaptionButtonFrame(0, 76, 20, 1));  // exactly 3.8
  EXPECT_EQ(6, CaptionButtonFrame(0, 77, 20, 1));
  EXPECT_EQ(6, CaptionButtonFrame(0, 60, 20, -1));  // negative actions always 6
  EXPECT_EQ(6, CaptionButtonFrame(0, 0, 0, 1));     // no image
}

TEST(CaptionButtonFrame, TheSkinsOwnCountIsKeptButNeverBelowOne) {
  EXPECT_EQ(4, CaptionButtonFrame(4, 60, 20, 1));
  EXPECT_EQ(2, CaptionButtonFrame(2, 60, 20, -1));
  EXPECT_EQ(1, CaptionButtonFrame(-3, 60, 20, 1));
  EXPECT_EQ(60, CaptionButtonFrame(60, 60, 20, 1));
  EXPECT_EQ(1, CaptionButtonFrame(61, 60, 20, 1));  // no column per frame
  EXPECT_EQ(1, CaptionButtonFrame(1000000, 60, 20, 1));
}

TEST(CheckRadioFrame, CellWidthDependsOnTheStripHeight) {
  EXPECT_EQ(8, CheckRadioFrame(104, 13));  // 13-pixel cells
  EXPECT_EQ(6, CheckRadioFrame(96, 16));   // 16-pixel cells
  EXPECT_EQ(4, CheckRadioFrame(26, 13));   // at least 4
  EXPECT_EQ(4, CheckRadioFrame(0, 0));
}

TEST(MdiButtonCut, A48PixelStripGivesThreeSixteenPixelButtons) {
  const TMdiButtonCut expected[] = {{0, 16, 24}, {16, 16, 16}, {32, 16, 8}};
  for (int i = 0; i < 3; ++i) {
    const TMdiButtonCut cut = MdiButtonCut(48, i);
    EXPECT_EQ(expected[i].SourceLeft, cut.SourceLeft) << i;
    EXPECT_EQ(expected[i].Width, cut.Width) << i;
    EXPECT_EQ(expected[i].Xcoord, cut.Xcoord) << i;
  }
  EXPECT_EQ(0, MdiButtonCut(11, 2).Width);  // narrower than 12 cells: nothing to cut
}

TEST(CaptionSamplePoint, ThirdOfTheWidthAndOfTheFirstFrame) {
  EXPECT_EQ(10, CaptionSamplePoint(30, 60, 2).X);
  EXPECT_EQ(10, CaptionSamplePoint(30, 60, 2).Y);
  // A frame count of 0 or less is read as one frame instead of dividing by it.
  EXPECT_EQ(20, CaptionSamplePoint(30, 60, 0).Y);
  EXPECT_EQ(20, CaptionSamplePoint(30, 60, -2).Y);
}

TEST(ToolbarSaturatedWeight, FallsWithSaturation) {
  EXPECT_EQ(50 + (5625 - 25 * 255) / 140, ToolbarSaturatedWeight(255));
  EXPECT_EQ(45, ToolbarSaturatedWeight(255));  // truncation toward zero: -750/140 = -5
  EXPECT_EQ(70, ToolbarSaturatedWeight(111));
}

TEST(SkinDataTypes, DefaultsAndStorageWidths) {
  for (int c = xcMainMenu; c <= xcFastReport; ++c) {
    const auto member = static_cast<TSkinControlType>(c);
    EXPECT_EQ(member != xcMenuItem && member != xcFastReport, kDefaultSkinControls.Contains(member))
        << kSkinControlTypeNames[c];
  }
  EXPECT_EQ(0x1FFFFBu, kDefaultSkinControls.Bits());
  EXPECT_EQ((1u << xoPreview) | (1u << xoToolbarBK) | (1u << xoCaptionButtonHint),
            kDefaultSkinOptions.Bits());
  EXPECT_EQ("xoCaptionButtonHint", kSkinOptionNames[xoCaptionButtonHint]);
  EXPECT_EQ("xcFastReport", kSkinControlTypeNames[xcFastReport]);
  EXPECT_EQ("sfDLL", kSkinFormTypeNames[sfDLL]);
}

}  // namespace
