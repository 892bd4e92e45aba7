// Images composed at the end of a skin read, checked on their pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include "SkinTestFiles.h"
#include "skin/data/SkinDerivedImages.h"
#include "skin/draw/ColourArithmetic.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr TColor kMagenta = 0xFF00FF;
const TColor kSunk[4] = {RGBColor(10, 0, 0), RGBColor(20, 0, 0), RGBColor(30, 0, 0),
                         RGBColor(40, 0, 0)};
const TColor kButton[4] = {RGBColor(0, 10, 0), RGBColor(0, 20, 0), RGBColor(0, 30, 0),
                           RGBColor(0, 40, 0)};

// The last pixel of the 40-pixel Toolbar gradient between the two colours
// (a falling channel may stop a step short of the bottom colour).
TColor GradientEnd(TColor top, TColor bottom) { return ComputeGradient(40, top, bottom).back(); }

class DerivedImages : public ::testing::Test {
 protected:
  void Read(std::string_view text) {
    ReadSkinDescription(MakeIni(text), files.Source(), skin, GetModuleHandleW(nullptr));
  }
  // Four frames side by side, each frame one colour.
  void AddStrip(const std::string& name, int frameWidth, int height, const TColor (&colours)[4]) {
    files.Add(name, MakeBmp(4 * frameWidth, height, [&colours, frameWidth](int x, int) {
                return colours[x / frameWidth];
              }));
  }
  TTestSkinFiles files;
  TSkinElements skin;
};

TEST_F(DerivedImages, ComboCompositeFromSunkEdgeAndComboButton) {
  AddStrip("sunk.bmp", 30, 21, kSunk);
  AddStrip("combo.bmp", 17, 21, kButton);
  Read(
      "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=4\nTopHeight=3\nRightWidth=4\nBottomHeight=5\n"
      "[ComboButton]\nImage=combo.bmp\nLeftWidth=1\nTopHeight=1\nRightWidth=1\nBottomHeight=1\n"
      "Trans=1\n");
  const int w = GetSystemMetrics(SM_CXHSCROLL) + 2;
  TDataSkinBorder& combo = *skin.ComboButton;
  ASSERT_EQ(200, combo.Image->Width());
  ASSERT_EQ(21, combo.Image->Height());
  EXPECT_EQ(2, combo.Style);
  EXPECT_EQ(4, combo.Frame);
  EXPECT_EQ(2, combo.LeftWidth);
  EXPECT_EQ(w + 2, combo.RightWidth);
  EXPECT_EQ(3, combo.TopHeight);  // SunkEdge's
  EXPECT_EQ(5, combo.BottomHeight);
  for (int n = 0; n < 4; ++n) {
    const int x0 = 50 * n;
    EXPECT_EQ(kSunk[n], PixelAt(*combo.Image, x0, 0)) << n;        // edge corner
    EXPECT_EQ(kMagenta, PixelAt(*combo.Image, x0 + 10, 10)) << n;  // hollow inside
    EXPECT_EQ(kButton[n], PixelAt(*combo.Image, x0 + 50 - w / 2, 10)) << n;
  }
  // The mirrored composite becomes the SunkEdge image, for right-to-left boxes.
  TDataSkinObject& sunk = *skin.SunkEdge;
  ASSERT_EQ(200, sunk.Image->Width());
  EXPECT_EQ(w + 2, sunk.LeftWidth);
  EXPECT_EQ(2, sunk.RightWidth);
  EXPECT_EQ(3, sunk.TopHeight);
  for (const int x : {0, 7, 45, 120, 199})
    EXPECT_EQ(PixelAt(*combo.Image, x, 10), PixelAt(*sunk.Image, 199 - x, 10)) << x;
  // The arrow: 17-pixel squares cut from the button of each frame.
  TDataSkinObject& arrow = *skin.ComboxArrow;
  EXPECT_EQ("ComboxArrow", arrow.Name);
  ASSERT_EQ(68, arrow.Image->Width());
  ASSERT_EQ(17, arrow.Image->Height());
  EXPECT_EQ(4, arrow.Frame);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(kButton[i], PixelAt(*arrow.Image, i * 17 + 8, 8)) << i;
}

TEST_F(DerivedImages, ComboButtonKeepsItsMirrorInImage2) {
  files.Add("combo.bmp", MakeBmp(8, 4, [](int x, int) { return x < 4 ? clRed : clBlue; }));
  Read("[ComboButton]\nImage=combo.bmp\n");
  TBitmap& mirror = *skin.ComboButton->Image2;
  ASSERT_EQ(8, mirror.Width());
  EXPECT_EQ(pf24bit, mirror.PixelFormat());
  EXPECT_EQ(clBlue, PixelAt(mirror, 0, 0));
  EXPECT_EQ(clRed, PixelAt(mirror, 7, 3));
}

TEST_F(DerivedImages, ArrowWithoutSunkEdgeTakesTheButtonFaceForMagenta) {
  files.Add("combo.bmp", MakeBmp(68, 17, [](int x, int) { return x % 17 < 8 ? kMagenta : clRed; }));
  Read("[Colours]\nButtonFace=10 20 30\n[ComboButton]\nImage=combo.bmp\n");
  TDataSkinObject& arrow = *skin.ComboxArrow;
  ASSERT_EQ(68, arrow.Image->Width());
  EXPECT_EQ(4, arrow.Frame);
  EXPECT_EQ(RGBColor(10, 20, 30), PixelAt(*arrow.Image, 0, 0));
  EXPECT_EQ(clRed, PixelAt(*arrow.Image, 10, 0));
  EXPECT_EQ(pf24bit, arrow.Image->PixelFormat());
  // The button itself is left as it was.
  EXPECT_EQ(kMagenta, PixelAt(*skin.ComboButton->Image, 0, 0));
}

TEST_F(DerivedImages, ArrowAndToolbarExistWithoutComboSections) {
  Read("[Colours]\n");
  ASSERT_NE(nullptr, skin.ComboxArrow);
  EXPECT_TRUE(skin.ComboxArrow->Image->Empty());
  ASSERT_NE(nullptr, skin.Toolbar);
  EXPECT_EQ(10, skin.Toolbar->Image->Width());
  EXPECT_EQ(40, skin.Toolbar->Image->Height());
  EXPECT_EQ(1, skin.Toolbar->Frame);
}

TEST_F(DerivedImages, CaptionSampleFromTheFirstFrameOfTheTopBorder) {
  files.Add("top.bmp", MakeBmp(30, 60, [](int x, int y) {
              return y < 15 ? RGBColor(x, 1, 1) : RGBColor(x, 2, 2);
            }));
  Read("[Personality]\nTop=top.bmp\nTopFrame=2\n");
  EXPECT_EQ(RGBColor(10, 1, 1), skin.Colour(scCaptionSample));  // (30/3, 60/2/3)
}

TEST_F(DerivedImages, CaptionSampleWithATopFrameCountOf0) {
  files.Add("top.bmp", MakeBmp(30, 60, [](int x, int y) {
              return y < 15 ? RGBColor(x, 1, 1) : RGBColor(x, 2, 2);
            }));
  Read("[Personality]\nTop=top.bmp\nTopFrame=0\n");
  EXPECT_EQ(RGBColor(10, 2, 2), skin.Colour(scCaptionSample));  // one frame: (10, 20)
}

TEST_F(DerivedImages, CaptionSampleWithoutTopImageIsTheButtonFace) {
  Read("[Colours]\nButtonFace=1 2 3\n");
  EXPECT_EQ(RGBColor(1, 2, 3), skin.Colour(scCaptionSample));
  Read("[Colours]\n");
  EXPECT_EQ(clBtnFace, skin.Colour(scCaptionSample));
}

TEST_F(DerivedImages, ToolbarGradientForADarkCaption) {
  // A dark caption (no channel above 159) counts as saturation 200, so the
  // bottom is 54 % caption and 46 % white: (40*54 + 255*46 + 50) / 100 = 139 ...
  files.Add("top.bmp", MakeBmp(30, 60, RGBColor(40, 60, 100)));
  Read("[Colours]\nButtonFace=255 255 255\n[Personality]\nTop=top.bmp\n");
  TBitmap& bar = *skin.Toolbar->Image;
  EXPECT_EQ(clWhite, PixelAt(bar, 0, 0));
  EXPECT_EQ(GradientEnd(clWhite, RGBColor(139, 150, 171)), PixelAt(bar, 0, 39));
  EXPECT_EQ(GradientEnd(clWhite, RGBColor(139, 150, 171)), PixelAt(bar, 9, 39));
}

TEST_F(DerivedImages, ToolbarGradientForASaturatedCaption) {
  // Saturation 255: weight (5625 - 6375) / 140 + 50 = 45 % caption.
  files.Add("top.bmp", MakeBmp(30, 60, RGBColor(255, 0, 0)));
  Read("[Colours]\nButtonFace=0 0 0\n[Personality]\nTop=top.bmp\n");
  TBitmap& bar = *skin.Toolbar->Image;
  EXPECT_EQ(RGBColor(217, 217, 217), PixelAt(bar, 0, 0));  // 15 % black, 85 % white
  EXPECT_EQ(GradientEnd(RGBColor(217, 217, 217), RGBColor(255, 140, 140)), PixelAt(bar, 0, 39));
}

TEST_F(DerivedImages, ToolbarGradientForAPaleCaption) {
  // Saturation 0 (not above 110): 15 % grey 128 and 85 % caption.
  files.Add("top.bmp", MakeBmp(30, 60, RGBColor(200, 200, 200)));
  Read("[Colours]\nButtonFace=255 255 255\n[Personality]\nTop=top.bmp\n");
  EXPECT_EQ(GradientEnd(clWhite, RGBColor(189, 189, 189)), PixelAt(*skin.Toolbar->Image, 0, 39));
}

}  // namespace
