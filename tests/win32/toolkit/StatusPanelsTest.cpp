// Status bar panels: their properties read and set by name reach the native
// bar, and owner-drawn panels are painted by OnDrawPanel. Pixels are read
// back from the native bar painting into a DIB section.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TestSupport.h"
#include "tests/win32/support/Ink.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/core/TypInfo.h"

namespace {

constexpr int kBarWidth = 300;
constexpr int kBarHeight = 20;

class StatusPanelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(bsSingle);
    form->SetBounds(40, 40, 340, 120);
    bar = new TStatusBar(form.get());
    bar->SetParent(form.get());
    bar->Font()->SetHeight(-12);
    first = bar->Panels()->AddPanel();
    first->SetWidth(200);
    second = bar->Panels()->AddPanel();
    form->SetClientWidth(kBarWidth);
    form->Show();
    FlushEvents();
  }

  // The native bar paints itself (and asks for owner-drawn parts) into dc.
  void PaintBarInto(DibSurface& surface) {
    surface.Fill(RGB(255, 255, 255));
    bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
  }

  RECT PartRect(int index) {
    RECT rect{};
    SendMessageW(bar->Handle(), SB_GETRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&rect));
    return rect;
  }

  // The columns of the first panel that hold dark (text) pixels.
  std::vector<int> DarkColumns(const DibSurface& surface) {
    const RECT part = PartRect(0);
    std::vector<int> columns;
    for (int x = part.left; x < part.right; ++x) {
      for (int y = part.top + 2; y < part.bottom - 2; ++y) {
        if (wintest::IsInk(surface.Pixel(x, y), 0x000000u)) {
          columns.push_back(x);
          break;
        }
      }
    }
    return columns;
  }

  std::unique_ptr<TForm> form;
  TStatusBar* bar = nullptr;
  TStatusPanel* first = nullptr;
  TStatusPanel* second = nullptr;
};

TEST_F(StatusPanelsTest, PanelPropertiesAreReadAndSetByName) {
  TObject* panels = GetObjectProp(bar, "Panels");
  ASSERT_EQ(bar->Panels(), panels);
  ASSERT_TRUE(SetPropFromText(first, "Text", "\xE5\xB7\xB2\xE5\x81\x9C"));  // 已停
  ASSERT_TRUE(SetPropFromText(first, "Bevel", "pbRaised"));
  ASSERT_TRUE(SetPropFromText(second, "Bevel", "pbNone"));
  ASSERT_TRUE(SetPropFromText(second, "Style", "psOwnerDraw"));
  ASSERT_TRUE(SetPropFromText(second, "Alignment", "taRightJustify"));
  EXPECT_EQ("\xE5\xB7\xB2\xE5\x81\x9C", GetStrProp(first, "Text"));
  EXPECT_EQ("taLeftJustify", GetEnumProp(first, "Alignment"));
  EXPECT_EQ("pbRaised", GetEnumProp(first, "Bevel"));
  EXPECT_EQ("psText", GetEnumProp(first, "Style"));
  EXPECT_EQ("taRightJustify", GetEnumProp(second, "Alignment"));
  EXPECT_EQ("psOwnerDraw", GetEnumProp(second, "Style"));
  EXPECT_EQ(200, GetOrdProp(first, "Width"));

  // The native bar draws what the properties say.
  const HWND window = bar->Handle();
  wchar_t text[16]{};
  const LRESULT first_length = SendMessageW(window, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(L"\u5DF2\u505C"), text);
  EXPECT_EQ(SBT_POPOUT, HIWORD(first_length));
  const LRESULT second_length = SendMessageW(window, SB_GETTEXTLENGTHW, 1, 0);
  EXPECT_EQ(SBT_NOBORDERS | SBT_OWNERDRAW, HIWORD(second_length));
}

TEST_F(StatusPanelsTest, AlignmentPlacesThePanelText) {
  first->SetText("IIII");
  DibSurface surface(kBarWidth, kBarHeight);
  PaintBarInto(surface);
  const std::vector<int> left = DarkColumns(surface);
  first->SetAlignment(taCenter);
  PaintBarInto(surface);
  const std::vector<int> centred = DarkColumns(surface);
  first->SetAlignment(taRightJustify);
  PaintBarInto(surface);
  const std::vector<int> right = DarkColumns(surface);
  ASSERT_FALSE(left.empty());
  ASSERT_FALSE(centred.empty());
  ASSERT_FALSE(right.empty());
  EXPECT_LT(left.back(), 60);
  EXPECT_GT(centred.front(), 70);
  EXPECT_LT(centred.back(), 130);
  EXPECT_GT(right.front(), 140);
  // A bar that reads right to left swaps the sides of its panels' text.
  first->SetAlignment(taLeftJustify);
  bar->SetBiDiMode(bdRightToLeft);
  PaintBarInto(surface);
  const std::vector<int> swapped = DarkColumns(surface);
  ASSERT_FALSE(swapped.empty());
  EXPECT_GT(swapped.front(), 140);
}

TEST_F(StatusPanelsTest, OwnerDrawnPanelIsPaintedByTheEvent) {
  std::vector<TStatusPanel*> drawn;
  RECT drawnRect{};
  bar->OnDrawPanel = [&](TStatusBar* sender, TStatusPanel* panel, const RECT& rect) {
    EXPECT_EQ(bar, sender);
    drawn.push_back(panel);
    drawnRect = rect;
    sender->Canvas()->Brush().SetColor(clRed);
    sender->Canvas()->FillRect(rect);
  };
  second->SetText("not shown");
  second->SetStyle(psOwnerDraw);
  FlushEvents();  // the bar's own repaint on screen
  drawn.clear();
  DibSurface surface(kBarWidth, kBarHeight);
  PaintBarInto(surface);
  ASSERT_EQ(1u, drawn.size());
  EXPECT_EQ(second, drawn[0]);
  const RECT part = PartRect(1);
  EXPECT_GE(drawnRect.left, part.left);
  EXPECT_LE(drawnRect.right, part.right);
  EXPECT_EQ(0xFF0000u, surface.Pixel((drawnRect.left + drawnRect.right) / 2, kBarHeight / 2));
  EXPECT_NE(0xFF0000u, surface.Pixel(100, kBarHeight / 2));  // the text panel
}

TEST_F(StatusPanelsTest, PanelIsDrawnOnRequestIntoAnyDeviceContext) {
  bar->OnDrawPanel = [](TStatusBar* sender, TStatusPanel*, const RECT& rect) {
    sender->Canvas()->Brush().SetColor(clBlue);
    sender->Canvas()->FillRect(rect);
  };
  DibSurface surface(kBarWidth, kBarHeight);
  surface.Fill(RGB(255, 255, 255));
  bar->DrawPanel(surface.dc(), second, RECT{210, 2, 240, 18});
  EXPECT_EQ(0x0000FFu, surface.Pixel(210, 2));
  EXPECT_EQ(0x0000FFu, surface.Pixel(239, 17));
  EXPECT_EQ(0xFFFFFFu, surface.Pixel(240, 17));
  EXPECT_FALSE(bar->Canvas()->HandleAllocated());  // unbound afterwards
}

}  // namespace
