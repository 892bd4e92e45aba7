// Glyph buttons and speed buttons: the glyph cell each state shows and where
// glyph and caption go, read back as pixels; clicks and grouping driven by
// mouse messages; properties by name and a layout round trip.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <memory>

#include "TestSupport.h"
#include "tests/win32/support/Ink.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/core/TypInfo.h"

namespace {

constexpr int kCell = 12;
// Cells 1 to 4: a coloured 8 x 8 square on magenta (the see-through colour).
const TColor kCellColours[] = {clRed, clLime, clBlue, clYellow};

std::unique_ptr<TBitmap> GlyphStrip(int cells) {
  auto strip = std::make_unique<TBitmap>(kCell * cells, kCell);
  TCanvas& canvas = strip->Canvas();
  canvas.Brush().SetColor(clFuchsia);
  canvas.FillRect(RECT{0, 0, kCell * cells, kCell});
  for (int i = 0; i < cells; ++i) {
    canvas.Brush().SetColor(kCellColours[i]);
    canvas.FillRect(RECT{i * kCell + 2, 2, i * kCell + 10, 10});
  }
  return strip;
}

unsigned Colour(TColor colour) { return DibColor(static_cast<COLORREF>(ColorToRGB(colour))); }

class GlyphButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(100, 100, 300, 200);
  }

  TBitBtn* MakeBitBtn(int cells) {
    auto* button = new TBitBtn(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 100, 30);
    button->SetCaption("");
    button->SetGlyph(GlyphStrip(cells).get());
    return button;
  }

  // The button's face as the system asks the toolkit to draw it.
  static std::unique_ptr<DibSurface> Face(TBitBtn* button) {
    auto surface = std::make_unique<DibSurface>(button->Width(), button->Height());
    SendMessageW(button->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface->dc()),
                 PRF_CLIENT);
    return surface;
  }

  // The form's client area with its windowless children painted in.
  std::unique_ptr<DibSurface> FormPicture() {
    auto surface = std::make_unique<DibSurface>(300, 200);
    surface->Fill(RGB(255, 255, 255));
    form->Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface->dc()), 0);
    return surface;
  }

  void Mouse(UINT msg, int x, int y) {
    PostMessageW(form->Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    Application->ProcessMessages();
  }

  void ClickAt(int x, int y) {
    Mouse(WM_LBUTTONDOWN, x, y);
    Mouse(WM_LBUTTONUP, x, y);
  }

  std::unique_ptr<TForm> form;
};

TEST_F(GlyphButtonsTest, BitBtnShowsTheCellOfItsState) {
  TBitBtn* button = MakeBitBtn(4);
  EXPECT_EQ(4, button->NumGlyphs());  // a strip of square cells counts itself
  // No caption and Margin -1: the glyph is centred, at (44, 9).
  EXPECT_EQ(Colour(clRed), Face(button)->Pixel(50, 15));
  EXPECT_EQ(DibColor(GetSysColor(COLOR_BTNFACE)), Face(button)->Pixel(45, 10));  // keyed out
  SendMessageW(button->Handle(), BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(Colour(clBlue), Face(button)->Pixel(51, 16));  // pressed: cell 3, moved a pixel
  SendMessageW(button->Handle(), BM_SETSTATE, FALSE, 0);
  button->SetEnabled(false);
  EXPECT_EQ(Colour(clLime), Face(button)->Pixel(50, 15));

  TBitBtn* two = MakeBitBtn(2);  // pressed wants cell 3, which a strip of 2 lacks
  EXPECT_EQ(2, two->NumGlyphs());
  SendMessageW(two->Handle(), BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(Colour(clRed), Face(two)->Pixel(51, 16));
}

TEST_F(GlyphButtonsTest, DisabledSingleCellGlyphIsEmbossed) {
  TBitBtn* button = MakeBitBtn(1);
  button->SetEnabled(false);
  const auto face = Face(button);
  // The picture's square (46..53, 11..18) in the shadow colour, its copy one
  // pixel down and right in the highlight colour.
  EXPECT_EQ(DibColor(GetSysColor(COLOR_BTNSHADOW)), face->Pixel(50, 15));
  EXPECT_EQ(DibColor(GetSysColor(COLOR_BTNHIGHLIGHT)), face->Pixel(54, 19));
  EXPECT_NE(Colour(clRed), face->Pixel(50, 15));
}

TEST_F(GlyphButtonsTest, MarginAndLayoutPlaceTheGlyph) {
  TBitBtn* button = MakeBitBtn(1);
  button->SetMargin(5);
  button->SetLayout(blGlyphRight);
  auto face = Face(button);
  // Cell from 100 - 5 - 12 = 83: its square ends at column 92.
  EXPECT_EQ(Colour(clRed), face->Pixel(92, 15));
  EXPECT_NE(Colour(clRed), face->Pixel(93, 15));
  button->SetLayout(blGlyphTop);
  face = Face(button);
  EXPECT_EQ(Colour(clRed), face->Pixel(50, 7));  // cell from row 5, square from 7
  EXPECT_NE(Colour(clRed), face->Pixel(50, 6));
}

TEST_F(GlyphButtonsTest, MarginAndSpacingMinusOneSpreadGlyphAndTextInThirds) {
  TBitBtn* button = MakeBitBtn(1);
  button->SetBounds(10, 10, 160, 30);
  button->SetCaption("WWWW");
  button->SetSpacing(-1);
  const auto face = Face(button);
  const unsigned text = DibColor(GetSysColor(COLOR_BTNTEXT));
  int glyphLeft = -1, textLeft = -1, textRight = -1;
  for (int x = 0; x < 160; ++x) {
    for (int y = 0; y < 30; ++y) {
      if (glyphLeft < 0 && face->Pixel(x, y) == Colour(clRed)) glyphLeft = x - 2;
      if (x > glyphLeft + kCell && glyphLeft >= 0 && wintest::IsInk(face->Pixel(x, y), text)) {
        if (textLeft < 0) textLeft = x;
        textRight = x + 1;
      }
    }
  }
  ASSERT_GE(glyphLeft, 0);
  ASSERT_GT(textLeft, 0);
  const int gap = textLeft - (glyphLeft + kCell);
  // Ink sits a pixel or two inside the measured text box.
  EXPECT_NEAR(glyphLeft, gap, 3);
  EXPECT_NEAR(glyphLeft, 160 - textRight, 4);
}

TEST_F(GlyphButtonsTest, BitBtnClicksStayClicksAndDefaultKeepsTheOwnerDrawing) {
  TBitBtn* button = MakeBitBtn(1);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  button->SetDefault(true);
  EXPECT_EQ(BS_OWNERDRAW, GetWindowLongPtrW(button->Handle(), GWL_STYLE) & BS_TYPEMASK);
  form->Show();
  FlushEvents();
  // A quick second press arrives as a double-click and is a click too.
  const HWND window = button->Handle();
  for (const UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostMessageW(window, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(20, 10));
  Application->ProcessMessages();
  EXPECT_EQ(2, clicks);
}

TEST_F(GlyphButtonsTest, KindGivesCaptionAndRoleAndCloseClosesTheForm) {
  auto* ok = new TBitBtn(form.get());
  ok->SetParent(form.get());
  ok->SetKind(bkOK);
  EXPECT_EQ("\xE7\xA1\xAE\xE5\xAE\x9A", ok->Caption());  // 确定
  EXPECT_TRUE(ok->Default());
  auto* close = new TBitBtn(form.get());
  close->SetParent(form.get());
  close->SetKind(bkClose);
  form->Show();
  FlushEvents();
  SendMessageW(close->Handle(), BM_CLICK, 0, 0);
  Application->ProcessMessages();
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

TEST_F(GlyphButtonsTest, SpeedButtonIsPressedWhileTheMouseHoldsItOver) {
  auto* speed = new TSpeedButton(form.get());
  speed->SetParent(form.get());
  speed->SetBounds(20, 20, 40, 30);
  speed->SetGlyph(GlyphStrip(4).get());
  int clicks = 0;
  speed->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  FlushEvents();
  // Glyph centred: cell at (20 + 14, 20 + 9), square centre (40, 35).
  EXPECT_EQ(Colour(clRed), FormPicture()->Pixel(40, 35));
  Mouse(WM_LBUTTONDOWN, 30, 30);
  EXPECT_EQ(bsDown, speed->State());
  EXPECT_EQ(Colour(clBlue), FormPicture()->Pixel(41, 36));
  Mouse(WM_MOUSEMOVE, 150, 150);  // dragged off: up again, no click on release
  EXPECT_EQ(bsUp, speed->State());
  Mouse(WM_MOUSEMOVE, 30, 30);
  EXPECT_EQ(bsDown, speed->State());
  Mouse(WM_LBUTTONUP, 30, 30);
  EXPECT_EQ(1, clicks);
  EXPECT_EQ(bsUp, speed->State());
  Mouse(WM_LBUTTONDOWN, 30, 30);
  Mouse(WM_MOUSEMOVE, 150, 150);
  Mouse(WM_LBUTTONUP, 150, 150);
  EXPECT_EQ(1, clicks);
  speed->SetEnabled(false);
  EXPECT_EQ(Colour(clLime), FormPicture()->Pixel(40, 35));
}

TEST_F(GlyphButtonsTest, ReplacedHandlerPaintsTheSpeedButtonInstead) {
  auto* speed = new TSpeedButton(form.get());
  speed->SetParent(form.get());
  speed->SetBounds(20, 20, 40, 30);
  speed->SetGlyph(GlyphStrip(1).get());
  const TWndMethod saved = speed->WindowProc;
  int paints = 0;
  speed->WindowProc = [&](TMessage& message) {
    if (message.Msg != WM_PAINT) return saved(message);
    // The parent's DC, its origin at the button's top-left.
    ++paints;
    const HDC dc = reinterpret_cast<HDC>(message.WParam);
    const RECT whole{0, 0, 40, 30};
    FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  };
  const auto picture = FormPicture();
  EXPECT_EQ(1, paints);
  EXPECT_EQ(0u, picture->Pixel(40, 35));  // where the glyph would be
  EXPECT_EQ(0u, picture->Pixel(20, 20));
  EXPECT_NE(0u, picture->Pixel(19, 20));
  speed->WindowProc = saved;
  EXPECT_EQ(Colour(clRed), FormPicture()->Pixel(40, 35));
}

TEST_F(GlyphButtonsTest, GroupedSpeedButtonsStayDownOneAtATime) {
  auto make = [this](int left) {
    auto* speed = new TSpeedButton(form.get());
    speed->SetParent(form.get());
    speed->SetBounds(left, 20, 40, 30);
    speed->SetGroupIndex(1);
    speed->SetGlyph(GlyphStrip(4).get());
    return speed;
  };
  TSpeedButton* a = make(20);
  TSpeedButton* b = make(80);
  int clicks = 0;
  a->OnClick = b->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  FlushEvents();
  ClickAt(30, 30);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(Colour(clYellow), FormPicture()->Pixel(41, 36));  // cell 4, sunk a pixel
  ClickAt(90, 30);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  ClickAt(90, 30);  // the last one down stays down, but it was clicked
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(3, clicks);
  a->SetAllowAllUp(true);  // for the whole group
  ClickAt(90, 30);
  EXPECT_FALSE(b->Down());
}

TEST_F(GlyphButtonsTest, PropertiesByNameAndLayoutRoundTrip) {
  TBitBtn* button = MakeBitBtn(4);
  button->SetName("Go");
  button->SetKind(bkOK);
  button->SetCaption("\xE5\xA5\xBD");  // 好: edited after the kind
  button->SetLayout(blGlyphTop);
  button->SetNumGlyphs(3);
  auto* speed = new TSpeedButton(form.get());
  speed->SetName("Bold");
  speed->SetParent(form.get());
  speed->SetGroupIndex(2);
  speed->SetAllowAllUp(true);
  speed->SetDown(true);
  speed->SetFlat(true);
  EXPECT_EQ("blGlyphTop", GetEnumProp(button, "Layout"));
  EXPECT_EQ(3, GetOrdProp(button, "NumGlyphs"));
  EXPECT_EQ(-1, GetOrdProp(button, "Margin"));
  auto* glyph = dynamic_cast<TBitmap*>(GetObjectProp(button, "Glyph"));
  ASSERT_NE(nullptr, glyph);
  EXPECT_EQ(4 * kCell, glyph->Width());
  EXPECT_EQ("True", GetEnumProp(speed, "Down"));
  EXPECT_TRUE(SetPropFromText(speed, "Spacing", "-1"));
  EXPECT_EQ(-1, speed->Spacing());

  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(form.get());
  stream.SetPosition(0);
  TForm target(nullptr);
  TReader reader(stream);
  reader.ReadRootComponent(&target);
  auto* button2 = dynamic_cast<TBitBtn*>(target.FindComponent("Go"));
  auto* speed2 = dynamic_cast<TSpeedButton*>(target.FindComponent("Bold"));
  ASSERT_TRUE(button2 && speed2);
  EXPECT_EQ("\xE5\xA5\xBD", button2->Caption());
  EXPECT_EQ(bkOK, button2->Kind());
  EXPECT_TRUE(button2->Default());
  EXPECT_EQ(3, button2->NumGlyphs());
  EXPECT_EQ(blGlyphTop, button2->Layout());
  ASSERT_EQ(4 * kCell, button2->Glyph()->Width());
  EXPECT_EQ(ColorToRGB(clBlue), ColorToRGB(button2->Glyph()->Canvas().Pixel(2 * kCell + 5, 5)));
  EXPECT_TRUE(speed2->Down());
  EXPECT_TRUE(speed2->AllowAllUp());
  EXPECT_TRUE(speed2->Flat());
  EXPECT_EQ(2, speed2->GroupIndex());
  EXPECT_EQ(-1, speed2->Spacing());
}

}  // namespace
