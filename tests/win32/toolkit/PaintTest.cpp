// Windowless controls are painted by their parent's WM_PAINT; pixels are
// read back from a DIB section.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TestSupport.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Label.h"

namespace {

class PaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 120, 80);
    form->SetColor(RGBColor(0, 128, 0));
    label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetAutoSize(false);
    label->SetBounds(10, 20, 30, 15);
    label->SetColor(clRed);
    label->SetCaption("");
    form->HandleNeeded();
  }

  // The form paints itself and its windowless children into the surface.
  void PaintFormInto(DibSurface& surface) {
    form->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.dc()), 0);
    form->Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
  }

  std::unique_ptr<TForm> form;
  TLabel* label = nullptr;
};

TEST_F(PaintTest, ParentPaintsTheLabelInsideItsBounds) {
  DibSurface surface(120, 80);
  surface.Fill(RGB(255, 255, 255));
  PaintFormInto(surface);
  EXPECT_EQ(0x008000u, surface.Pixel(5, 5));    // form background
  EXPECT_EQ(0xFF0000u, surface.Pixel(10, 20));  // label's first pixel
  EXPECT_EQ(0xFF0000u, surface.Pixel(39, 34));  // and its last
  EXPECT_EQ(0x008000u, surface.Pixel(40, 34));  // just outside
  EXPECT_EQ(0x008000u, surface.Pixel(10, 35));
}

// Code that replaced a windowless control's WindowProc sees its paint with
// the parent's DC, moved to the control and clipped to it, and may paint it
// alone (a skin) or over what the saved handler drew.
TEST_F(PaintTest, ReplacedHandlerOfALabelTakesOverItsPainting) {
  const TWndMethod saved = label->WindowProc;
  std::vector<HDC> paints;
  label->WindowProc = [&](TMessage& message) {
    if (message.Msg != WM_PAINT) return saved(message);
    const HDC dc = reinterpret_cast<HDC>(message.WParam);
    paints.push_back(dc);
    const RECT everything{-200, -200, 400, 400};
    FillRect(dc, &everything, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  };
  DibSurface surface(120, 80);
  PaintFormInto(surface);
  label->WindowProc = saved;
  ASSERT_EQ(1u, paints.size());
  EXPECT_EQ(surface.dc(), paints[0]);
  EXPECT_EQ(0x000000u, surface.Pixel(10, 20));
  EXPECT_EQ(0x000000u, surface.Pixel(39, 34));
  EXPECT_EQ(0x008000u, surface.Pixel(9, 20));  // clipped to the label
  EXPECT_EQ(0x008000u, surface.Pixel(40, 34));
  EXPECT_EQ(0x008000u, surface.Pixel(39, 35));
}

TEST_F(PaintTest, ReplacedHandlerPaintsOverTheLabelAtTheLabelsOrigin) {
  const TWndMethod saved = label->WindowProc;
  label->WindowProc = [&](TMessage& message) {
    saved(message);
    if (message.Msg != WM_PAINT) return;
    const RECT corner{0, 0, 5, 5};
    FillRect(reinterpret_cast<HDC>(message.WParam), &corner,
             static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  };
  DibSurface surface(120, 80);
  PaintFormInto(surface);
  label->WindowProc = saved;
  EXPECT_EQ(0xFFFFFFu, surface.Pixel(10, 20));
  EXPECT_EQ(0xFFFFFFu, surface.Pixel(14, 24));
  EXPECT_EQ(0xFF0000u, surface.Pixel(15, 25));  // the label's own paint below
  EXPECT_EQ(0x008000u, surface.Pixel(5, 5));
}

TEST_F(PaintTest, OverlappingLabelsArePaintedInZOrderAndHiddenOnesNotAtAll) {
  auto* above = new TLabel(form.get());
  above->SetParent(form.get());
  above->SetAutoSize(false);
  above->SetBounds(30, 30, 20, 20);
  above->SetColor(clBlue);
  above->SetCaption("");
  auto* hidden = new TLabel(form.get());
  hidden->SetParent(form.get());
  hidden->SetVisible(false);
  wintest::MessageLog first, second, third;
  const wintest::ControlRecorder firstRecorder(first, *label);
  const wintest::ControlRecorder secondRecorder(second, *above);
  const wintest::ControlRecorder thirdRecorder(third, *hidden);
  DibSurface surface(120, 80);
  PaintFormInto(surface);
  EXPECT_EQ(1, first.Count(WM_PAINT));
  EXPECT_EQ(1, second.Count(WM_PAINT));
  EXPECT_EQ(0, third.Count(WM_PAINT));
  EXPECT_EQ(0xFF0000u, surface.Pixel(29, 30));
  EXPECT_EQ(0x0000FFu, surface.Pixel(30, 30));  // the later label lies on top
  EXPECT_EQ(0x0000FFu, surface.Pixel(49, 49));
}

TEST_F(PaintTest, TransparentLabelLeavesTheBackground) {
  label->SetTransparent(true);
  DibSurface surface(120, 80);
  PaintFormInto(surface);
  EXPECT_EQ(0x008000u, surface.Pixel(20, 25));
}

// A right-to-left label reads and aligns its text from the right: "!ab"
// left-justified on it shows as "ab!" right-justified on a left-to-right
// one, and centred the same way read back to front.
TEST_F(PaintTest, RightToLeftLabelMirrorsItsAlignmentAndReadingOrder) {
  label->SetBounds(10, 20, 100, 15);
  label->SetColor(clWhite);
  const auto painted = [&](const char* text, TBiDiMode mode, TAlignment alignment) {
    label->SetCaption(text);
    label->SetBiDiMode(mode);
    label->SetAlignment(alignment);
    DibSurface surface(120, 80);
    PaintFormInto(surface);
    std::vector<unsigned> pixels;
    for (int y = 20; y < 35; ++y)
      for (int x = 10; x < 110; ++x) pixels.push_back(surface.Pixel(x, y));
    return pixels;
  };
  for (const TAlignment alignment : {taLeftJustify, taCenter}) {
    SCOPED_TRACE(alignment == taCenter ? "centred" : "left-justified");
    const TAlignment mirrored = alignment == taCenter ? taCenter : taRightJustify;
    const auto expected = painted("ab!", bdLeftToRight, mirrored);
    EXPECT_NE(painted("!ab", bdLeftToRight, alignment), expected);
    EXPECT_EQ(painted("!ab", bdRightToLeft, alignment), expected);
  }
  // Grown by a longer text, an auto-sized right-to-left label keeps its
  // right edge where its text starts.
  label->SetAlignment(taLeftJustify);
  label->SetAutoSize(true);
  const int right = label->Left() + label->Width();
  label->SetCaption("a much longer text");
  EXPECT_GT(label->Width(), 30);
  EXPECT_EQ(right, label->Left() + label->Width());
}

TEST_F(PaintTest, HiddenLabelIsNotPainted) {
  label->SetVisible(false);
  DibSurface surface(120, 80);
  PaintFormInto(surface);
  EXPECT_EQ(0x008000u, surface.Pixel(20, 25));
}

TEST_F(PaintTest, LabelTextIsDrawnInTheFontColour) {
  label->SetColor(clWhite);
  label->Font()->SetColor(clBlack);
  label->Font()->SetHeight(-12);
  label->SetCaption("\xE7\x82\xB9\xE7\x82\xB9\xE7\x82\xB9");  // 点点点
  label->SetBounds(10, 20, 60, 16);
  DibSurface surface(120, 80);
  PaintFormInto(surface);
  EXPECT_GT(CountInk(surface, {10, 20, 70, 36}, 0x000000u), 10);
  EXPECT_EQ(0x008000u, surface.Pixel(75, 25));
}

TEST_F(PaintTest, LabelInsideAGroupBoxIsPaintedByTheGroupBox) {
  auto* box = new TGroupBox(form.get());
  box->SetParent(form.get());
  box->SetBounds(0, 0, 120, 80);
  box->SetColor(clBlue);
  label->SetParent(box);
  DibSurface surface(120, 80);
  box->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.dc()), 0);
  box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
  EXPECT_EQ(0xFF0000u, surface.Pixel(15, 25));
  EXPECT_EQ(0x0000FFu, surface.Pixel(60, 40));
}

TEST_F(PaintTest, LabelInvalidatesOnlyItsPartOfTheParent) {
  form->Show();
  FlushEvents();
  ValidateRect(form->Handle(), nullptr);
  label->Invalidate();
  RECT update{};
  ASSERT_TRUE(GetUpdateRect(form->Handle(), &update, FALSE));
  EXPECT_EQ(10, update.left);
  EXPECT_EQ(20, update.top);
  EXPECT_EQ(40, update.right);
  EXPECT_EQ(35, update.bottom);
}

TEST_F(PaintTest, AutoSizedLabelFitsItsText) {
  label->Font()->SetHeight(-12);
  label->SetCaption("Wide enough text");
  const int narrow = [&] {
    label->SetAutoSize(true);
    return label->Width();
  }();
  label->SetCaption("Wide enough text, and more of it");
  EXPECT_GT(narrow, 20);
  EXPECT_GT(label->Width(), narrow);
  EXPECT_GE(label->Height(), 12);
}

TEST_F(PaintTest, MouseOverTheLabelGoesToTheLabel) {
  int labelMoves = 0, formMoves = 0, clicks = 0;
  label->OnMouseMove = [&](TObject*, TShiftState, int x, int y) {
    EXPECT_EQ(5, x);
    EXPECT_EQ(3, y);
    ++labelMoves;
  };
  label->OnClick = [&](TObject*) { ++clicks; };
  form->OnMouseMove = [&](TObject*, TShiftState, int, int) { ++formMoves; };
  const HWND window = form->Handle();
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(15, 23));
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(100, 70));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 23));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(15, 23));
  EXPECT_EQ(1, labelMoves);
  EXPECT_EQ(1, formMoves);
  EXPECT_EQ(1, clicks);
}

TEST_F(PaintTest, MouseEnterAndLeaveComeInPairs) {
  std::vector<std::string> events;
  label->OnMouseEnter = [&](TObject*) { events.push_back("label enter"); };
  label->OnMouseLeave = [&](TObject*) { events.push_back("label leave"); };
  form->OnMouseEnter = [&](TObject*) { events.push_back("form enter"); };
  form->OnMouseLeave = [&](TObject*) { events.push_back("form leave"); };
  const HWND window = form->Handle();
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(100, 70));
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(15, 23));
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(16, 23));
  SendMessageW(window, WM_MOUSELEAVE, 0, 0);
  const std::vector<std::string> expected{"form enter", "form leave", "label enter", "label leave"};
  EXPECT_EQ(expected, events);
}

TEST_F(PaintTest, HandCursorIsShownOverALabelThatAsksForIt) {
  label->SetCursor(crHandPoint);
  form->Show();
  FlushEvents();
  POINT point{20, 25};
  ClientToScreen(form->Handle(), &point);
  SetCursorPos(point.x, point.y);
  const LRESULT handled =
      SendMessageW(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(1, handled);
  EXPECT_EQ(LoadCursorW(nullptr, IDC_HAND), GetCursor());
}

}  // namespace
