// The derived images are made in memory; here they are held against the
// same images drawn through canvases and DCs (DrawFramedImage,
// DrawCentredFrame, GradientFill, CopyRect, GetPixel), pixel for pixel, on
// our own skin and on skins whose pieces stretch, overhang and come in
// other pixel formats.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <string>

#include "SkinTestFiles.h"
#include "skin/data/SkinDerivedImages.h"
#include "skin/data/SkinFrameRules.h"
#include "skin/draw/ColourArithmetic.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/ImgUtil.h"
#include "skin/read/SkinRead.h"
#include "toolkit/core/Streams.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

RECT MarginsOf(const TDataSkinObject& r) {
  return RECT{r.LeftWidth, r.TopHeight, r.RightWidth, r.BottomHeight};
}

std::unique_ptr<TBitmap> CanvasFilled(int width, int height, TColor colour) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  bitmap->Canvas().Brush().SetColor(colour);
  bitmap->Canvas().FillRect(RECT{0, 0, width, height});
  return bitmap;
}

void CanvasCopy(TBitmap& dest, const RECT& destRect, TBitmap& source, const RECT& sourceRect) {
  dest.Canvas().CopyRect(destRect, source.Canvas(), sourceRect);
}

// The derived images drawn through DCs, step by step as the rule goes.
void DrawDerivedImages(TSkinElements& s) {
  if (s.SunkEdge && s.ComboButton) {
    TDataSkinObject& sunk = *s.SunkEdge;
    TDataSkinBorder& combo = *s.ComboButton;
    const int w = GetSystemMetrics(SM_CXHSCROLL) + 2;
    const int frames = FrameCountOf(sunk.Frame);
    auto composite = CanvasFilled(frames * 50, 21, clFuchsia);
    TBitmap work(50, 21, pf24bit);
    TCanvas& canvas = work.Canvas();
    canvas.Brush().SetColor(clFuchsia);
    const RECT tile{0, 0, 50, 21};
    const RECT button{50 - w, 0, 50, 21};
    for (int n = 1; n <= frames; ++n) {
      canvas.FillRect(tile);
      HDC dc = canvas.Handle();
      DrawFramedImage(dc, tile, *sunk.Image, false, false, sunk.Trans != 0, frames, n,
                      MarginsOf(sunk));
      DrawFramedImage(dc, button, *combo.Image, false, false, true, FrameCountOf(combo.Frame), n,
                      MarginsOf(combo));
      if (s.ExtraImages)
        DrawCentredFrame(dc, button, *s.ExtraImages->Image, true,
                         FrameCountOf(s.ExtraImages->Frame), n);
      canvas.FillRect(RECT{2, 2, 49 - w, 18});
      CanvasCopy(*composite, RECT{(n - 1) * 50, 0, n * 50, 21}, work, tile);
    }
    combo.Style = 2;
    combo.LeftWidth = 2;
    combo.TopHeight = sunk.TopHeight;
    combo.RightWidth = w + 2;
    combo.BottomHeight = sunk.BottomHeight;
    sunk.Image = MirroredCopy(*composite);
    sunk.LeftWidth = w + 2;
    sunk.RightWidth = 2;
    combo.Image = std::move(composite);
  }
  if (!s.ComboxArrow) s.ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  if (s.ComboButton && !s.SunkEdge) {
    auto image = std::make_unique<TBitmap>();
    image->Assign(s.ComboButton->Image.get());
    ReplaceColour(*image, ColorToRGB(s.Colour(scButtonFace)));
    s.ComboxArrow->Image = std::move(image);
    s.ComboxArrow->Frame = s.ComboButton->Frame;
  } else if (s.ComboButton) {
    const int frames = FrameCountOf(s.SunkEdge->Frame);
    const int cell = s.ComboButton->Image->Width() / frames;
    auto image = CanvasFilled(frames * 17, 17, clFuchsia);
    for (int i = 0; i < frames; ++i) {
      const int right = (i + 1) * cell - 2;
      CanvasCopy(*image, RECT{i * 17, 0, (i + 1) * 17, 17}, *s.ComboButton->Image,
                 RECT{right - 17, 2, right, 19});
    }
    s.ComboxArrow->Frame = frames;
    s.ComboxArrow->Image = std::move(image);
  }
  TColor caption = s.Colour(scButtonFace);
  TBitmap& top = *s.Top->Image;
  if (!top.Empty()) {
    const TSamplePoint p = CaptionSamplePoint(top.Width(), top.Height(), s.Top->Frame);
    caption = top.Canvas().Pixel(p.X, p.Y);
  }
  if (!s.Toolbar) s.Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  const TColor rgb = ColorToRGB(caption);
  const int saturation = Saturation(rgb);
  const TColor bottom = saturation > 110 ? Blend(rgb, clWhite, ToolbarSaturatedWeight(saturation))
                                         : Blend(clGray, rgb, 150);
  auto bar = std::make_unique<TBitmap>(10, 40, pf24bit);
  GradientFill(bar->Canvas().Handle(), RECT{0, 0, 10, 40},
               Blend(s.Colour(scButtonFace), clWhite, 150), true, bottom);
  s.Toolbar->Image = std::move(bar);
  s.Toolbar->Frame = 1;
  s.Colours.Colours[scCaptionSample] = caption;
}

std::string Difference(TBitmap& expected, TBitmap& actual) {
  if (expected.Width() != actual.Width() || expected.Height() != actual.Height())
    return "size " + std::to_string(actual.Width()) + "x" + std::to_string(actual.Height());
  if (expected.PixelFormat() != actual.PixelFormat()) return "pixel format";
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      if (PixelAt(expected, x, y) != PixelAt(actual, x, y))
        return "pixel " + std::to_string(x) + "," + std::to_string(y);
  return "";
}

void ExpectSameRecord(TDataSkinObject* expected, TDataSkinObject* actual, const char* what) {
  ASSERT_EQ(expected == nullptr, actual == nullptr) << what;
  if (!expected) return;
  EXPECT_EQ("", Difference(*expected->Image, *actual->Image)) << what;
  EXPECT_EQ(expected->Frame, actual->Frame) << what;
  EXPECT_EQ(expected->Style, actual->Style) << what;
  EXPECT_EQ(expected->LeftWidth, actual->LeftWidth) << what;
  EXPECT_EQ(expected->TopHeight, actual->TopHeight) << what;
  EXPECT_EQ(expected->RightWidth, actual->RightWidth) << what;
  EXPECT_EQ(expected->BottomHeight, actual->BottomHeight) << what;
}

// Reads the records twice, draws the derived images through DCs on one
// set and makes them on the other, and compares everything derived.
void ExpectSameAsDrawn(const TQuickIni& ini, const TSkinEntrySource& entries) {
  TSkinElements drawn, made;
  ReadSkinRecords(ini, entries, drawn, GetModuleHandleW(nullptr));
  ReadSkinRecords(ini, entries, made, GetModuleHandleW(nullptr));
  DrawDerivedImages(drawn);
  MakeDerivedImages(made);
  ExpectSameRecord(drawn.ComboButton.get(), made.ComboButton.get(), "ComboButton");
  ExpectSameRecord(drawn.SunkEdge.get(), made.SunkEdge.get(), "SunkEdge");
  ExpectSameRecord(drawn.ComboxArrow.get(), made.ComboxArrow.get(), "ComboxArrow");
  ExpectSameRecord(drawn.Toolbar.get(), made.Toolbar.get(), "Toolbar");
  EXPECT_EQ(drawn.Colour(scCaptionSample), made.Colour(scCaptionSample));
}

// The MDI buttons cut with CopyRect from the strip the description names.
void ExpectMdiButtonsAsCut(const TQuickIni& ini, const TSkinEntrySource& entries) {
  TSkinElements made;
  ReadSkinRecords(ini, entries, made, GetModuleHandleW(nullptr));
  const auto strip = LoadSkinBitmap(ini.ReadString("MDICONTROLS", "Image", ""), entries);
  ASSERT_FALSE(strip->Empty());
  const std::size_t count = made.CaptionButtons.size();
  for (int i = 0; i < 3; ++i) {
    const TMdiButtonCut cut = MdiButtonCut(strip->Width(), i);
    TBitmap expected(cut.Width, strip->Height(), pf24bit);
    CanvasCopy(expected, RECT{0, 0, cut.Width, strip->Height()}, *strip,
               RECT{cut.SourceLeft, 0, cut.SourceLeft + cut.Width, strip->Height()});
    EXPECT_EQ("", Difference(expected, *made.CaptionButtons[count - 3 + i]->Image)) << i;
  }
}

TEST(DerivedImagesAsDrawn, OurSkin) {
  const auto package = ReadWholeFile(TAPVANE_SKIN_PACKAGE);
  TSkinReader reader;
  ASSERT_TRUE(reader.Load(package));
  std::vector<std::uint8_t> description;
  std::string name;
  reader.FindEntry(".ini", description, name);
  TQuickIni ini;
  ini.LoadFromStream(&description);
  const TSkinEntrySource entries = [&reader](std::string_view entry,
                                             std::vector<std::uint8_t>& bytes) {
    reader.GetEntry(entry, bytes);
  };
  ExpectSameAsDrawn(ini, entries);
  ExpectMdiButtonsAsCut(ini, entries);
}

// A .bmp file of random pixels in the given format, a third of them
// magenta where the format can hold it.
std::vector<std::uint8_t> RandomBmp(int width, int height, TPixelFormat format,
                                    std::mt19937& random) {
  TBitmap bitmap(width, height, format);
  for (int y = 0; y < height; ++y) {
    auto* row = static_cast<std::uint8_t*>(bitmap.ScanLine(y));
    for (int i = 0; i < bitmap.Stride(); ++i) row[i] = static_cast<std::uint8_t>(random());
    const int step = bitmap.BitsPerPixel() / 8;
    for (int x = 0; step >= 3 && x < width; x += 3) {
      row[x * step] = 255;
      row[x * step + 1] = 0;
      row[x * step + 2] = 255;
    }
  }
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  const auto bytes = stream.Bytes();
  return {bytes.begin(), bytes.end()};
}

TEST(DerivedImagesAsDrawn, StretchedOverhangingAndOtherFormats) {
  std::mt19937 random(29);
  TTestSkinFiles files;
  // Sunk edge frames of 9 x 15 stretch both ways into the 50 x 21 cell; the
  // button frames of 11 x 30 shrink; extra images of 25 x 25 overhang it.
  files.Add("sunk.bmp", RandomBmp(36, 15, pf8bit, random));
  files.Add("combo.bmp", RandomBmp(44, 30, pf24bit, random));
  files.Add("extra.bmp", RandomBmp(125, 25, pf32bit, random));
  files.Add("top.bmp", RandomBmp(30, 24, pf4bit, random));
  files.Add("mdi.bmp", RandomBmp(100, 9, pf8bit, random));
  for (const char* sunkTrans : {"0", "1"}) {
    const std::string text = std::string(
                                 "[Personality]\nTop=top.bmp\nTopFrame=2\n"
                                 "[MDICONTROLS]\nImage=mdi.bmp\n"
                                 "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=3\nTopHeight=2\n"
                                 "RightWidth=2\nBottomHeight=4\nTrans=") +
                             sunkTrans +
                             "\n[ComboButton]\nImage=combo.bmp\nLeftWidth=2\nTopHeight=5\n"
                             "RightWidth=3\nBottomHeight=1\n"
                             "[ExtraImages]\nImage=extra.bmp\n";
    SCOPED_TRACE(text);
    const TQuickIni ini = MakeIni(text);
    ExpectSameAsDrawn(ini, files.Source());
    ExpectMdiButtonsAsCut(ini, files.Source());
  }
}

TEST(DerivedImagesAsDrawn, ArrowWithoutSunkEdgeFromAPaletteButton) {
  std::mt19937 random(31);
  TTestSkinFiles files;
  files.Add("combo.bmp", RandomBmp(68, 17, pf8bit, random));
  ExpectSameAsDrawn(MakeIni("[Colours]\nButtonFace=10 20 30\n[ComboButton]\nImage=combo.bmp\n"),
                    files.Source());
}

}  // namespace
