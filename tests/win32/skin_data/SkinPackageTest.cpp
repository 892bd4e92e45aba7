// Our own skin package read through the component, checked field by field
// against its description text (tapvane.ini) and its bitmap files.
#include <gtest/gtest.h>
#include <windows.h>

#include "SkinTestFiles.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/BmpFormat.h"

namespace {

// A pixel of a bitmap file of the skin's source folder, read without GDI.
TColor FilePixel(const std::string& file, int x, int y) {
  const std::string path = std::string(TAPVANE_SKIN_SOURCE) + file;
  const TBmpImage image = ReadBmpFile(ReadWholeFile(path.c_str()));
  EXPECT_EQ(24, image.BitsPerPixel) << file;
  const std::uint8_t* p =
      image.Bits.data() + static_cast<std::size_t>(image.Height - 1 - y) * image.Stride() + 3 * x;
  return RGBColor(p[2], p[1], p[0]);
}

struct TExpect {
  int Left, Top, Right, Bottom;
  int Width, Height;
  int Frame, Trans, Tile;
};

void ExpectRecord(const TDataSkinObject* r, const TExpect& e, const char* what) {
  ASSERT_NE(nullptr, r) << what;
  EXPECT_EQ(e.Left, r->LeftWidth) << what;
  EXPECT_EQ(e.Top, r->TopHeight) << what;
  EXPECT_EQ(e.Right, r->RightWidth) << what;
  EXPECT_EQ(e.Bottom, r->BottomHeight) << what;
  EXPECT_EQ(e.Width, r->Image->Width()) << what;
  EXPECT_EQ(e.Height, r->Image->Height()) << what;
  EXPECT_EQ(e.Frame, r->Frame) << what;
  EXPECT_EQ(e.Trans, r->Trans) << what;
  EXPECT_EQ(e.Tile, r->Tile) << what;
}

class OurSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto package = ReadWholeFile(TAPVANE_SKIN_PACKAGE);
    data.SkinStoreStream().WriteBuffer(package.data(), static_cast<int64_t>(package.size()));
    ASSERT_TRUE(data.LoadSkinStore());
  }
  TSkinData data{nullptr};
  const TSkinElements& skin = data.Skin();
};

TEST_F(OurSkin, IsParsed) { EXPECT_FALSE(data.SkinPending()); }

TEST_F(OurSkin, Borders) {
  // Left and Right take their two margins along the height, Top and Bottom
  // along the width.
  ExpectRecord(skin.Left.get(), {0, 30, 0, 8, 8, 48, 2, 1, 1}, "Left");
  ExpectRecord(skin.Right.get(), {0, 30, 0, 8, 8, 48, 2, 1, 1}, "Right");
  ExpectRecord(skin.Top.get(), {8, 0, 8, 0, 56, 60, 2, 0, 1}, "Top");
  ExpectRecord(skin.Bottom.get(), {2, 0, 2, 0, 56, 8, 2, 0, 1}, "Bottom");
  EXPECT_EQ(FilePixel("top.bmp", 20, 5), PixelAt(*skin.Top->Image, 20, 5));
}

TEST_F(OurSkin, ColoursAreAllGiven) {
  const std::pair<TSkinColourSlot, TColor> colours[] = {
      {scWindowText, RGBColor(30, 38, 48)},
      {scTitleTextActive, RGBColor(255, 255, 255)},
      {scTitleTextNoActive, RGBColor(98, 108, 120)},
      {scButtonFace, RGBColor(243, 245, 248)},
      {scButtonText, RGBColor(30, 38, 48)},
      {scButtonHilight, RGBColor(255, 255, 255)},
      {scButtonlight, RGBColor(250, 251, 252)},
      {scButtonShadow, RGBColor(168, 180, 194)},
      {scButtonDkShadow, RGBColor(110, 124, 140)},
      {scHilightText, RGBColor(255, 255, 255)},
      {scHilight, RGBColor(58, 120, 194)},
      {scMenubar, RGBColor(243, 245, 248)},
      {scMenuBarText, RGBColor(30, 38, 48)},
      {scMenuText, RGBColor(30, 38, 48)},
      {scMenu, RGBColor(255, 255, 255)},
      {scScrollbar, RGBColor(231, 235, 240)}};
  for (const auto& [slot, colour] : colours) {
    EXPECT_EQ(colour, skin.Colour(slot)) << slot;
    EXPECT_TRUE(skin.ColourGiven(slot)) << slot;
  }
  EXPECT_FALSE(skin.ColourGiven(static_cast<TSkinColourSlot>(9)));
  EXPECT_EQ(0, skin.Colour(static_cast<TSkinColourSlot>(10)));
  EXPECT_TRUE(skin.Colours.SectionColours.empty());  // [Colours] is not a colour section
  for (const TColor c : skin.Colours.CustomColours) EXPECT_EQ(clWhite, c);
  // The caption sample: a third into the width and into the first of two frames.
  EXPECT_EQ(FilePixel("top.bmp", 56 / 3, 60 / 2 / 3), skin.Colour(scCaptionSample));
  LOGBRUSH brush{};
  ASSERT_NE(0, GetObjectW(skin.FaceBrush.Get(), sizeof brush, &brush));
  EXPECT_EQ(static_cast<COLORREF>(RGBColor(243, 245, 248)), brush.lbColor);
}

TEST_F(OurSkin, CaptionButtonsInSectionOrder) {
  struct TButton {
    const char* Name;
    int Action, Align, X, Y, Visibility, Visibility1, Frame, Width;
  };
  // ButtonIcon has no image and no frame: 6 frames, image cleared (Action 3).
  const TButton expected[] = {
      {"BUTTONCLOSE", 0, 1, 35, 4, 0, 0, 4, 120},   {"BUTTONMAXIMIZE", 1, 1, 65, 4, 2, 6, 4, 120},
      {"BUTTONRESTORE", 1, 1, 65, 4, 1, 6, 4, 120}, {"BUTTONMINIMIZE", 2, 1, 95, 4, 8, 0, 4, 120},
      {"BUTTONHELP", 4, 1, 65, 4, 10, 0, 4, 120},   {"BUTTONICON", 3, 0, 8, 7, 0, 0, 6, 0}};
  ASSERT_EQ(6u + 3u, skin.CaptionButtons.size());
  for (int i = 0; i < 6; ++i) {
    const TDataSkinSysButton& b = *skin.CaptionButtons[i];
    const TButton& e = expected[i];
    EXPECT_EQ(e.Name, b.Name);
    EXPECT_EQ(e.Action, b.Action) << e.Name;
    EXPECT_EQ(e.Align, b.Align) << e.Name;
    EXPECT_EQ(e.X, b.Xcoord) << e.Name;
    EXPECT_EQ(e.Y, b.Ycoord) << e.Name;
    EXPECT_EQ(e.Visibility, b.Visibility) << e.Name;
    EXPECT_EQ(e.Visibility1, b.Visibility1) << e.Name;
    EXPECT_EQ(-1, b.CombineOp) << e.Name;
    EXPECT_EQ(e.Frame, b.Frame) << e.Name;
    EXPECT_EQ(e.Width, b.Image->Width()) << e.Name;
  }
  // The MDI strip is 192 wide: 12 cells of 16, four per button.
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *skin.CaptionButtons[6 + i];
    EXPECT_EQ(7 + i, b.Action);
    EXPECT_EQ(4, b.Frame);
    EXPECT_EQ(100, b.Align);
    EXPECT_EQ(20 * (3 - i), b.Xcoord);
    ASSERT_EQ(64, b.Image->Width());
    EXPECT_EQ(14, b.Image->Height());
    EXPECT_EQ(FilePixel("mdicontrols.bmp", 64 * i + 7, 7), PixelAt(*b.Image, 7, 7)) << i;
  }
}

TEST_F(OurSkin, PushButtonsAndCaptionText) {
  const TDataSkinButton& b = *skin.Buttons;
  ExpectRecord(&b, {5, 5, 5, 5, 150, 24, 5, 1, 0}, "Buttons");
  EXPECT_EQ(156, b.CheckImage->Width());
  EXPECT_EQ(104, b.RadioImage->Width());
  EXPECT_EQ(12, b.CheckButtonFrame);
  EXPECT_EQ(8, b.RadioButtonFrame);
  EXPECT_EQ(-1, b.NormalColour);
  EXPECT_TRUE(b.HasNormalColour2 && b.HasMouseOverColour2 && b.HasPressedColour2);
  EXPECT_EQ(RGBColor(30, 38, 48), b.NormalColour2);
  EXPECT_EQ(RGBColor(42, 96, 164), b.MouseOverColour2);
  EXPECT_EQ(RGBColor(42, 96, 164), b.PressedColour2);

  const TDataSkinTitle& t = *skin.Title;
  ExpectRecord(&t, {30, 0, 100, 0, 16, 60, 2, 0, 0}, "Title");
  EXPECT_EQ(0, t.TextAlignment);
  EXPECT_EQ(12, t.FontHeight);
  EXPECT_EQ(4, t.TXTBackleft);
  EXPECT_EQ(4, t.TXTBackRight);
  EXPECT_EQ(RGBColor(255, 255, 255), t.ActiveText);
  EXPECT_EQ(RGBColor(98, 108, 120), t.InActiveText);
}

TEST_F(OurSkin, ElementRecords) {
  ExpectRecord(skin.Progress.get(), {4, 3, 4, 3, 32, 14, 2, 1, 0}, "Progress");
  ExpectRecord(skin.ProgressChunk.get(), {2, 2, 2, 2, 8, 10, 1, 1, 0}, "Progress.Chunk");
  ExpectRecord(skin.MenuBar.get(), {2, 0, 2, 0, 24, 40, 2, 0, 1}, "menuBar");
  ExpectRecord(skin.GroupBoxEdge.get(), {5, 5, 5, 5, 32, 16, 2, 1, 0}, "GroupBoxEdge");
  ExpectRecord(skin.GroupBox.get(), {5, 5, 5, 5, 16, 18, 1, 1, 0}, "GroupBox");
  EXPECT_EQ(4, skin.GroupBox->BackgroundLeftShift);
  EXPECT_EQ(4, skin.GroupBox->BackgroundRightShift);
  ExpectRecord(skin.Tabs.get(), {5, 5, 5, 2, 120, 24, 5, 1, 0}, "Tabs");
  EXPECT_EQ(16, skin.Tabs->Image2->Width());
  EXPECT_EQ(RGBColor(84, 96, 110), skin.Tabs->NormalColour2);
  EXPECT_EQ(RGBColor(30, 38, 48), skin.Tabs->PressedColour2);  // ButtonText
  ExpectRecord(skin.StatusBarEdges.get(), {2, 2, 2, 2, 36, 20, 3, 0, 0}, "StatusBarEdges");
  ExpectRecord(skin.TabPane.get(), {4, 4, 4, 4, 16, 16, 1, 0, 0}, "Tab.Pane");
  ExpectRecord(skin.ToolBars.get(), {5, 5, 5, 5, 110, 22, 5, 1, 0}, "ToolBars");
  ExpectRecord(skin.ExtraImages.get(), {0, 0, 0, 0, 60, 12, 5, 1, 0}, "ExtraImages");
  ExpectRecord(skin.Headerbar.get(), {3, 3, 3, 3, 80, 22, 5, 0, 0}, "Headerbar");
  ExpectRecord(skin.MenuItem.get(), {4, 4, 4, 4, 120, 22, 5, 1, 0}, "MenuItem");
  ExpectRecord(skin.MenuBackground.get(), {3, 3, 3, 3, 24, 24, 1, 0, 0}, "MenuBackground");
  ExpectRecord(skin.Scrollbar.get(), {0, 0, 0, 0, 391, 17, 23, 1, 0}, "Scrollbar");
  ExpectRecord(skin.HorzScroll.get(), {0, 0, 0, 0, 68, 17, 4, 0, 0}, "HorzScroll");
  ExpectRecord(skin.VertScroll.get(), {0, 0, 0, 0, 68, 17, 4, 0, 0}, "VertScroll");
  ExpectRecord(skin.HorzScrollThumb.get(), {6, 0, 6, 0, 60, 17, 3, 1, 0}, "HorzScrollThumb");
  ExpectRecord(skin.VertScrollThumb.get(), {0, 6, 0, 6, 51, 20, 3, 1, 0}, "VertScrollThumb");
  ExpectRecord(skin.ThumbHorz.get(), {0, 0, 0, 0, 55, 20, 5, 1, 0}, "ThumbHorz");
  ExpectRecord(skin.ThumbVert.get(), {0, 0, 0, 0, 100, 11, 5, 1, 0}, "ThumbVert");
  ExpectRecord(skin.ThumbLeft.get(), {0, 0, 0, 0, 100, 11, 5, 1, 0}, "ThumbLeft");
  ExpectRecord(skin.ThumbRight.get(), {0, 0, 0, 0, 100, 11, 5, 1, 0}, "ThumbRight");
  ExpectRecord(skin.ThumbUp.get(), {0, 0, 0, 0, 55, 20, 5, 1, 0}, "ThumbUp");
  ExpectRecord(skin.ThumbDown.get(), {0, 0, 0, 0, 55, 20, 5, 1, 0}, "ThumbDown");
  ExpectRecord(skin.UpDownHorz.get(), {3, 3, 3, 3, 128, 11, 8, 0, 0}, "UpDown.Horz");
  EXPECT_EQ(56, skin.UpDownHorz->Image2->Width());
  ExpectRecord(skin.UpDownVert.get(), {3, 3, 3, 3, 128, 11, 8, 0, 0}, "UpDown.Vert");
  EXPECT_EQ(72, skin.UpDownVert->Image2->Width());
  // The skin gives its own tracks, so the built-in ones are not used.
  ExpectRecord(skin.Track.get(), {3, 1, 3, 1, 12, 4, 1, 0, 0}, "Track");
  ExpectRecord(skin.TrackVert.get(), {1, 3, 1, 3, 4, 12, 1, 0, 0}, "TRACKVERT");
  EXPECT_EQ(FilePixel("progress.bmp", 10, 7), PixelAt(*skin.Progress->Image, 10, 7));
}

TEST_F(OurSkin, ComboImagesAreComposed) {
  // SunkEdge (4 frames) and ComboButton make a 4 x 50 by 21 composite; the
  // arrow is 4 squares of 17 cut from it.
  const int w = GetSystemMetrics(SM_CXHSCROLL) + 2;
  ExpectRecord(skin.ComboButton.get(), {2, 4, w + 2, 4, 200, 21, 4, 1, 0}, "ComboButton");
  EXPECT_EQ(2, skin.ComboButton->Style);
  EXPECT_EQ(76, skin.ComboButton->Image2->Width());  // mirror of the skin's own image
  EXPECT_EQ(FilePixel("combobutton.bmp", 0, 10), PixelAt(*skin.ComboButton->Image2, 75, 10));
  ExpectRecord(skin.SunkEdge.get(), {w + 2, 4, 2, 4, 200, 21, 4, 1, 0}, "SunkEdge");
  EXPECT_EQ(PixelAt(*skin.ComboButton->Image, 3, 5), PixelAt(*skin.SunkEdge->Image, 196, 5));
  ExpectRecord(skin.ComboxArrow.get(), {0, 0, 0, 0, 68, 17, 4, 0, 0}, "ComboxArrow");
  ExpectRecord(skin.Toolbar.get(), {0, 0, 0, 0, 10, 40, 1, 0, 0}, "Toolbar");
}

}  // namespace
