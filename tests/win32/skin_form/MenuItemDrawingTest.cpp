// Menu items in the skin: the system menu's copy read back item by item,
// and items drawn into a DIB through the skinned window's WM_DRAWITEM.
#include <string>

#include "FramePixelsFixture.h"
#include "skin/form/MenuSkinHandlers.h"
#include "skin/form/MenuText.h"
#include "tests/win32/support/HandleExpectations.h"
#include "tests/win32/support/OpenMenuWatch.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/WideText.h"
#include "toolkit/graphics/ImageList.h"

namespace {

constexpr int kItemWidth = 140;
constexpr int kItemHeight = 22;  // the height of our MenuItem frames

class MenuItemDrawingTest : public FramePixelsTest {
 protected:
  // A window with a minimise box and no maximise box, its system menu copied.
  TPopupMenu& SystemCopy(TWinSkinForm*& object) {
    object = &Skinned(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    object->MenuHost().RebuildSystemMenuPopup();
    return *object->MenuHost().SystemMenuPopup();
  }
  static TMenuItem* ItemWithTag(TPopupMenu& popup, UINT command) {
    for (int i = 0; i < popup.Items()->Count(); ++i)
      if (static_cast<UINT>(popup.Items()->Items(i)->Tag()) == command)
        return popup.Items()->Items(i);
    return nullptr;
  }
  // The entry drawn by the skinned window into a DIB of one item's size.
  std::unique_ptr<DibSurface> DrawnEntry(HMENU menu, UINT id, bool selected,
                                         int height = kItemHeight) {
    auto dib = std::make_unique<DibSurface>(kItemWidth, height);
    dib->Fill(kSentinel);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = id;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = selected ? ODS_SELECTED : 0;
    draw.hwndItem = reinterpret_cast<HWND>(menu);
    draw.hDC = dib->dc();
    draw.rcItem = RECT{0, 0, kItemWidth, height};
    EXPECT_EQ(TRUE, SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
    return dib;
  }
  std::unique_ptr<DibSurface> Drawn(TPopupMenu& popup, TMenuItem& item, bool selected,
                                    int height = kItemHeight) {
    return DrawnEntry(popup.Handle(), item.Command(), selected, height);
  }
  TBitmap& MenuItemImage() { return *data->Skin().MenuItem->Image; }
  int FrameWidth() { return MenuItemImage().Width() / 5; }
  unsigned Slot(TSkinColourSlot slot) { return ResolvedDib(data->Skin().Colour(slot)); }
};

TEST_F(MenuItemDrawingTest, SystemMenuCopyKeepsTextsAndTagsAndEnablesByPlacementAndBoxes) {
  TWinSkinForm* object = nullptr;
  TPopupMenu& popup = SystemCopy(object);
  const HMENU source = GetSystemMenu(window, FALSE);
  EXPECT_EQ(TMenuBarHost::kSystemMenuTag, popup.Tag());
  EXPECT_TRUE(popup.OwnerDraw());
  EXPECT_EQ(data->MenuGlyphs(), popup.Images());
  ASSERT_EQ(GetMenuItemCount(source), popup.Items()->Count());
  for (int i = 0; i < popup.Items()->Count(); ++i) {
    TMenuItem& item = *popup.Items()->Items(i);
    EXPECT_EQ(static_cast<int>(GetMenuItemID(source, i)), item.Tag());
    wchar_t text[128] = {};
    GetMenuStringW(source, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    std::wstring expected = text[0] ? std::wstring(text) : L"-";
    std::wstring shown = ToWide(item.Caption());
    if (item.ShortCut()) shown += L'\t' + ToWide(ShortCutToText(item.ShortCut()));
    EXPECT_EQ(expected.size(), shown.size()) << i;
    EXPECT_EQ(0, lstrcmpiW(expected.c_str(), shown.c_str())) << i;
    EXPECT_TRUE(HasSkinDrawHandler(item));
  }
  struct Expected {
    UINT command;
    bool enabled;
    int image;
  };
  for (const Expected& e : {Expected{SC_MINIMIZE, true, 2}, Expected{SC_MAXIMIZE, false, 1},
                            Expected{SC_RESTORE, false, 0}, Expected{SC_CLOSE, true, 3},
                            Expected{SC_MOVE, true, -1}, Expected{SC_SIZE, false, -1}}) {
    TMenuItem* item = ItemWithTag(popup, e.command);
    ASSERT_NE(nullptr, item) << std::hex << e.command;
    EXPECT_EQ(e.enabled, item->Enabled()) << std::hex << e.command;
    EXPECT_EQ(e.image, item->ImageIndex()) << std::hex << e.command;
  }
  // Choosing an item posts its command to the window.
  ItemWithTag(popup, SC_CLOSE)->Click();
  MSG posted{};
  ASSERT_TRUE(PeekMessageW(&posted, window, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
  EXPECT_EQ(static_cast<WPARAM>(SC_CLOSE), posted.wParam);
}

TEST_F(MenuItemDrawingTest, SystemMenuCopyTakesCheckedGrayedLongAndEmptyEntries) {
  TWinSkinForm* object = &Skinned(WS_OVERLAPPEDWINDOW);
  const HMENU source = GetSystemMenu(window, FALSE);
  const std::wstring longText(100, L'长');
  AppendMenuW(source, MF_STRING | MF_CHECKED, 0x7001, longText.c_str());
  AppendMenuW(source, MF_STRING | MF_GRAYED, 0x7002, L"Grayed");
  AppendMenuW(source, MF_STRING, 0x7003, L"");
  object->MenuHost().RebuildSystemMenuPopup();
  TPopupMenu& popup = *object->MenuHost().SystemMenuPopup();
  TMenuItem* checked = ItemWithTag(popup, 0x7001);
  ASSERT_NE(nullptr, checked);
  EXPECT_TRUE(checked->Checked());
  EXPECT_EQ(std::wstring(80, L'长'), ToWide(checked->Caption()));
  EXPECT_FALSE(ItemWithTag(popup, 0x7002)->Enabled());
  EXPECT_EQ("-", ItemWithTag(popup, 0x7003)->Caption());
  // A window of normal placement with both boxes: maximise is offered.
  EXPECT_TRUE(ItemWithTag(popup, SC_MAXIMIZE)->Enabled());
  EXPECT_TRUE(ItemWithTag(popup, SC_SIZE)->Enabled());
}

TEST_F(MenuItemDrawingTest, SelectedItemShowsFrameFourAndNormalFrameOne) {
  TWinSkinForm* object = nullptr;
  TPopupMenu& popup = SystemCopy(object);
  TMenuItem& close = *ItemWithTag(popup, SC_CLOSE);
  const int fw = FrameWidth();
  const auto normal = Drawn(popup, close, false);
  const auto selected = Drawn(popup, close, true);
  // The right edge lies in the frame's unscaled right margin; where the
  // frame is magenta the menu's colour shows (no popup picture here).
  const auto expected = [&](int x) {
    const unsigned pixel = SkinPixel(MenuItemImage(), x, 11);
    return pixel == kMagenta ? Slot(scMenu) : pixel;
  };
  EXPECT_EQ(expected(fw - 2), normal->Pixel(kItemWidth - 2, 11));
  EXPECT_EQ(expected(4 * fw - 2), selected->Pixel(kItemWidth - 2, 11));
  EXPECT_NE(normal->Pixel(kItemWidth - 2, 11), selected->Pixel(kItemWidth - 2, 11));
}

TEST_F(MenuItemDrawingTest, GlyphComesFromTheMenuGlyphListAndTextColourFollowsEnabling) {
  TWinSkinForm* object = nullptr;
  TPopupMenu& popup = SystemCopy(object);
  const int box = 1 + data->Skin().MenuItem->LeftWidth;
  // The close glyph's cross starts 3 pixels into its 16-pixel cell, black.
  const auto close = Drawn(popup, *ItemWithTag(popup, SC_CLOSE), false);
  EXPECT_EQ(0x000000u, close->Pixel(box + 3, 1 + 3));
  EXPECT_EQ(0x000000u, close->Pixel(box + 12, 1 + 3));
  const auto move = Drawn(popup, *ItemWithTag(popup, SC_MOVE), false);
  // White is the list's mask colour: the cell's corner shows what is under it.
  EXPECT_EQ(move->Pixel(box, 1), close->Pixel(box, 1));
  EXPECT_NE(0x000000u, move->Pixel(box + 3, 1 + 3));

  const RECT text{box + 16 + 3, 0, kItemWidth, kItemHeight};
  const auto maximise = Drawn(popup, *ItemWithTag(popup, SC_MAXIMIZE), false);
  const unsigned enabledText = Slot(scMenuText);
  const unsigned disabledText =
      data->Skin().Colour(scButtonShadow) == data->Skin().Colour(scMenuText)
          ? DibColor(GetSysColor(COLOR_GRAYTEXT))
          : Slot(scButtonShadow);
  ASSERT_NE(enabledText, disabledText);
  EXPECT_GT(CountInk(*maximise, text, disabledText), 0);
  EXPECT_EQ(0, CountInk(*maximise, text, enabledText));
  EXPECT_GT(CountInk(*move, text, enabledText), 0);
  const auto selected = Drawn(popup, *ItemWithTag(popup, SC_MOVE), true);
  EXPECT_GT(CountInk(*selected, text, Slot(scHilightText)), 0);
}

TEST_F(MenuItemDrawingTest, CheckedItemsShowTheCheckMarkOrASunkenBoxAroundTheirPicture) {
  TWinSkinForm* object = nullptr;
  TPopupMenu& popup = SystemCopy(object);
  const int box = 1 + data->Skin().MenuItem->LeftWidth;
  const RECT glyphBox{box, 1, box + 16, 17};
  TMenuItem& move = *ItemWithTag(popup, SC_MOVE);
  const auto unchecked = Drawn(popup, move, false);
  move.SetChecked(true);
  const auto checked = Drawn(popup, move, false);
  const unsigned text = Slot(scMenuText);
  EXPECT_EQ(0, CountInk(*unchecked, glyphBox, text));
  EXPECT_GT(CountInk(*checked, glyphBox, text), 4);

  TMenuItem& close = *ItemWithTag(popup, SC_CLOSE);
  close.SetChecked(true);
  const auto boxed = Drawn(popup, close, false);
  EXPECT_EQ(DibColor(GetSysColor(COLOR_BTNSHADOW)), boxed->Pixel(box, 1));
  EXPECT_EQ(DibColor(GetSysColor(COLOR_BTNHIGHLIGHT)), boxed->Pixel(box + 15, 16));
  EXPECT_EQ(0x000000u, boxed->Pixel(box + 3, 1 + 3));
}

TEST_F(MenuItemDrawingTest, SeparatorsWithAndWithoutTheMenuItemElement) {
  TWinSkinForm* object = nullptr;
  TPopupMenu& popup = SystemCopy(object);
  TMenuItem* line = nullptr;
  for (int i = 0; i < popup.Items()->Count(); ++i)
    if (popup.Items()->Items(i)->IsLine()) line = popup.Items()->Items(i);
  ASSERT_NE(nullptr, line);
  const int fw = FrameWidth();
  const int imageHeight = MenuItemImage().Height();
  // Frame 2's line sits 4 rows above its bottom; the image is taller than
  // the item, so its bottom meets the item's.
  const auto skinned = Drawn(popup, *line, false, 8);
  EXPECT_EQ(SkinPixel(MenuItemImage(), fw + fw / 2, imageHeight - 4), skinned->Pixel(70, 4));
  EXPECT_EQ(Slot(scMenu), skinned->Pixel(70, 0));

  MenuItemImage().SetSize(0, 0);  // as a skin without the element
  const auto plain = Drawn(popup, *line, false, 8);
  EXPECT_EQ(DibColor(GetSysColor(COLOR_BTNSHADOW)), plain->Pixel(70, 4));
  EXPECT_EQ(Slot(scMenu), plain->Pixel(70, 1));
  const auto selected = Drawn(popup, *ItemWithTag(popup, SC_MOVE), true);
  EXPECT_EQ(Slot(scHilight), selected->Pixel(kItemWidth - 2, 11));
  const auto normal = Drawn(popup, *ItemWithTag(popup, SC_MOVE), false);
  EXPECT_EQ(Slot(scMenu), normal->Pixel(kItemWidth - 2, 11));
}

// A form's popup menus take the skin's handlers, except one tagged with the
// skin's DisableTag; unskinning gives an application's own handler back.
TEST_F(MenuItemDrawingTest, FormPopupsGoOwnerDrawnAndComeBack) {
  TForm form(nullptr);
  auto* popup = new TPopupMenu(&form);
  auto* item = new TMenuItem(&form);
  item->SetCaption("Item");
  popup->Items()->Add(item);
  bool ownDrawn = false;
  item->OnAdvancedDrawItem = [&](TObject*, TCanvas*, RECT, TOwnerDrawState) { ownDrawn = true; };
  auto* disabled = new TPopupMenu(&form);
  disabled->SetTag(data->DisableTag());
  auto* other = new TMenuItem(&form);
  disabled->Items()->Add(other);

  SkinFormMenus(form, *data, nullptr);
  EXPECT_TRUE(popup->OwnerDraw());
  EXPECT_TRUE(HasSkinDrawHandler(*item));
  EXPECT_TRUE(item->OnMeasureItem != nullptr);
  EXPECT_FALSE(disabled->OwnerDraw());
  EXPECT_FALSE(HasSkinDrawHandler(*other));

  UnskinFormMenus(form);
  EXPECT_FALSE(popup->OwnerDraw());
  EXPECT_FALSE(HasSkinDrawHandler(*item));
  EXPECT_TRUE(item->OnMeasureItem == nullptr);
  ASSERT_TRUE(item->OnAdvancedDrawItem != nullptr);
  const TScreenDC screen;
  TCanvas canvas;
  canvas.SetHandle(screen.Get());
  item->DrawItem(canvas, RECT{0, 0, 10, 10}, TOwnerDrawState());
  canvas.SetHandle(nullptr);
  EXPECT_TRUE(ownDrawn);
}

}  // namespace

namespace {

constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU

// The skinned system menu as it opens: the skin's frame around items that
// are owner-drawn over the frame's picture, the close glyph among them. A
// second request straight after opens nothing.
TEST_F(MenuItemDrawingTest, OpenSystemMenuShowsTheSkinsFrameAndOwnerDrawnItems) {
  TSkinControlTypes controls = data->SkinControls();
  controls.Include(xcSystemMenu);
  data->SetSkinControls(controls);
  TWinSkinForm& object = Skinned(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  const int box = 1 + data->Skin().MenuItem->LeftWidth;
  TBitmap& frame = *data->Skin().MenuBackground->Image;
  auto check = [&](HWND menu) {
    EXPECT_TRUE(Manager().IsPopupMenuTracked(menu));
    const auto shown = reinterpret_cast<HMENU>(SendMessageW(menu, kGetMenuHandle, 0, 0));
    ASSERT_EQ(object.MenuHost().SystemMenuPopup()->Handle(), shown);
    UpdateWindow(menu);
    const HDC dc = GetWindowDC(menu);
    EXPECT_EQ(SkinPixel(frame, 0, 0), DibColor(GetPixel(dc, 0, 0)));
    RECT window{};
    GetWindowRect(menu, &window);
    bool closeGlyph = false;
    for (int i = 0; i < GetMenuItemCount(shown); ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_ID;
      ASSERT_TRUE(GetMenuItemInfoW(shown, static_cast<UINT>(i), TRUE, &info));
      EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << i;
      RECT item{};
      GetMenuItemRect(nullptr, shown, static_cast<UINT>(i), &item);
      const TMenuItem* toolkit = object.MenuHost().SystemMenuPopup()->FindItem(info.wID, fkCommand);
      if (!toolkit || toolkit->Tag() != SC_CLOSE) continue;
      const int x = item.left - window.left + box + 3, y = item.top - window.top + 1 + 3;
      closeGlyph = DibColor(GetPixel(dc, x, y)) == 0 && DibColor(GetPixel(dc, x + 9, y)) == 0;
    }
    ReleaseDC(menu, dc);
    EXPECT_TRUE(closeGlyph);
  };
  RECT rect{};
  GetWindowRect(window, &rect);
  {
    const wintest::TOpenMenuWatch watch(check);
    object.MenuHost().ShowSystemMenu(rect.left + 40, rect.top + 20);
    EXPECT_TRUE(watch.Seen());
  }
  // Within the double-click time of the first: no second menu.
  const wintest::TOpenMenuWatch second(check);
  object.MenuHost().ShowSystemMenu(rect.left + 40, rect.top + 20);
  PumpUntil([] { return false; }, 200);
  EXPECT_FALSE(second.Seen());
}

}  // namespace

namespace {

class WindowMenuItemTest : public MenuItemDrawingTest {
 protected:
  // A plain window that has a menu when the skin takes it.
  TWinSkinForm& SkinnedWithMenu() {
    window = MakeRecordingWindow(WS_OVERLAPPEDWINDOW, 0, nullptr, 320, 220);
    const HMENU bar = CreateMenu();
    drop = CreatePopupMenu();
    AppendMenuW(drop, MF_STRING, 5, L"Open a rather long entry");
    AppendMenuW(drop, MF_STRING, 6, L"Go");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(drop), L"File");
    SetMenu(window, bar);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    return SkinnedObject(window);
  }
  MEASUREITEMSTRUCT Measured(UINT id) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = id;
    measure.itemHeight = 16;
    lastResult = SendMessageW(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    return measure;
  }
  HMENU drop = nullptr;
  LRESULT lastResult = 0;
};

// A plain window's own entries, whatever their ids, are measured and drawn
// in the skin from their native text and state, also where an id is one the
// system menu's copy uses for its own entries.
TEST_F(WindowMenuItemTest, NativeEntriesOfAPlainWindowAreMeasuredAndDrawnInTheSkin) {
  TWinSkinForm& object = SkinnedWithMenu();
  ASSERT_NE(nullptr, object.MenuHost().WindowMenu());
  object.MenuHost().RebuildSystemMenuPopup();
  const auto shared =
      static_cast<UINT>(ItemWithTag(*object.MenuHost().SystemMenuPopup(), SC_CLOSE)->Command());
  AppendMenuW(drop, MF_STRING, shared, L"Go");
  ClearRecorded();
  const MEASUREITEMSTRUCT longer = Measured(5);
  EXPECT_EQ(TRUE, lastResult);
  const MEASUREITEMSTRUCT shorter = Measured(6);
  EXPECT_GT(longer.itemWidth, shorter.itemWidth);
  EXPECT_GT(shorter.itemWidth, static_cast<UINT>(26 + data->Skin().MenuItem->LeftWidth));
  EXPECT_EQ(20u, shorter.itemHeight);
  EXPECT_EQ(shorter.itemWidth, Measured(shared).itemWidth) << "the twin of 6 with the copy's id";
  EXPECT_EQ(0, CountOf(window, WM_MEASUREITEM));

  const auto drawn = [&](UINT id) {
    EnableMenuItem(drop, id, MF_BYCOMMAND | MF_GRAYED);
    return DrawnEntry(drop, id, true);
  };
  const auto dib = drawn(6);
  EXPECT_EQ(0, CountOf(window, WM_DRAWITEM));
  const int fw = FrameWidth();
  EXPECT_EQ(SkinPixel(MenuItemImage(), 4 * fw - 2, 11), dib->Pixel(kItemWidth - 2, 11));
  // Grayed in the native menu: the disabled colour, not the selected text's.
  const RECT text{1 + data->Skin().MenuItem->LeftWidth + 19, 0, kItemWidth, kItemHeight};
  const unsigned disabled = data->Skin().Colour(scButtonShadow) == data->Skin().Colour(scMenuText)
                                ? DibColor(GetSysColor(COLOR_GRAYTEXT))
                                : Slot(scButtonShadow);
  EXPECT_GT(CountInk(*dib, text, disabled), 4);
  const auto twin = drawn(shared);
  int differing = 0;
  for (int y = 0; y < kItemHeight; ++y)
    for (int x = 0; x < kItemWidth; ++x) differing += dib->Pixel(x, y) != twin->Pixel(x, y);
  EXPECT_EQ(0, differing) << "the twin is drawn as the window's entry";
}

// A right-to-left item is the left-to-right one in a mirror: the check mark
// in a glyph box at the right edge, the caption ending beside it. An item is
// right to left by its native order, by the window it drops from, or by the
// control that owns its menu.
TEST_F(WindowMenuItemTest, RightToLeftItemsMirrorTheirLayout) {
  TWinSkinForm& object = SkinnedWithMenu();
  const int box = 1 + data->Skin().MenuItem->LeftWidth;
  const unsigned ink = Slot(scMenuText);
  const auto expectLayout = [&](const DibSurface& dib, bool mirrored, const char* what) {
    const auto columns = [&](int left, int right) {
      return mirrored ? RECT{kItemWidth - right, 1, kItemWidth - left, kItemHeight - 1}
                      : RECT{left, 1, right, kItemHeight - 1};
    };
    EXPECT_GT(CountInk(dib, columns(box, box + 16), ink), 4) << what << ": the check mark";
    EXPECT_GT(CountInk(dib, columns(box + 19, box + 31), ink), 0) << what << ": the caption";
    EXPECT_EQ(0, CountInk(dib, columns(kItemWidth - box - 16, kItemWidth - box), ink))
        << what << ": the far end is empty";
  };
  const auto nativeEntry = [&] { return DrawnEntry(drop, 6, false); };
  CheckMenuItem(drop, 6, MF_BYCOMMAND | MF_CHECKED);
  object.MenuHost().RebuildSystemMenuPopup();
  TPopupMenu& system = *object.MenuHost().SystemMenuPopup();
  TMenuItem& move = *ItemWithTag(system, SC_MOVE);
  move.SetChecked(true);
  expectLayout(*nativeEntry(), false, "native entry");
  expectLayout(*Drawn(system, move, false), false, "system menu entry");

  MENUITEMINFOW order{};
  order.cbSize = sizeof order;
  order.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoW(drop, 6, FALSE, &order));
  order.fType |= MFT_RIGHTORDER;
  ASSERT_TRUE(SetMenuItemInfoW(drop, 6, FALSE, &order));
  expectLayout(*nativeEntry(), true, "native entry in right-to-left order");
  order.fType &= ~MFT_RIGHTORDER;
  SetMenuItemInfoW(drop, 6, FALSE, &order);

  SetWindowLongPtrW(window, GWL_EXSTYLE,
                    GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT |
                        WS_EX_RTLREADING);
  expectLayout(*nativeEntry(), true, "native entry of a right-to-left window");
  expectLayout(*Drawn(system, move, false), true, "system menu entry of a right-to-left window");

  for (const TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
    TForm owner(nullptr);
    owner.SetBiDiMode(mode);
    auto* popup = new TPopupMenu(&owner);
    auto* item = new TMenuItem(&owner);
    item->SetCaption("Move");
    item->SetChecked(true);
    popup->Items()->Add(item);
    SkinFormMenus(owner, *data, nullptr);
    DibSurface dib(kItemWidth, kItemHeight);
    TCanvas canvas;
    canvas.SetHandle(dib.dc());
    item->DrawItem(canvas, RECT{0, 0, kItemWidth, kItemHeight}, TOwnerDrawState());
    canvas.SetHandle(nullptr);
    expectLayout(dib, mode == bdRightToLeft, "popup menu of a form");
  }
}

// Without a menu when it was skinned, a window's owner-drawn items stay its own.
TEST_F(WindowMenuItemTest, AWindowWithoutAMenuAtAttachPassesItemsOn) {
  Skinned();
  ClearRecorded();
  Measured(5);
  EXPECT_EQ(1, CountOf(window, WM_MEASUREITEM));
}

}  // namespace

namespace {

// A character outside the 16-bit range is never cut in half at the limit.
TEST(MenuText, CutKeepsSurrogatePairsWhole) {
  const std::wstring pair = L"\U0001F600";
  const std::wstring text = std::wstring(79, L'a') + pair + L"tail";
  EXPECT_EQ(std::wstring(79, L'a'), CutMenuText(text));
  const std::wstring fits = std::wstring(78, L'a') + pair + L"tail";
  EXPECT_EQ(std::wstring(78, L'a') + pair, CutMenuText(fits));
}

}  // namespace

namespace {

// Rebuilding the system menu's copy and drawing every item, a thousand
// times, holds no more GDI or USER objects than the first time.
TEST_F(MenuItemDrawingTest, ThousandRebuildsAndDrawingsHoldNoMoreObjects) {
  TWinSkinForm& object = Skinned(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  DibSurface dib(kItemWidth, kItemHeight);
  const auto round = [&](int i) {
    object.MenuHost().RebuildSystemMenuPopup();
    TPopupMenu& popup = *object.MenuHost().SystemMenuPopup();
    for (int k = 0; k < popup.Items()->Count(); ++k) {
      TMenuItem& item = *popup.Items()->Items(k);
      item.SetChecked(i % 2 == 0);
      DRAWITEMSTRUCT draw{};
      draw.CtlType = ODT_MENU;
      draw.itemID = item.Command();
      draw.itemState = (i + k) % 2 ? ODS_SELECTED : 0;
      draw.hwndItem = reinterpret_cast<HWND>(popup.Handle());
      draw.hDC = dib.dc();
      draw.rcItem = RECT{0, 0, kItemWidth, item.IsLine() ? 8 : kItemHeight};
      SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    }
  };
  round(0);
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 1; i <= 1000; ++i) round(i);
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

}  // namespace

namespace {

// A form with a main menu: its toolkit items are measured by their own
// measuring widened for the skin and drawn in the skin; an application id
// the toolkit does not know goes on to the form.
TEST_F(MenuItemDrawingTest, FormMenuItemsAreTheSkinsAndUnknownApplicationIdsPassOn) {
  TForm form(nullptr);
  auto* menu = new TMainMenu(&form);
  auto* file = new TMenuItem(&form);
  file->SetCaption("File");
  auto* open = new TMenuItem(&form);
  open->SetCaption("Open");
  file->Add(open);
  menu->Items()->Add(file);
  form.SetMenu(menu);
  form.SetBounds(30, 30, 320, 220);
  form.Show();
  SetForegroundWindow(form.Handle());
  const TWinSkinForm* formObject = WaitUntilSkinned(form.Handle());
  ASSERT_NE(nullptr, formObject);
  ASSERT_NE(nullptr, formObject->MenuHost().WindowMenu());

  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = open->Command();
  ASSERT_EQ(TRUE,
            SendMessageW(form.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
  // The toolkit's own measure of the same item, without the skin.
  const TScreenDC screen;
  TCanvas canvas;
  canvas.SetHandle(screen.Get());
  int width = 0, height = 0;
  open->MeasureItem(canvas, width, height);
  canvas.SetHandle(nullptr);
  EXPECT_GE(static_cast<int>(measure.itemWidth), width + 12 + 23);

  DibSurface dib(kItemWidth, kItemHeight);
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemID = open->Command();
  draw.itemState = ODS_SELECTED;
  draw.hwndItem = reinterpret_cast<HWND>(file->Handle());
  draw.hDC = dib.dc();
  draw.rcItem = RECT{0, 0, kItemWidth, kItemHeight};
  EXPECT_EQ(TRUE, SendMessageW(form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
  EXPECT_EQ(SkinPixel(MenuItemImage(), 4 * FrameWidth() - 2, 11), dib.Pixel(kItemWidth - 2, 11));

  dib.Fill(kSentinel);
  draw.itemID = 4000;  // an application's own id, unknown to the toolkit
  EXPECT_EQ(FALSE, SendMessageW(form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
  EXPECT_EQ(DibColor(kSentinel), dib.Pixel(kItemWidth - 2, 11));
}

}  // namespace

namespace {

int g_menusOpened = 0;

LRESULT CALLBACK CountMenuOpens(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_INITMENUPOPUP)
    ++g_menusOpened;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The skinned system menu (in the skin's frame) and a skinned form's popup
// menu, each opened and closed a thousand times: no more GDI or USER objects
// than after the first time. An Escape waiting in the queue closes each menu
// as soon as its loop starts.
TEST_F(MenuItemDrawingTest, ThousandMenusOpenedAndClosedHoldNoMoreObjects) {
  TSkinControlTypes controls = data->SkinControls();
  controls.Include(xcSystemMenu);
  data->SetSkinControls(controls);
  TWinSkinForm& object = Skinned(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  RECT rect{};
  GetWindowRect(window, &rect);

  TForm form(nullptr);
  auto* popup = new TPopupMenu(&form);
  for (const char* caption : {"First", "-", "Second"}) {
    auto* item = new TMenuItem(&form);
    item->SetCaption(caption);
    popup->Items()->Add(item);
  }
  form.SetBounds(60, 60, 320, 220);
  form.Show();
  SetForegroundWindow(form.Handle());
  ASSERT_NE(nullptr, WaitUntilSkinned(form.Handle()));

  const auto cycle = [&] {
    object.MenuHost().ForgetSystemMenuRequest();  // every request counts as a fresh one
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    object.MenuHost().ShowSystemMenu(rect.left + 40, rect.top + 20);
    PostMessageW(form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    popup->Popup(100, 100);
  };
  const HHOOK hook =
      SetWindowsHookExW(WH_CALLWNDPROC, &CountMenuOpens, nullptr, GetCurrentThreadId());
  ASSERT_NE(nullptr, hook);
  cycle();
  PumpUntil([] { return false; }, 100);
  g_menusOpened = 0;
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 1000; ++i) cycle();
  PumpUntil([] { return false; }, 100);
  const wintest::HandleCounts after = wintest::Snapshot();
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(2000, g_menusOpened);
  wintest::ExpectHandlesFlat(before, after);
}

}  // namespace
