// Owner-drawn menus: the system's measuring and drawing of a form's menu bar
// reach the handlers installed on the items (and the toolkit's own drawing
// once they are removed), and a popup menu opened at a point measures, draws
// and clicks its items through its own window.
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImageList.h"

namespace {

constexpr COLORREF Painted = RGB(200, 16, 40);

class MenuOwnerDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(60, 60, 360, 200);
    menu = new TMainMenu(form.get());
    one = Add(menu->Items(), "One");
    two = Add(menu->Items(), "Two");
    Add(one, "inside");
    form->SetMenu(menu);
    menu->SetOwnerDraw(true);
  }

  TMenuItem* Add(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(form.get());
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  RECT BarItemRect(int index) {
    RECT rect{};
    EXPECT_TRUE(GetMenuItemRect(form->Handle(), menu->Handle(), static_cast<UINT>(index), &rect));
    return rect;
  }

  // A pixel of a bar item past its short caption, 3 px in from its right
  // end, read from the window's surface.
  COLORREF BarItemPixel(int index) {
    const RECT item = BarItemRect(index);
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    const HDC dc = GetWindowDC(form->Handle());
    const COLORREF pixel = GetPixel(dc, item.right - 3 - window.left,
                                    (item.top + item.bottom) / 2 - window.top);
    ReleaseDC(form->Handle(), dc);
    return pixel;
  }

  void Redraw() {
    DrawMenuBar(form->Handle());
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    FlushEvents();
  }

  std::unique_ptr<TForm> form;
  TMainMenu* menu = nullptr;
  TMenuItem* one = nullptr;
  TMenuItem* two = nullptr;
};

TEST_F(MenuOwnerDrawTest, TheBarIsMeasuredAndDrawnByTheInstalledHandlers) {
  const HMENU bar = menu->Handle();
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoW(one->Handle(), 0, TRUE, &info));
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);  // submenus too

  one->OnMeasureItem = [](TObject*, TCanvas*, int& width, int&) { width = 40; };
  two->OnMeasureItem = [](TObject*, TCanvas*, int& width, int&) { width = 90; };
  int drawn = 0;
  one->OnDrawItem = [&](TObject* sender, TCanvas* canvas, RECT rect, bool) {
    EXPECT_EQ(one, sender);
    canvas->Brush().SetColor(static_cast<TColor>(Painted));
    canvas->FillRect(rect);
    ++drawn;
  };
  form->Show();
  Redraw();
  ASSERT_EQ(bar, GetMenu(form->Handle()));
  const RECT first = BarItemRect(0), second = BarItemRect(1);
  EXPECT_EQ(50, (second.right - second.left) - (first.right - first.left));
  EXPECT_GT(drawn, 0);
  EXPECT_EQ(Painted, BarItemPixel(0));

  // Removed, the toolkit draws the item itself, in the menu colour.
  one->OnDrawItem = nullptr;
  Redraw();
  EXPECT_EQ(GetSysColor(COLOR_MENU), BarItemPixel(0));
  // Switched off, the system draws the entries again.
  menu->SetOwnerDraw(false);
  ASSERT_TRUE(GetMenuItemInfoW(bar, 0, TRUE, &info));
  EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
}

TEST_F(MenuOwnerDrawTest, WithoutHandlersItemsAreDrawnWithTheirImage) {
  auto* images = new TImageList(form.get());
  TBitmap blue(16, 16);
  blue.Canvas().Brush().SetColor(clBlue);
  blue.Canvas().FillRect(RECT{0, 0, 16, 16});
  ASSERT_EQ(0, images->AddMasked(blue, clFuchsia));
  menu->SetImages(images);
  TMenuItem* inside = one->Items(0);
  inside->SetImageIndex(0);

  DibSurface surface(200, 24);
  surface.Fill(RGB(0, 255, 0));
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemID = inside->Command();
  draw.itemAction = ODA_DRAWENTIRE;
  draw.hwndItem = reinterpret_cast<HWND>(one->Handle());
  draw.hDC = surface.dc();
  draw.rcItem = RECT{0, 0, 200, 24};
  EXPECT_TRUE(SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
  EXPECT_EQ(DibColor(RGB(0, 0, 255)), surface.Pixel(9, 12));  // the glyph box
  EXPECT_EQ(DibColor(GetSysColor(COLOR_MENU)), surface.Pixel(195, 2));
  draw.itemState = ODS_SELECTED;
  SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(DibColor(GetSysColor(COLOR_HIGHLIGHT)), surface.Pixel(195, 2));
  // An item with a submenu may come named by the submenu's handle.
  one->OnDrawItem = [](TObject*, TCanvas* canvas, RECT rect, bool) {
    canvas->Brush().SetColor(static_cast<TColor>(Painted));
    canvas->FillRect(rect);
  };
  draw.itemID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(one->Handle()));
  SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(DibColor(Painted), surface.Pixel(195, 2));
  // An item of no menu of the form is left to the window's own handling.
  draw.itemID = 0xEFFF;
  surface.Fill(RGB(0, 255, 0));
  EXPECT_FALSE(SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
  EXPECT_EQ(DibColor(RGB(0, 255, 0)), surface.Pixel(195, 2));
}

TEST(PopupMenuTest, ChosenItemClicksAfterItsOwnerDrawing) {
  EnsureToolkit();
  TPopupMenu popup(nullptr);
  popup.SetOwnerDraw(true);
  auto* alpha = new TMenuItem(&popup);
  auto* beta = new TMenuItem(&popup);
  alpha->SetCaption("Alpha");
  beta->SetCaption("Beta");
  popup.Items()->Add(alpha);
  popup.Items()->Add(beta);
  int measured = 0, selectedBetaDrawn = 0, popups = 0;
  TObject* clicked = nullptr;
  for (TMenuItem* item : {alpha, beta}) {
    item->OnMeasureItem = [&](TObject*, TCanvas*, int& width, int& height) {
      width = 80;
      height = 20;
      ++measured;
    };
    item->OnAdvancedDrawItem = [&](TObject* sender, TCanvas*, RECT, TOwnerDrawState state) {
      if (sender == beta && state.Contains(odSelected)) ++selectedBetaDrawn;
    };
    item->OnClick = [&](TObject* sender) { clicked = sender; };
  }
  popup.OnPopup = [&](TObject*) { ++popups; };

  // The menu loop takes the keys already queued: down twice, then Enter.
  const HWND owner = PopupListWindow();
  for (const WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
    PostMessageW(owner, WM_KEYDOWN, key, 0);
    PostMessageW(owner, WM_KEYUP, key, 0xC0000000);
  }
  popup.Popup(120, 120);
  EXPECT_EQ(nullptr, clicked);  // the command is posted, not yet dispatched
  FlushEvents();
  EXPECT_EQ(beta, clicked);
  EXPECT_EQ(1, popups);
  EXPECT_GE(measured, 2);
  EXPECT_GT(selectedBetaDrawn, 0);
}

}  // namespace
