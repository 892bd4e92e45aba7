// The rules of the description reading that our own skin does not exercise,
// on small handmade descriptions.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

#include "SkinTestFiles.h"
#include "skin/data/SkinDescriptionReader.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

class ReadSkinRules : public ::testing::Test {
 protected:
  void Read(std::string_view text) {
    ReadSkinDescription(MakeIni(text), files.Source(), skin, GetModuleHandleW(nullptr));
  }
  TTestSkinFiles files;
  TSkinElements skin;
};

TEST_F(ReadSkinRules, ImageNamesKeepOnlyTheFileNameAndExactlyBmp) {
  files.Add("top.bmp", MakeBmp(30, 60, clRed));
  files.Add("left.bmp", MakeBmp(8, 8, clRed));
  files.Add("empty.bmp", {});
  Read("[Personality]\nTop=skin\\top.bmp\nLeft=left.BMP\nRight=missing.bmp\nBottom=empty.bmp\n");
  EXPECT_EQ(30, skin.Top->Image->Width());
  EXPECT_EQ(60, skin.Top->Image->Height());
  EXPECT_TRUE(skin.Left->Image->Empty());
  EXPECT_EQ(0, files.Requests("left.bmp"));  // ".BMP" is never even looked up
  EXPECT_EQ(1, files.Requests("missing.bmp"));
  EXPECT_TRUE(skin.Right->Image->Empty());
  EXPECT_TRUE(skin.Bottom->Image->Empty());
}

TEST_F(ReadSkinRules, BorderMarginsFollowTheBorderLength) {
  Read(
      "[Personality]\nLeftTopHeight=20\nLeftBotHeight=4\nTopTopHeight=7\nTopBotHeight=9\n"
      "TopFrame=2\nTopStretch=5\nTopTrans=0\nBottomFrame=0\n");
  EXPECT_EQ(20, skin.Left->TopHeight);
  EXPECT_EQ(4, skin.Left->BottomHeight);
  EXPECT_EQ(0, skin.Left->LeftWidth);
  EXPECT_EQ(0, skin.Left->RightWidth);
  EXPECT_EQ(7, skin.Top->LeftWidth);
  EXPECT_EQ(9, skin.Top->RightWidth);
  EXPECT_EQ(0, skin.Top->TopHeight);
  EXPECT_EQ(2, skin.Top->Frame);
  EXPECT_EQ(1, skin.Top->Tile);  // above 1 becomes 1
  EXPECT_EQ(0, skin.Top->Trans);
  // Defaults: one frame, stretched edge flag 1, transparent.
  EXPECT_EQ(1, skin.Right->Frame);
  EXPECT_EQ(1, skin.Right->Tile);
  EXPECT_EQ(1, skin.Right->Trans);
  // A frame count of 0 would divide image heights by zero: it reads as 1.
  EXPECT_EQ(1, skin.Bottom->Frame);
}

TEST_F(ReadSkinRules, CaptionButtonsFromButtonSectionsOnly) {
  files.Add("b60.bmp", MakeBmp(60, 20, clRed));
  files.Add("b90.bmp", MakeBmp(90, 20, clRed));
  Read(
      "[BUTTONS]\nAction=1\n[BUTTON]\nAction=1\n"
      "[Button1]\nAction=1\nButtonImage=b60.bmp\n"
      "[Button2]\nAction=2\nButtonImage=b90.bmp\n"
      "[Button3]\nAction=-1\nVisibility=1\nButtonImage=b60.bmp\n"
      "[Button4]\nAction=-1\nVisibility=0\nButtonImage=b60.bmp\n"
      "[Button5]\nAction=3\nButtonImage=b60.bmp\n"
      "[Button1]\nAction=9\n");
  ASSERT_EQ(5u + 3u, skin.CaptionButtons.size());
  const char* names[] = {"BUTTON1", "BUTTON2", "BUTTON4", "BUTTON5", "BUTTON1"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(names[i], skin.CaptionButtons[i]->Name) << i;
  EXPECT_EQ(3, skin.CaptionButtons[0]->Frame);  // 60 x 20: 3 frames
  EXPECT_EQ(60, skin.CaptionButtons[0]->Image->Width());
  EXPECT_EQ(6, skin.CaptionButtons[1]->Frame);  // 90 x 20: 6 frames
  EXPECT_EQ(6, skin.CaptionButtons[2]->Frame);  // negative action: 6
  EXPECT_EQ(-1, skin.CaptionButtons[2]->Visibility1);
  EXPECT_EQ(3, skin.CaptionButtons[3]->Frame);  // counted on the image, then the image goes
  EXPECT_TRUE(skin.CaptionButtons[3]->Image->Empty());
  // The repeated section reads the first one of that name.
  EXPECT_EQ(1, skin.CaptionButtons[4]->Action);
  EXPECT_EQ(60, skin.CaptionButtons[4]->Image->Width());
}

TEST_F(ReadSkinRules, MdiButtonsAreCutFromTheStrip) {
  const TColor cells[3] = {clRed, clLime, clBlue};
  files.Add("mdi.bmp", MakeBmp(48, 16, [&](int x, int) { return cells[x / 16]; }));
  Read("[MDICONTROLS]\nImage=mdi.bmp\n");
  ASSERT_EQ(3u, skin.CaptionButtons.size());
  const int xcoord[3] = {24, 16, 8};
  for (int i = 0; i < 3; ++i) {
    TDataSkinSysButton& b = *skin.CaptionButtons[i];
    EXPECT_EQ(7 + i, b.Action);
    EXPECT_EQ(100, b.Align);
    EXPECT_EQ(100, b.Visibility);
    EXPECT_EQ(100, b.Visibility1);
    EXPECT_EQ(4, b.Frame);
    EXPECT_EQ(xcoord[i], b.Xcoord);
    ASSERT_EQ(16, b.Image->Width());
    EXPECT_EQ(16, b.Image->Height());
    EXPECT_EQ(cells[i], PixelAt(*b.Image, 0, 0)) << i;
    EXPECT_EQ(cells[i], PixelAt(*b.Image, 15, 15)) << i;
  }
}

TEST_F(ReadSkinRules, NoMdiStripLeavesEmptyImagesAtXcoord0) {
  Read("[Colours]\n");
  ASSERT_EQ(3u, skin.CaptionButtons.size());
  for (const auto& b : skin.CaptionButtons) {
    EXPECT_TRUE(b->Image->Empty());
    EXPECT_EQ(0, b->Xcoord);
  }
}

TEST_F(ReadSkinRules, ElementSectionsNeedAnImageKey) {
  files.Add("p.bmp", MakeBmp(20, 10, clRed));
  Read(
      "[Progress]\nBitmap=p.bmp\nTile=3\nFrame=9\nNormalColour=5\n"
      "[Progress.Chunk]\nStyle=1\n"
      "[GroupBoxEdge]\nImage=p.BMP\n");
  ASSERT_NE(nullptr, skin.Progress);
  EXPECT_EQ(1, skin.Progress->Tile);          // above 1 becomes 1 here
  EXPECT_EQ(2, skin.Progress->Frame);         // fixed: 2 for Style 0
  EXPECT_EQ(0, skin.Progress->NormalColour);  // no colours read
  EXPECT_EQ(nullptr, skin.ProgressChunk);     // no Image key
  // A value that loads nothing still makes the record, with an empty image.
  ASSERT_NE(nullptr, skin.GroupBoxEdge);
  EXPECT_TRUE(skin.GroupBoxEdge->Image->Empty());
  EXPECT_EQ(2, skin.GroupBoxEdge->Frame);
  EXPECT_EQ(nullptr, skin.Scrollbar);
  EXPECT_EQ(nullptr, skin.ComboButton);
}

TEST_F(ReadSkinRules, StandardKeysColoursAndTile) {
  files.Add("e.bmp", MakeBmp(40, 10, clRed));
  Read(
      "[Colours]\nButtonText=1 2 3\n"
      "[MenuItem]\nImage=e.bmp\nStyle=4\nLeftWidth=1\nRightWidth=2\nTopHeight=3\nBottomHeight=0x4\n"
      "Trans=1\nTile=2\nFrame=7\nNormalColour=0x0000FF\nPressedColour=255\n"
      "MouseOverColour2=9,8,7\n"
      "[Progress.Chunk]\nImage=e.bmp\nFrame=0\n");
  TDataSkinObject& m = *skin.MenuItem;
  EXPECT_EQ(4, m.Style);
  EXPECT_EQ(1, m.LeftWidth);
  EXPECT_EQ(2, m.RightWidth);
  EXPECT_EQ(3, m.TopHeight);
  EXPECT_EQ(4, m.BottomHeight);
  EXPECT_EQ(1, m.Trans);
  EXPECT_EQ(0, m.Tile);   // above 1 becomes 0 in element sections
  EXPECT_EQ(5, m.Frame);  // fixed count
  EXPECT_EQ(255, m.NormalColour);
  EXPECT_EQ(-1, m.MouseOverColour);
  EXPECT_EQ(255, m.PressedColour);
  EXPECT_EQ(RGBColor(1, 2, 3), m.NormalColour2);  // ButtonText is the default
  EXPECT_EQ(RGBColor(9, 8, 7), m.MouseOverColour2);
  EXPECT_EQ("MenuItem", m.Name);
  EXPECT_EQ(1, skin.ProgressChunk->Frame);  // kept from the skin, but never 0
}

TEST_F(ReadSkinRules, MenuItemLeftMarginStaysInsideItsImage) {
  files.Add("e.bmp", MakeBmp(40, 10, clRed));
  for (const auto& [value, kept] : {std::pair{"12", 12}, {"1000000", 40}, {"-5", 0}}) {
    Read("[MenuItem]\nImage=e.bmp\nLeftWidth=" + std::string(value) + "\n");
    EXPECT_EQ(kept, skin.MenuItem->LeftWidth) << value;
  }
}

TEST_F(ReadSkinRules, FixedFrameCountsAndTheirExceptions) {
  files.Add("e.bmp", MakeBmp(40, 10, clRed));
  Read(
      "[Progress]\nBitmap=e.bmp\nStyle=1\n[Tab.Pane]\nImage=e.bmp\nLeftWidth=9\nTopHeight=3\n"
      "RightWidth=5\nBottomHeight=-2\n[Headerbar]\nImage=e.bmp\nFrame=7\n"
      "[HorzScrollThumb]\nImage=e.bmp\nFrame=9\n[VertScrollThumb]\nImage=e.bmp\nFrameCount=0\n"
      "[Scrollbar]\nImage=e.bmp\n[UpDown.Horz]\nImage=e.bmp\nGlyphImage=e.bmp\n"
      "[StatusBarEdges]\nImage=e.bmp\n[Tabs]\nImage=e.bmp\nBorder=e.bmp\n");
  EXPECT_EQ(1, skin.Progress->Frame);
  EXPECT_EQ(4, skin.TabPane->LeftWidth);  // margins capped at 4
  EXPECT_EQ(3, skin.TabPane->TopHeight);
  EXPECT_EQ(4, skin.TabPane->RightWidth);
  EXPECT_EQ(-2, skin.TabPane->BottomHeight);
  EXPECT_EQ(1, skin.TabPane->Frame);
  EXPECT_EQ(7, skin.Headerbar->Frame);
  EXPECT_EQ(3, skin.HorzScrollThumb->Frame);  // FrameCount, default 3
  EXPECT_EQ(1, skin.VertScrollThumb->Frame);  // FrameCount 0 reads as 1
  EXPECT_EQ(23, skin.Scrollbar->Frame);
  EXPECT_EQ(8, skin.UpDownHorz->Frame);
  EXPECT_EQ(40, skin.UpDownHorz->Image2->Width());
  EXPECT_EQ(3, skin.StatusBarEdges->Frame);
  EXPECT_EQ(5, skin.Tabs->Frame);
  EXPECT_EQ(40, skin.Tabs->Image2->Width());
}

TEST_F(ReadSkinRules, HeaderbarWithoutFrameGetsFive) {
  files.Add("e.bmp", MakeBmp(40, 10, clRed));
  Read("[Headerbar]\nImage=e.bmp\n");
  EXPECT_EQ(5, skin.Headerbar->Frame);
}

TEST_F(ReadSkinRules, PushButtonsAndCheckRadioFrames) {
  files.Add("radio.bmp", MakeBmp(104, 13, clRed));
  files.Add("check.bmp", MakeBmp(96, 16, clRed));
  Read(
      "[Buttons]\nBitmap=radio.bmp\nRadioButton=radio.bmp\nCheckButton=check.bmp\nTile=2\n"
      "NormalColour2=\nPressedColour2=4 5 6\n");
  TDataSkinButton& b = *skin.Buttons;
  EXPECT_EQ(5, b.Frame);
  EXPECT_EQ(8, b.RadioButtonFrame);  // 104 / 13
  EXPECT_EQ(6, b.CheckButtonFrame);  // 96 / 16
  EXPECT_EQ(0, b.Tile);
  EXPECT_FALSE(b.HasNormalColour2);
  EXPECT_FALSE(b.HasMouseOverColour2);
  EXPECT_TRUE(b.HasPressedColour2);
  EXPECT_EQ(RGBColor(4, 5, 6), b.PressedColour2);
  EXPECT_EQ(clBtnText, b.NormalColour2);  // the ButtonText slot, a system colour here
}

TEST_F(ReadSkinRules, CheckRadioFramesGivenByTheSkinAreNeverBelowOne) {
  files.Add("radio.bmp", MakeBmp(104, 13, clRed));
  Read("[Buttons]\nRadioButton=radio.bmp\nRadioButtonFrame=3\nCheckButtonFrame=-2\n");
  EXPECT_EQ(3, skin.Buttons->RadioButtonFrame);  // the skin's own count, even below 4
  EXPECT_EQ(1, skin.Buttons->CheckButtonFrame);
}

TEST_F(ReadSkinRules, CaptionTextColoursNeedAllThreeChannels) {
  Read(
      "[Personality]\nActiveTextR=10\nActiveTextG=20\nActiveTextB=30\n"
      "InActiveTextR=10\nInActiveTextG=20\nTextShift=30\nTextRightClip=9\n[Fonts]\n");
  EXPECT_EQ(RGBColor(10, 20, 30), skin.Title->ActiveText);
  EXPECT_EQ(clNone, skin.Title->InActiveText);
  EXPECT_EQ(0x1FFFFFFF, skin.Title->InActiveText);
  EXPECT_EQ(14, skin.Title->FontHeight);
  EXPECT_EQ(30, skin.Title->LeftWidth);
  EXPECT_EQ(9, skin.Title->RightWidth);
  EXPECT_EQ(2, skin.Title->Frame);
}

TEST_F(ReadSkinRules, MenuBarFromPersonality) {
  files.Add("bar.bmp", MakeBmp(30, 20, clRed));
  Read("[Personality]\nmenuBar=bar.bmp\nTileMenu=4\n");
  ASSERT_NE(nullptr, skin.MenuBar);
  EXPECT_EQ(1, skin.MenuBar->Tile);
  EXPECT_EQ(1, skin.MenuBar->LeftWidth);
  EXPECT_EQ(1, skin.MenuBar->RightWidth);
  EXPECT_EQ(2, skin.MenuBar->Frame);
}

TEST_F(ReadSkinRules, AMissingTrackUsesTheBuiltInBitmaps) {
  Read("[Colours]\n");
  ASSERT_NE(nullptr, skin.Track);
  EXPECT_EQ(16, skin.Track->Image->Width());
  EXPECT_EQ(4, skin.Track->Image->Height());
  EXPECT_EQ(3, skin.Track->LeftWidth);
  EXPECT_EQ(3, skin.Track->RightWidth);
  EXPECT_EQ(3, skin.Track->TopHeight);
  EXPECT_EQ(3, skin.Track->BottomHeight);
  EXPECT_EQ(1, skin.Track->Frame);
  EXPECT_EQ(0, skin.Track->Tile);
  ASSERT_NE(nullptr, skin.TrackVert);
  EXPECT_EQ(4, skin.TrackVert->Image->Width());
  EXPECT_EQ(16, skin.TrackVert->Image->Height());
}

TEST_F(ReadSkinRules, ASkinTrackReplacesTheBuiltInOne) {
  files.Add("t.bmp", MakeBmp(30, 6, clRed));
  Read("[Track]\nImage=t.bmp\nLeftWidth=2\nFrame=0\n");
  EXPECT_EQ(30, skin.Track->Image->Width());
  EXPECT_EQ(2, skin.Track->LeftWidth);
  EXPECT_EQ(1, skin.Track->Frame);
}

TEST_F(ReadSkinRules, UntrustedBitmapsLeaveTheImageEmpty) {
  std::vector<std::uint8_t> good = MakeBmp(20, 20, clRed);
  std::vector<std::uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
  std::vector<std::uint8_t> huge = good;
  huge[18] = 0xA0, huge[19] = 0x86, huge[20] = 0x01;  // width 100000
  std::vector<std::uint8_t> rle = MakeBmp(20, 20, clRed);
  rle[30] = 1;  // run-length codes claimed for 24-bit pixels
  files.Add("good.bmp", good);
  files.Add("truncated.bmp", truncated);
  files.Add("huge.bmp", huge);
  files.Add("rle.bmp", rle);
  files.Add("noise.bmp", std::vector<std::uint8_t>(300, 0x42));
  for (const char* name : {"truncated.bmp", "huge.bmp", "rle.bmp", "noise.bmp"}) {
    EXPECT_TRUE(LoadSkinBitmap(name, files.Source())->Empty()) << name;
  }
  EXPECT_EQ(20, LoadSkinBitmap("good.bmp", files.Source())->Width());

  // Only files that are there and unreadable are listed, each once, with the
  // first section naming it; the next skin starts a fresh list.
  Read(
      "[Scrollbar]\nImage=noise.bmp\n[Buttons]\nBitmap=good.bmp\nCheckButton=truncated.bmp\n"
      "RadioButton=noise.bmp\n[MenuItem]\nImage=absent.bmp\n[Personality]\nTop=rle.bmp\n");
  EXPECT_EQ((std::vector<std::string>{"Personality: rle.bmp", "Buttons: truncated.bmp",
                                      "Buttons: noise.bmp"}),
            skin.UnreadableImages);
  EXPECT_FALSE(skin.Buttons->Image->Empty());
  Read("[Buttons]\nBitmap=good.bmp\n");
  EXPECT_TRUE(skin.UnreadableImages.empty());
}

TEST_F(ReadSkinRules, ARereadReplacesRecordsOfThePreviousSkin) {
  files.Add("e.bmp", MakeBmp(40, 10, clRed));
  Read("[Scrollbar]\nImage=e.bmp\n[Buttonx]\nAction=1\n");
  ASSERT_NE(nullptr, skin.Scrollbar);
  ASSERT_EQ(4u, skin.CaptionButtons.size());
  Read("[Colours]\n");
  EXPECT_EQ(nullptr, skin.Scrollbar);
  EXPECT_EQ(3u, skin.CaptionButtons.size());
}

}  // namespace
