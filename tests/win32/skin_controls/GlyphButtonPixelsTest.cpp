// Glyph and menu buttons on pixels read back: the glyph cell each state
// shows, the embossed single-cell glyph, the thirds of Margin -1 and
// Spacing -1, and the menu button's arrow.
#include <algorithm>
#include <memory>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinMenuButton.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImageList.h"

// A glyph button of another library that takes its picture from an image
// list, known to the skin only by its properties.
class TListGlyphButton : public TBitBtn {
  TAPVANE_CLASS(TListGlyphButton)
 public:
  using TBitBtn::TBitBtn;
  TImageList* Images() const { return images; }
  int ImageIndex() const { return imageIndex; }
  int DisabledIndex() const { return disabledIndex; }
  void SetImageIndex(int value) { imageIndex = value; }
  void SetDisabledIndex(int value) { disabledIndex = value; }
  TImageList* images = nullptr;
  int imageIndex = -1, disabledIndex = -1;
};

const TClassInfo& TListGlyphButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TListGlyphButton>("TListGlyphButton", &TBitBtn::StaticClass())
          .Object("Images", &TListGlyphButton::Images)
          .Integer("ImageIndex", &TListGlyphButton::ImageIndex, &TListGlyphButton::SetImageIndex)
          .Integer("DisabledIndex", &TListGlyphButton::DisabledIndex,
                   &TListGlyphButton::SetDisabledIndex)
          .Build();
  return info;
}

// A glyph button whose picture lives in a graphic property of its own.
class TPictureGlyphButton : public TBitBtn {
  TAPVANE_CLASS(TPictureGlyphButton)
 public:
  using TBitBtn::TBitBtn;
  TBitmap* PngImage() const { return picture.get(); }
  std::unique_ptr<TBitmap> picture = std::make_unique<TBitmap>();
};

const TClassInfo& TPictureGlyphButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPictureGlyphButton>("TPictureGlyphButton", &TBitBtn::StaticClass())
          .Object("PngImage", &TPictureGlyphButton::PngImage)
          .Build();
  return info;
}

namespace {

constexpr int kW = 90, kH = 30, kCell = 16;
// The see-through colour of every glyph (each cell's bottom-left pixel).
const TColor kKey = RGBColor(0, 128, 0);
TColor CellColour(int n) { return RGBColor(250, 40 * n, 10); }

// A strip of square cells: the key colour with a solid 12 x 12 middle.
void MakeGlyph(TBitmap& glyph, int cells) {
  glyph.SetPixelFormat(pf24bit);
  glyph.SetSize(kCell * cells, kCell);
  pixels::Fill(glyph, 0, 0, kCell * cells, kCell, kKey);
  for (int n = 1; n <= cells; ++n) {
    pixels::Fill(glyph, (n - 1) * kCell + 2, 2, n * kCell - 2, kCell - 2, CellColour(n));
  }
}

int Count(const DibSurface& surface, unsigned colour) {
  return CountPixels(surface, {0, 0, kW, kH}, colour);
}

class GlyphButtonPixelsTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    UseSolidButtonFrames(*data, false);
    button = Make<TBitBtn>(form.get(), 20, 20, kW, kH);
    button->SetCaption("");
    button->SetMargin(4);
  }
  template <typename T>
  T* Skin() {
    auto* object = new T(button);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    FlushEvents();
    return object;
  }
  void SetGlyph(int cells) {
    TBitmap glyph;
    MakeGlyph(glyph, cells);
    button->SetGlyph(&glyph);
    button->SetNumGlyphs(cells);
  }
  void Paint(DibSurface& surface) {
    SendMessageW(button->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
  }

  TBitBtn* button = nullptr;
};

TEST_F(GlyphButtonPixelsTest, PressedShowsCellThreeOfFourAndCellOneOfTwo) {
  TSkinBitButton* object = Skin<TSkinBitButton>();
  SetGlyph(4);
  DibSurface up(kW, kH), pressed(kW, kH), disabled(kW, kH);
  Paint(up);
  EXPECT_EQ(144, Count(up, Dib(CellColour(1))));
  EXPECT_EQ(0, Count(up, Dib(kKey))) << "the cell's bottom-left colour is see-through";
  object->MouseState = msPressed;
  Paint(pressed);
  EXPECT_EQ(144, Count(pressed, Dib(CellColour(3))));
  EXPECT_EQ(0, Count(pressed, Dib(CellColour(1))));
  object->MouseState = 0;
  button->SetEnabled(false);
  Paint(disabled);
  EXPECT_EQ(144, Count(disabled, Dib(CellColour(2))));

  button->SetEnabled(true);
  SetGlyph(2);
  DibSurface twoPressed(kW, kH);
  object->MouseState = msPressed;
  Paint(twoPressed);
  EXPECT_EQ(144, Count(twoPressed, Dib(CellColour(1)))) << "no third cell: the first";
  EXPECT_EQ(0, Count(twoPressed, Dib(CellColour(2))));
}

TEST_F(GlyphButtonPixelsTest, SingleCellOnADisabledButtonIsEmbossed) {
  Skin<TSkinBitButton>();
  SetGlyph(1);
  button->SetEnabled(false);
  DibSurface surface(kW, kH);
  Paint(surface);
  EXPECT_EQ(0, Count(surface, Dib(CellColour(1)))) << "the picture itself is not shown";
  const unsigned shadow = DibColor(GetSysColor(COLOR_BTNSHADOW));
  const unsigned highlight = DibColor(GetSysColor(COLOR_BTNHIGHLIGHT));
  ASSERT_NE(shadow, highlight);
  // The picture's 12 x 12 middle in the shadow, and the highlight showing
  // one pixel down and right of it: one row and one column of 12.
  EXPECT_EQ(144, Count(surface, shadow));
  EXPECT_EQ(23, Count(surface, highlight));
}

// The columns that hold a colour other than the frame's and the glyph's.
std::pair<int, int> InkColumns(DibSurface& surface, unsigned frame, unsigned glyph) {
  int first = kW, last = -1;
  for (int x = 0; x < kW; ++x)
    for (int y = 0; y < kH; ++y) {
      const unsigned pixel = surface.Pixel(x, y);
      if (pixel == frame || pixel == glyph) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  return {first, last};
}

std::pair<int, int> ColumnsOf(DibSurface& surface, unsigned colour) {
  int first = kW, last = -1;
  for (int x = 0; x < kW; ++x)
    for (int y = 0; y < kH; ++y)
      if (surface.Pixel(x, y) == colour) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return {first, last};
}

TEST_F(GlyphButtonPixelsTest, NoMarginNoSpacingSpreadsGlyphAndTextInThirds) {
  Skin<TSkinBitButton>();
  SetGlyph(1);
  button->SetCaption("IIII");
  button->SetMargin(-1);
  button->SetSpacing(-1);
  button->SetLayout(blGlyphLeft);
  DibSurface surface(kW, kH);
  Paint(surface);
  const auto glyph = ColumnsOf(surface, Dib(CellColour(1)));
  const auto text = InkColumns(surface, Dib(FrameColour(1)), Dib(CellColour(1)));
  ASSERT_LT(glyph.first, glyph.second);
  ASSERT_LT(glyph.second, text.first) << "the caption right of the glyph";
  // The glyph's see-through frame of 2 pixels is part of its cell.
  const int margin = glyph.first - 2;
  const int spacing = text.first - (glyph.second + 2) - 1;
  const int after = kW - 1 - text.second;
  EXPECT_GT(margin, 8) << "a third of the free width, not a fixed margin";
  EXPECT_NEAR(margin, spacing, 2);
  EXPECT_NEAR(margin, after, 4);
}

TEST_F(GlyphButtonPixelsTest, ImageListPictureByEnabledState) {
  TImageList images(nullptr);
  images.SetWidth(kCell);
  images.SetHeight(kCell);
  for (const int n : {1, 2}) {
    TBitmap picture(kCell, kCell, pf24bit);
    pixels::Fill(picture, CellColour(n));
    images.AddMasked(picture, kKey);
  }
  delete button;
  auto* listButton = Make<TListGlyphButton>(form.get(), 20, 20, kW, kH);
  button = listButton;
  listButton->images = &images;
  listButton->imageIndex = 0;
  listButton->disabledIndex = 1;
  Skin<TSkinBitButton>();
  DibSurface enabled(kW, kH), disabled(kW, kH);
  Paint(enabled);
  EXPECT_EQ(kCell * kCell, Count(enabled, Dib(CellColour(1))));
  button->SetEnabled(false);
  Paint(disabled);
  EXPECT_EQ(kCell * kCell, Count(disabled, Dib(CellColour(2))));
  EXPECT_EQ(0, Count(disabled, Dib(CellColour(1))));
}

TEST_F(GlyphButtonPixelsTest, NamedGraphicPropertyIsDrawnInPlaceOfTheStrip) {
  delete button;
  auto* pictured = Make<TPictureGlyphButton>(form.get(), 20, 20, kW, kH);
  button = pictured;
  button->SetMargin(4);
  pictured->picture->SetPixelFormat(pf24bit);
  pictured->picture->SetSize(10, 12);
  pixels::Fill(*pictured->picture, CellColour(4));
  SetGlyph(4);
  TSkinBitButton* object = Skin<TSkinBitButton>();
  object->GlyphProperty = "PngImage";
  DibSurface surface(kW, kH);
  Paint(surface);
  EXPECT_EQ(120, Count(surface, Dib(CellColour(4)))) << "the whole picture";
  EXPECT_EQ(0, Count(surface, Dib(CellColour(1)))) << "not the glyph strip";
}

TEST_F(GlyphButtonPixelsTest, MenuButtonArrowStaysInsideAndGreysWhenDisabled) {
  TSkinMenuButton* object = Skin<TSkinMenuButton>();
  button->SetCaption("Go");
  button->SetMargin(4);
  button->SetSpacing(-1);
  DibSurface surface(kW, kH), disabled(kW, kH);
  Paint(surface);
  const POINT arrow = object->LastArrow;
  ASSERT_GE(arrow.x - 3, object->LastTextRect.right) << "after the caption";
  ASSERT_LE(arrow.x + 3, kW - 1) << "inside the button";
  EXPECT_EQ(DibColor(GetSysColor(COLOR_WINDOWTEXT)), surface.Pixel(arrow.x, arrow.y));
  button->SetEnabled(false);
  Paint(disabled);
  EXPECT_EQ(DibColor(GetSysColor(COLOR_BTNSHADOW)), disabled.Pixel(arrow.x, arrow.y));
}

}  // namespace
