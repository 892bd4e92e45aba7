// Tabs and pages on pixels read back: the frame each tab gets over the
// parent's colour, flipped tabs at the bottom, the page frame, pictures
// beside the text, labels on a skinned page, the close boxes, and the
// colour each kind of tab (and a header item) writes its text in.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "SavedElement.h"
#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinTabPages.h"
#include "skin/core/SkinMessages.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/controls/HeaderControl.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/controls/TabSet.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImageList.h"

namespace {

constexpr int kW = 300, kH = 160;
constexpr TColor kParent = RGBColor(10, 130, 70);
constexpr TColor kPane = RGBColor(90, 60, 150);
constexpr TColor kMagenta = RGBColor(255, 0, 255);

class TabPixelsTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    TDataSkinBorder& tabs = *data->Skin().Tabs;
    savedTabs.Assign(tabs.Image.get());
    savedBorder.Assign(tabs.Image2.get());
    saved = {tabs.LeftWidth, tabs.TopHeight, tabs.RightWidth, tabs.BottomHeight,
             tabs.Trans,     tabs.Tile,      tabs.Style,      tabs.Frame};
    savedTextColours = {tabs.NormalColour2, tabs.MouseOverColour2};
    // Each frame: its top quarter magenta, the rest its own colour; the
    // border one solid colour.
    MakeStrip(*tabs.Image, 5, 24, 24);
    pixels::Fill(*tabs.Image, 0, 0, 5 * 24, 6, kMagenta);
    tabs.Image2->SetPixelFormat(pf24bit);
    tabs.Image2->SetSize(16, 16);
    pixels::Fill(*tabs.Image2, kPane);
    tabs.LeftWidth = tabs.TopHeight = tabs.RightWidth = tabs.BottomHeight = 0;
    tabs.Trans = 1;
    tabs.Tile = 0;
    tabs.Style = 0;
    tabs.Frame = 5;
    form->SetColor(kParent);
  }
  void TearDown() override {
    TDataSkinBorder& tabs = *data->Skin().Tabs;
    tabs.Image->Assign(&savedTabs);
    tabs.Image2->Assign(&savedBorder);
    tabs.LeftWidth = saved[0];
    tabs.TopHeight = saved[1];
    tabs.RightWidth = saved[2];
    tabs.BottomHeight = saved[3];
    tabs.Trans = saved[4];
    tabs.Tile = saved[5];
    tabs.Style = saved[6];
    tabs.Frame = saved[7];
    tabs.NormalColour2 = savedTextColours[0];
    tabs.MouseOverColour2 = savedTextColours[1];
    SkinControlTest::TearDown();
  }

  TPageControl* MakePages(const char* first, const char* second) {
    auto* pages = Make<TPageControl>(form.get(), 10, 10, kW, kH);
    for (const char* caption : {first, second}) {
      auto* sheet = new TTabSheet(form.get());
      sheet->SetPageControl(pages);
      sheet->SetCaption(caption);
    }
    return pages;
  }
  TSkinTab* SkinTabs(TPageControl* pages) {
    auto* object = new TSkinTab(pages);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    return object;
  }
  static RECT TabRect(HWND tabs, int index) {
    RECT rect{};
    SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&rect));
    return rect;
  }
  // A plain tab window with tabs "One" and "Two", the second selected, and
  // its skin object (which the form's list owns).
  HWND PlainTabs(DWORD style, TSkinTab*& object) {
    const HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | style, 10, 10,
                                      kW, kH, form->Handle(), nullptr, nullptr, nullptr);
    for (const wchar_t* text : {L"One", L"Two"}) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<wchar_t*>(text);
      SendMessageW(tabs, TCM_INSERTITEMW, 5, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    object = new TSkinTab(nullptr);
    object->InitWindow(tabs, data.get(), formObject.get(), &formObject->ControlCanvas());
    return tabs;
  }
  static void Paint(HWND window, DibSurface& surface) {
    SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
  }

  TBitmap savedTabs, savedBorder;
  std::array<int, 8> saved{};
  std::array<TColor, 2> savedTextColours{};
};

TEST_F(TabPixelsTest, SelectedTabTakesFrameTwoOverTheParentsColour) {
  TPageControl* pages = MakePages("One", "Two");
  pages->SetActivePageIndex(1);
  SkinTabs(pages);
  DibSurface surface(kW, kH);
  Paint(pages->Handle(), surface);
  const RECT one = TabRect(pages->Handle(), 0), two = TabRect(pages->Handle(), 1);
  // The strip is one pixel lower than the native tabs.
  EXPECT_EQ(Frame(1), surface.Pixel(one.left + 2, one.bottom - 2));
  EXPECT_EQ(Frame(2), surface.Pixel(two.left + 2, two.bottom - 2));
  // Magenta of the frames and the strip beyond the tabs show the parent.
  EXPECT_EQ(ResolvedDib(kParent), surface.Pixel(one.left + 2, one.top + 2));
  EXPECT_EQ(ResolvedDib(kParent), surface.Pixel(kW - 4, two.top + 4));
  // The page frame fills the display area.
  EXPECT_EQ(ResolvedDib(kPane), surface.Pixel(kW / 2, kH / 2));

  pages->SetActivePageIndex(0);
  Paint(pages->Handle(), surface);
  EXPECT_EQ(Frame(2), surface.Pixel(one.left + 2, one.bottom - 2));
  EXPECT_EQ(Frame(1), surface.Pixel(two.left + 2, two.bottom - 2));
}

TEST_F(TabPixelsTest, NewSkinImagesShowAfterSkinChange) {
  TPageControl* pages = MakePages("One", "Two");
  TSkinTab* object = SkinTabs(pages);
  const RECT one = TabRect(pages->Handle(), 0);
  DibSurface surface(kW, kH);
  Paint(pages->Handle(), surface);
  ASSERT_EQ(Frame(2), surface.Pixel(one.left + 2, one.bottom - 2));
  constexpr TColor kNewTabs = RGBColor(200, 120, 20), kNewPane = RGBColor(30, 30, 90);
  pixels::Fill(*data->Skin().Tabs->Image, kNewTabs);
  pixels::Fill(*data->Skin().Tabs->Image2, kNewPane);
  object->SkinChange();
  Paint(pages->Handle(), surface);
  EXPECT_EQ(ResolvedDib(kNewTabs), surface.Pixel(one.left + 2, one.bottom - 2));
  EXPECT_EQ(ResolvedDib(kNewPane), surface.Pixel(kW / 2, kH / 2));
}

TEST_F(TabPixelsTest, TabsAtTheBottomAreFlipped) {
  TSkinTab* object = nullptr;
  const HWND tabs = PlainTabs(TCS_BOTTOM, object);
  ASSERT_EQ(toBottom, object->Orientation);
  DibSurface surface(kW, kH);
  Paint(tabs, surface);
  const RECT one = TabRect(tabs, 0), two = TabRect(tabs, 1);
  ASSERT_GT(one.top, kH / 2);
  // Moved one pixel up; the magenta quarter is now at the tab's bottom.
  EXPECT_EQ(Frame(1), surface.Pixel(one.left + 2, one.top + 1));
  EXPECT_EQ(Frame(2), surface.Pixel(two.left + 2, two.top + 1));
  EXPECT_NE(Frame(1), surface.Pixel(one.left + 2, one.bottom - 3));
  EXPECT_NE(Frame(2), surface.Pixel(two.left + 2, two.bottom - 3));
  EXPECT_EQ(ResolvedDib(kPane), surface.Pixel(kW / 2, kH / 3));
  // The window goes first: the object stops touching it and the form frees it.
  DestroyWindow(tabs);
  EXPECT_EQ(scsGone, object->State);
  EXPECT_FALSE(object->Active);
}

TEST_F(TabPixelsTest, SideTabsAreTurnedTowardTheirEdge) {
  const unsigned face = ResolvedDib(data->Skin().Colour(scButtonFace));
  for (const DWORD side : {DWORD{0}, DWORD{TCS_RIGHT}}) {
    TSkinTab* object = nullptr;
    const HWND tabs = PlainTabs(TCS_VERTICAL | TCS_MULTILINE | side, object);
    ASSERT_EQ(side ? toRight : toLeft, object->Orientation);
    DibSurface surface(kW, kH);
    Paint(tabs, surface);
    const RECT one = TabRect(tabs, 0), two = TabRect(tabs, 1);
    // A tab's top, with the magenta quarter, faces the window's edge.
    const int outer = side ? one.right - 2 : one.left + 1;
    const int inner = side ? one.left + 3 : one.right - 3;
    EXPECT_EQ(face, surface.Pixel(outer, one.top + 3)) << (side ? "right" : "left");
    EXPECT_EQ(Frame(1), surface.Pixel(inner, one.top + 3)) << (side ? "right" : "left");
    EXPECT_EQ(Frame(2), surface.Pixel(inner, two.top + 3)) << (side ? "right" : "left");
    EXPECT_EQ(ResolvedDib(kPane), surface.Pixel(kW / 2, kH / 2));
    DestroyWindow(tabs);
  }
}

// The smallest rectangle holding the pixels of rect that match (or, with
// match false, differ from) the colour.
RECT Bounds(const DibSurface& surface, const RECT& rect, unsigned colour, bool match) {
  RECT bounds{rect.right, rect.bottom, rect.left - 1, rect.top - 1};
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      if ((surface.Pixel(x, y) == colour) == match) {
        bounds.left = std::min<LONG>(bounds.left, x);
        bounds.top = std::min<LONG>(bounds.top, y);
        bounds.right = std::max<LONG>(bounds.right, x + 1);
        bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
      }
  return bounds;
}

TEST_F(TabPixelsTest, PicturesSitBesideTheTextAndThePairIsCentred) {
  TDataSkinBorder& tabs = *data->Skin().Tabs;
  pixels::Fill(*tabs.Image, FrameColour(1));  // no magenta: only picture and text ink
  // Wider than high, so that the picture is centred on its own height.
  auto* images = new TImageList(form.get());
  images->SetWidth(24);
  images->SetHeight(16);
  TBitmap pictures;
  pictures.SetPixelFormat(pf24bit);
  pictures.SetSize(48, 16);
  pixels::Fill(pictures, 0, 0, 24, 16, RGBColor(0, 0, 255));
  pixels::Fill(pictures, 24, 0, 48, 16, RGBColor(255, 255, 0));
  images->Add(pictures, nullptr);
  TPageControl* pages = MakePages("Alpha", "Beta");
  pages->SetImages(images);
  pages->Pages(0)->SetImageIndex(0);
  pages->Pages(1)->SetImageIndex(1);
  pages->SetActivePageIndex(1);
  SkinTabs(pages);
  DibSurface surface(kW, kH);
  Paint(pages->Handle(), surface);
  RECT one = TabRect(pages->Handle(), 0);
  OffsetRect(&one, 0, 1);
  EXPECT_EQ(24 * 16, CountInk(surface, one, ResolvedDib(RGBColor(0, 0, 255))));
  RECT two = TabRect(pages->Handle(), 1);
  OffsetRect(&two, 0, 1);
  EXPECT_EQ(24 * 16, CountInk(surface, two, ResolvedDib(RGBColor(255, 255, 0))));
  // Picture and text together leave equal room on both sides.
  const RECT ink = Bounds(surface, one, Frame(1), false);
  EXPECT_NEAR(ink.left - one.left, one.right - ink.right, 2);
  const RECT picture = Bounds(surface, one, ResolvedDib(RGBColor(0, 0, 255)), true);
  EXPECT_NEAR(picture.top - one.top, one.bottom - picture.bottom, 1);
  // A tab narrower than the picture shows none. The tab control never makes
  // such a tab under Wine, so the drawing is asked for one directly.
  DibSurface cell(100, 30);
  TTabItem item;
  item.ImageIndex = 0;
  for (const int width : {20, 40}) {
    cell.Fill(RGB(255, 255, 255));
    DrawTabImageAndText(cell.dc(), RECT{10, 5, 10 + width, 25}, item, images->Handle(), clBlack,
                        false, 0);
    EXPECT_EQ(width > 24 ? 24 * 16 : 0,
              CountInk(cell, RECT{0, 0, 100, 30}, ResolvedDib(RGBColor(0, 0, 255))))
        << "a tab " << width << " pixels wide";
  }
}

TEST_F(TabPixelsTest, LabelsOnASkinnedPageStayVisible) {
  TPageControl* pages = MakePages("One", "Two");
  TTabSheet* sheet = pages->Pages(0);
  auto* label = new TLabel(form.get());
  label->SetParent(sheet);
  label->SetBounds(20, 20, 120, 20);
  label->SetTransparent(true);
  label->Font()->SetColor(RGBColor(200, 0, 0));
  label->SetCaption("WWWWWW");
  auto* object = new TSkinTabSheet(sheet);
  object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
  const int width = sheet->Width(), height = sheet->Height();
  DibSurface surface(width, height);
  Paint(sheet->Handle(), surface);
  const unsigned face = ResolvedDib(data->Skin().Colour(scButtonFace));
  const RECT labelRect{20, 20, 140, 40};
  EXPECT_GT(CountInk(surface, labelRect, ResolvedDib(RGBColor(200, 0, 0))), 10);
  EXPECT_EQ(face, surface.Pixel(width - 3, height - 3));
  EXPECT_EQ(face, surface.Pixel(10, 10));
}

TEST_F(TabPixelsTest, CloseBoxClosesThePageUnlessTheFormSaysNo) {
  TPageControl* pages = MakePages("First page", "Second page");
  pages->SetTag(kCloseBoxTag);
  // Hooked before the skin: it sees what the skin passes on.
  wintest::MessageLog control;
  const wintest::ControlRecorder recorder(control, *pages);
  TSkinTab* object = SkinTabs(pages);
  ASSERT_TRUE(object->CloseButtons);
  DibSurface surface(kW, kH);
  Paint(pages->Handle(), surface);
  ASSERT_EQ(2u, object->TabCloseRects.size());
  const RECT box = object->TabCloseRects[1];
  const RECT tab = TabRect(pages->Handle(), 1);
  EXPECT_EQ(tab.right - 2, box.right);
  // The box is outlined in the strip with the DC's pen.
  EXPECT_EQ(ResolvedDib(clBlack), surface.Pixel(box.left, box.top));
  EXPECT_EQ(ResolvedDib(clBlack), surface.Pixel(box.left + 3, box.top + 3));

  LRESULT answer = 1;
  WPARAM window = 0;
  LPARAM index = -1;
  const TWndMethod formProc = form->WindowProc;
  form->WindowProc = [&](TMessage& message) {
    if (message.Msg != SKIN_CLOSETAB) return formProc(message);
    window = message.WParam;
    index = message.LParam;
    message.Result = answer;
  };
  EXPECT_FALSE(control.Saw(WM_PAINT)) << "the control never paints under the skin";
  const LPARAM inBox = MAKELPARAM(box.left + 2, box.top + 2);
  SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inBox);
  EXPECT_EQ(reinterpret_cast<WPARAM>(pages->Handle()), window);
  EXPECT_EQ(1, index);
  EXPECT_EQ(2, pages->PageCount()) << "the form said no";
  EXPECT_FALSE(control.Saw(WM_LBUTTONDOWN)) << "a press on a box is taken";
  EXPECT_EQ(0, pages->ActivePageIndex());
  // Elsewhere on a tab the press still selects it.
  index = -1;
  const LPARAM onTab = MAKELPARAM(tab.left + 4, (tab.top + tab.bottom) / 2);
  SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onTab);
  SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, onTab);
  FlushEvents();
  EXPECT_TRUE(control.Saw(WM_LBUTTONDOWN));
  EXPECT_EQ(1, pages->ActivePageIndex());
  EXPECT_EQ(-1, index) << "no close request";
  answer = 0;
  SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inBox);
  EXPECT_EQ(1, pages->PageCount());
  EXPECT_EQ(String("First page"), pages->Pages(0)->Caption());
  form->WindowProc = formProc;
}

TEST_F(TabPixelsTest, ButtonTabsTakeTheButtonFrames) {
  UseSolidButtonFrames(*data, false);
  TPageControl* pages = MakePages("One", "Two");
  pages->SetStyle(tsButtons);
  pages->SetActivePageIndex(1);
  auto* object = new TSkinTabBtn(pages);
  object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
  DibSurface surface(kW, kH);
  Paint(pages->Handle(), surface);
  RECT one = TabRect(pages->Handle(), 0), two = TabRect(pages->Handle(), 1);
  OffsetRect(&one, 0, 1);
  OffsetRect(&two, 0, 1);
  EXPECT_EQ(Frame(1), surface.Pixel(one.left + 2, one.top + 2));
  EXPECT_EQ(Frame(2), surface.Pixel(two.left + 2, two.top + 2));
  // Beyond the buttons the strip shows the skin's face, not the parent.
  EXPECT_EQ(ResolvedDib(data->Skin().Colour(scButtonFace)), surface.Pixel(kW - 3, two.top + 2));
}

// Each kind of tab, and a header item, writes its text in the colour its
// state takes from the skin: every colour slot distinct, on black frames,
// the ink of the text read back names the slot.
TEST_F(TabPixelsTest, TextTakesTheColourOfItsKindAndState) {
  TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
  const SavedElement savedBar(*skin.Headerbar);
  const auto savedSlots = skin.Colours;
  const std::vector<TColor> inks = {RGBColor(255, 0, 0),         RGBColor(0, 0, 255),
                                    RGBColor(255, 255, 0),       RGBColor(0, 255, 0),
                                    RGBColor(0, 255, 255),       RGBColor(255, 128, 0),
                                    SystemColor(COLOR_BTNSHADOW)};
  enum Ink {
    kTabNormal,
    kTabSelected,
    kButtonNormal,
    kButtonPressed,
    kHeaderText,
    kHeaderShadow,
    kSystemShadow
  };
  skin.Tabs->NormalColour2 = inks[kTabNormal];
  skin.Tabs->MouseOverColour2 = inks[kTabSelected];
  TDataSkinButton& buttons = *skin.Buttons;
  buttons.NormalColour2 = inks[kButtonNormal];
  buttons.PressedColour2 = inks[kButtonPressed];
  buttons.HasNormalColour2 = buttons.HasPressedColour2 = true;
  skin.Colours.Colours[scButtonText] = inks[kHeaderText];
  skin.Colours.Colours[scButtonShadow] = inks[kHeaderShadow];
  // Black paper everywhere text goes.
  UseSolidButtonFrames(*data, false);
  pixels::Fill(*buttons.Image, clBlack);
  pixels::Fill(*skin.Tabs->Image, clBlack);
  MakeStrip(*skin.Headerbar->Image, 5, 16, 16, [](int) { return TColor{clBlack}; });
  skin.Headerbar->Frame = 5;
  std::vector<unsigned> inkPixels;
  for (const TColor ink : inks) inkPixels.push_back(ResolvedDib(ink));

  enum Kind { kTabs, kButtonTabs, kTabSet, kHeader };
  struct Case {
    const char* name;
    Kind kind;
    int item;  // 0 unselected, 1 selected
    bool disabled;
    Ink expected;
  };
  const Case cases[] = {
      {"tab", kTabs, 0, false, kTabNormal},
      {"selected tab", kTabs, 1, false, kTabSelected},
      {"disabled tab", kTabs, 0, true, kSystemShadow},
      {"button tab", kButtonTabs, 0, false, kButtonNormal},
      {"pressed button tab", kButtonTabs, 1, false, kButtonPressed},
      {"tab set", kTabSet, 0, false, kTabNormal},
      {"selected tab of a tab set", kTabSet, 1, false, kTabSelected},
      {"header", kHeader, 0, false, kHeaderText},
      {"disabled header", kHeader, 0, true, kHeaderShadow},
  };
  for (const Case& c : cases) {
    TWinControl* control = nullptr;
    RECT item{};
    if (c.kind == kTabs || c.kind == kButtonTabs) {
      TPageControl* pages = MakePages("Wide", "Wide");
      if (c.kind == kButtonTabs) pages->SetStyle(tsButtons);
      pages->SetActivePageIndex(1);
      TSkinControl* object = c.kind == kTabs ? static_cast<TSkinControl*>(new TSkinTab(pages))
                                             : new TSkinTabBtn(pages);
      object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
      item = TabRect(pages->Handle(), c.item);
      OffsetRect(&item, 0, 1);
      control = pages;
    } else if (c.kind == kTabSet) {
      auto* tabs = Make<TTabSet>(form.get(), 10, 10, kW, 24);
      for (int i = 0; i < 2; ++i) tabs->Tabs()->Add("Wide");
      tabs->SetTabIndex(1);
      TControlDiscovery(*formObject, *data).ClassifyControl(tabs, form.get());
      ASSERT_NE(nullptr, dynamic_cast<TSkinTab31*>(formObject->FindSkinObject(tabs->Handle())));
      EXPECT_TRUE(tabs->TabRect(c.item, item));
      control = tabs;
    } else {
      auto* header = Make<THeaderControl>(form.get(), 10, 10, kW, 24);
      header->Sections()->Add("Wide");
      header->Sections()->Items(0)->SetWidth(120);
      auto* object = new TSkinHeader(header);
      object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
      SendMessageW(header->Handle(), HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
      control = header;
    }
    control->SetEnabled(!c.disabled);
    InflateRect(&item, -3, -3);
    DibSurface surface(control->Width(), control->Height());
    Paint(control->Handle(), surface);
    EXPECT_EQ(c.expected, pixels::InkOnBlack(surface, item, inkPixels)) << c.name;
    form->DestroyComponents();
  }
  skin.Colours = savedSlots;
}

TEST_F(TabPixelsTest, StripLeavesTheScrollArrowsAlone) {
  auto* pages = Make<TPageControl>(form.get(), 10, 10, 160, kH);
  for (int i = 0; i < 8; ++i) {
    auto* sheet = new TTabSheet(form.get());
    sheet->SetPageControl(pages);
    sheet->SetCaption("Page " + std::to_string(i));
  }
  const HWND arrows = FindWindowExW(pages->Handle(), nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(nullptr, arrows) << "eight tabs overflow 160 pixels";
  ASSERT_TRUE(GetWindowLongPtrW(arrows, GWL_STYLE) & WS_VISIBLE);
  TSkinTab* object = SkinTabs(pages);
  EXPECT_EQ(arrows, object->ArrowsWindow);
  RECT box{};
  GetWindowRect(arrows, &box);
  MapWindowPoints(nullptr, pages->Handle(), reinterpret_cast<POINT*>(&box), 2);
  DibSurface surface(160, kH);
  surface.Fill(RGB(1, 2, 3));
  Paint(pages->Handle(), surface);
  EXPECT_EQ(DibColor(RGB(1, 2, 3)), surface.Pixel(box.left + 2, box.top + 2));
  EXPECT_EQ(DibColor(RGB(1, 2, 3)), surface.Pixel(box.right - 2, box.bottom - 2));
  EXPECT_NE(DibColor(RGB(1, 2, 3)), surface.Pixel(box.left - 2, box.top + 2));
}

}  // namespace

namespace {

// Tab texts come back whole from either kind of tab control, cut only at the
// read buffer.
TEST(TabItemTextTest, AnsiAndWideTabsReadTheirTextAndCutOverlongOnes) {
  InitCommonControls();
  const HWND ansi = CreateWindowExA(0, WC_TABCONTROLA, "", WS_POPUP, 0, 0, 200, 60, nullptr,
                                    nullptr, nullptr, nullptr);
  const HWND wide = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_POPUP, 0, 0, 200, 60, nullptr,
                                    nullptr, nullptr, nullptr);
  ASSERT_TRUE(ansi && wide);
  char page[] = "Page one";
  TCITEMA a{};
  a.mask = TCIF_TEXT | TCIF_IMAGE;
  a.pszText = page;
  a.iImage = 2;
  SendMessageA(ansi, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&a));
  std::wstring longText(120, L'x');
  TCITEMW w{};
  w.mask = TCIF_TEXT;
  w.pszText = longText.data();
  SendMessageW(wide, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&w));

  TTabItem item;
  EXPECT_TRUE(ReadTabItem(ansi, false, 0, item));
  EXPECT_EQ(L"Page one", std::wstring(item.Text.begin(), item.Text.end()));
  EXPECT_EQ(2, item.ImageIndex);
  EXPECT_TRUE(ReadTabItem(wide, true, 0, item));
  // An 80-character buffer, its terminator included.
  EXPECT_EQ(79u, item.Text.size());
  EXPECT_FALSE(ReadTabItem(wide, true, 5, item));
  EXPECT_TRUE(item.Text.empty());
  DestroyWindow(ansi);
  DestroyWindow(wide);
}

}  // namespace
