// Status bars on pixels read back: the bevel frame each panel takes, the
// last panel reaching the bar's end, simple mode, the 3D bevels of a skin
// without edges, the size grip cell, the text and the panel event, and two
// bars drawn through the one composition bitmap.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <utility>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinStatusBar.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr int kCell = 8;
const COLORREF kText = RGB(200, 0, 0);

class StatusBarPixelsTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    TDataSkinObject& edges = *data->Skin().StatusBarEdges;
    TDataSkinObject& extra = *data->Skin().ExtraImages;
    savedEdges_.Assign(edges.Image.get());
    savedExtra_.Assign(extra.Image.get());
    savedColour_ = edges.NormalColour2;
    MakeStrip(*edges.Image, 3, 12, 12);
    edges.NormalColour2 = static_cast<TColor>(kText);
    MakeStrip(*extra.Image, 5, kCell, kCell);
  }
  void TearDown() override {
    data->Skin().StatusBarEdges->Image->Assign(&savedEdges_);
    data->Skin().StatusBarEdges->NormalColour2 = savedColour_;
    data->Skin().ExtraImages->Image->Assign(&savedExtra_);
    SkinControlTest::TearDown();
  }

  TStatusBar* Bar(bool sizeGrip) {
    auto* bar = new TStatusBar(form.get());
    bar->SetSizeGrip(sizeGrip);
    bar->SetParent(form.get());
    auto* object = new TSkinStatusBar(bar);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    return bar;
  }
  struct Picture {
    explicit Picture(TStatusBar* bar)
        : width(bar->Width()), height(bar->Height()), dib(width, height) {
      SendMessageW(bar->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dib.dc()), 0);
    }
    unsigned At(int x, int y) const { return dib.Pixel(x, y); }
    int Count(COLORREF colour, int left, int right) const {
      return CountInk(dib, {left, 0, right, height}, DibColor(colour));
    }
    int width, height;
    DibSurface dib;
  };
  static RECT PartRect(TStatusBar* bar, int part) {
    RECT rect{};
    SendMessageW(bar->Handle(), SB_GETRECT, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(&rect));
    return rect;
  }

 private:
  TBitmap savedEdges_, savedExtra_;
  TColor savedColour_ = 0;
};

TEST_F(StatusBarPixelsTest, OnePanelReachesAcrossTheWholeWidthAndSimpleModeKeepsItsBevel) {
  TStatusBar* bar = Bar(false);
  TStatusPanel* panel = bar->Panels()->AddPanel();
  panel->SetWidth(40);
  panel->SetBevel(pbRaised);
  const RECT part = PartRect(bar, 0);
  const Picture one(bar);
  EXPECT_EQ(Frame(sbfRaised), one.At(part.left + 1, part.top + 1));
  EXPECT_EQ(Frame(sbfRaised), one.At(one.width - 1, part.top + 1));
  bar->SetSimplePanel(true);  // with an empty simple text
  const Picture simple(bar);
  EXPECT_EQ(Frame(sbfLowered), simple.At(0, 0));
  EXPECT_EQ(Frame(sbfLowered), simple.At(simple.width / 2, simple.height / 2));
}

TEST_F(StatusBarPixelsTest, EachPanelTakesTheFrameOfItsBevelTwoPixelsWider) {
  TStatusBar* bar = Bar(false);
  TStatusPanel* raised = bar->Panels()->AddPanel();
  raised->SetWidth(60);
  raised->SetBevel(pbRaised);
  bar->Panels()->AddPanel()->SetBevel(pbNone);
  const Picture picture(bar);
  const RECT first = PartRect(bar, 0), second = PartRect(bar, 1);
  ASSERT_LT(first.right, second.left + 2) << "parts as the native bar lays them out";
  EXPECT_EQ(Frame(sbfRaised), picture.At(first.left + 1, first.top + 1));
  EXPECT_EQ(Frame(sbfRaised), picture.At(first.right + 1, first.top + 1));
  EXPECT_EQ(Frame(sbfNone), picture.At(first.right + 3, second.top + 1));
  EXPECT_EQ(Frame(sbfNone), picture.At(picture.width - 1, second.top + 1));
}

// Every status bar composes in one shared bitmap: a wide bar with a raised
// panel and a small one in simple mode with a grip, painted in turn, each
// show their own picture, on screen and into a DC, also after the small one
// changed and after it is gone.
TEST_F(StatusBarPixelsTest, TwoBarsShareTheCompositionBitmapWithoutInterfering) {
  TStatusBar* wide = Bar(false);
  TStatusPanel* panel = wide->Panels()->AddPanel();
  panel->SetWidth(40);
  panel->SetBevel(pbRaised);
  TStatusBar* small = Bar(true);
  small->SetAlign(alNone);
  small->SetBounds(20, 20, 150, 40);
  small->SetSimplePanel(true);
  const auto expectWide = [&](const char* when) {
    const int right = wide->Width() - 1;
    const RECT part = PartRect(wide, 0);
    EXPECT_EQ(Frame(sbfRaised), WindowPixel(wide->Handle(), part.left + 1, part.top + 1)) << when;
    EXPECT_EQ(Frame(sbfRaised), WindowPixel(wide->Handle(), right, part.top + 1)) << when;
    const Picture picture(wide);
    EXPECT_EQ(Frame(sbfRaised), picture.At(right, picture.height - 2)) << when;
  };
  // The grip's cell in the corner, the bevel inside the native bar's part
  // (a simple bar's bevel covers the whole bar).
  const auto expectSmall = [&](unsigned bevel, const char* when) {
    const Picture picture(small);
    ASSERT_EQ(150, picture.width);
    const int y = small->SimplePanel() ? picture.height / 2 : PartRect(small, 0).top + 1;
    EXPECT_EQ(Frame(5), picture.At(149 - kCell / 2, picture.height - 1 - kCell / 2)) << when;
    EXPECT_EQ(bevel, picture.At(75, y)) << when;
    EXPECT_EQ(bevel, WindowPixel(small->Handle(), 75, y)) << when;
  };
  RepaintNow(form->Handle());
  expectWide("both on screen");
  expectSmall(Frame(sbfLowered), "both on screen");
  expectWide("after the small one was drawn into a DC");

  small->SetSimplePanel(false);
  small->Panels()->AddPanel()->SetBevel(pbNone);
  RepaintNow(form->Handle());
  expectSmall(Frame(sbfNone), "the small one changed");
  expectWide("the small one changed");

  delete small;
  RepaintNow(form->Handle());
  expectWide("the small one gone");
}

TEST_F(StatusBarPixelsTest, SkinWithoutEdgesGivesFaceAndThreeDimensionalBevels) {
  TStatusBar* bar = Bar(true);
  bar->Panels()->AddPanel();
  data->Skin().StatusBarEdges->Image->Clear();
  data->Skin().ExtraImages->Image->Clear();
  const Picture picture(bar);
  const RECT part = PartRect(bar, 0);
  const unsigned shadow = DibColor(GetSysColor(COLOR_BTNSHADOW));
  const unsigned light = DibColor(GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(shadow, picture.At(part.left, part.top + 3));
  EXPECT_EQ(shadow, picture.At(part.left + 3, part.top));
  EXPECT_EQ(light, picture.At(picture.width - 1, part.bottom - 3));
  EXPECT_EQ(light, picture.At(part.left + 3, part.bottom - 1));
  EXPECT_EQ(SkinPixel(scButtonFace), picture.At(picture.width / 2, picture.height / 2));
}

TEST_F(StatusBarPixelsTest, SizeGripIsTheFifthCellEndingOneInFromTheCorner) {
  TStatusBar* bar = Bar(true);
  ASSERT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
  bar->Panels()->AddPanel();
  const Picture picture(bar);
  const int right = picture.width - 1, bottom = picture.height - 1;
  EXPECT_EQ(Frame(5), picture.At(right - 1, bottom - 1));
  EXPECT_EQ(Frame(5), picture.At(right - kCell, bottom - kCell));
  EXPECT_NE(Frame(5), picture.At(right, bottom));
  EXPECT_NE(Frame(5), picture.At(right - kCell - 1, bottom - 1));
  EXPECT_NE(Frame(5), picture.At(right - 1, bottom - kCell - 1));
}

TEST_F(StatusBarPixelsTest, PanelTextGoesWhereItsAlignmentSays) {
  TStatusBar* bar = Bar(false);
  TStatusPanel* panel = bar->Panels()->AddPanel();
  panel->SetText("WW");
  const int third = bar->Width() / 3;
  for (const auto& [alignment, zone] :
       {std::pair{taLeftJustify, 0}, std::pair{taCenter, 1}, std::pair{taRightJustify, 2}}) {
    panel->SetAlignment(alignment);
    const Picture picture(bar);
    for (int z = 0; z < 3; ++z) {
      const int ink = picture.Count(kText, z * third, (z + 1) * third);
      if (z == zone) {
        EXPECT_GT(ink, 0) << "alignment " << alignment;
      } else {
        EXPECT_EQ(0, ink) << "alignment " << alignment << ", zone " << z;
      }
    }
  }
}

TEST_F(StatusBarPixelsTest, OwnerDrawnPanelGetsTheEventAndNoText) {
  TStatusBar* bar = Bar(false);
  TStatusPanel* panel = bar->Panels()->AddPanel();
  panel->SetText("WWWW");
  panel->SetStyle(psOwnerDraw);
  int calls = 0;
  RECT drawn{};
  bar->OnDrawPanel = [&](TStatusBar*, TStatusPanel* which, const RECT& rect) {
    ++calls;
    EXPECT_EQ(panel, which);
    drawn = rect;
  };
  const Picture picture(bar);
  EXPECT_EQ(1, calls);
  RECT expected = PartRect(bar, 0);
  InflateRect(&expected, -2, -2);
  EXPECT_TRUE(EqualRect(&expected, &drawn));
  EXPECT_EQ(0, picture.Count(kText, 0, picture.width));
}

}  // namespace
