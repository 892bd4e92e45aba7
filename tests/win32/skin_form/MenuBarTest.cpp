// The skinned menu bar of a window with a menu: its band painted from the
// skin (pixels read back), the menu taken from the window and given back,
// the keys that move between bar items while a drop-down is open, and a
// window destroyed with its drop-down open.
#include <string>
#include <vector>

#include "FramePixelsFixture.h"
#include "skin/core/SkinMessages.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/SkinMenuBar.h"
#include "tests/win32/support/HandleExpectations.h"
#include "tests/win32/support/MenuLoopTicks.h"
#include "tests/win32/support/OpenMenuWatch.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"

namespace {

using wintest::VisibleMenuWindow;

class MenuBarTest : public FramePixelsTest {
 protected:
  // File: Open, Save; Edit: Sub (A, B), Cut; Help: About.
  void MakeMenu() {
    menu = CreateMenu();
    for (int i = 0; i < 3; ++i) subs[i] = CreatePopupMenu();
    nested = CreatePopupMenu();
    AppendMenuW(subs[0], MF_STRING, 11, L"Open");
    AppendMenuW(subs[0], MF_STRING, 12, L"Save");
    AppendMenuW(nested, MF_STRING, 21, L"A");
    AppendMenuW(nested, MF_STRING, 22, L"B");
    AppendMenuW(subs[1], MF_POPUP, reinterpret_cast<UINT_PTR>(nested), L"Sub");
    AppendMenuW(subs[1], MF_STRING, 23, L"Cut");
    AppendMenuW(subs[2], MF_STRING, 31, L"About");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(subs[0]), L"&File");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(subs[1]), L"&Edit");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(subs[2]), L"&Help");
  }
  // A plain window with the menu, skinned through the hook.
  TWinSkinForm& SkinnedWithMenu() {
    if (!menu) MakeMenu();
    window = MakeRecordingWindow(WS_OVERLAPPEDWINDOW, 0, nullptr, 360, 240);
    SetMenu(window, menu);
    GetClientRect(window, &clientBefore);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    return SkinnedObject(window);
  }
  LPARAM ScreenPointOf(const TMenuBtn& item) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return MAKELPARAM(rect.left + item.Rect.left + 2, rect.top + item.Rect.top + 2);
  }
  std::vector<WPARAM> OpenedPopups() {
    std::vector<WPARAM> opened;
    for (const RecordedMessage& m : Recorded()) {
      if (m.window == window && m.msg == WM_INITMENUPOPUP) opened.push_back(m.wParam);
    }
    return opened;
  }

  HMENU menu = nullptr;
  RECT clientBefore{};
  HMENU subs[3] = {};
  HMENU nested = nullptr;
};

TEST_F(MenuBarTest, BarIsTheSkinsFrameOneActiveAndTwoInactiveAndTheWindowKeepsNoMenu) {
  TWinSkinForm& object = SkinnedWithMenu();
  ASSERT_NE(nullptr, object.MenuHost().Bar());
  EXPECT_EQ(nullptr, GetMenu(window));
  EXPECT_EQ(GetSystemMetrics(SM_CYMENU), object.Frame().MenuBarHeight());
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  RECT frame{};
  GetWindowRect(window, &frame);
  EXPECT_EQ(object.Frame().Top() + object.Frame().MenuBarHeight(), origin.y - frame.top);
  ASSERT_EQ(3, object.MenuHost().Bar()->ItemCount());
  EXPECT_EQ(L"&Edit", object.MenuHost().Bar()->Item(1)->Caption);

  // A point of the band right of the captions, inside the element's margins.
  const TDataSkinObject& element = *data->Skin().MenuBar;
  TBitmap& image = *element.Image;
  const int frameHeight = image.Height() / 2;
  ASSERT_NE(SkinPixel(image, image.Width() / 2, 4),
            SkinPixel(image, image.Width() / 2, frameHeight + 4));
  const int x = (frame.right - frame.left) - object.Frame().Right() - element.RightWidth - 4;
  const int y = object.Frame().Top() + 4;
  ASSERT_GT(x, object.MenuHost().Bar()->Item(2)->Rect.right);
  auto active = Painted(object);
  EXPECT_EQ(SkinPixel(image, image.Width() / 2, 4), active->Pixel(x, y));
  SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
  auto inactive = Painted(object);
  EXPECT_EQ(SkinPixel(image, image.Width() / 2, frameHeight + 4), inactive->Pixel(x, y));
}

TEST_F(MenuBarTest, SkinningAndUnskinningKeepTheClientAreaAndGiveTheMenuBack) {
  SkinnedWithMenu();
  RECT skinnedClient{};
  GetClientRect(window, &skinnedClient);
  EXPECT_EQ(clientBefore.bottom, skinnedClient.bottom);
  EXPECT_EQ(clientBefore.right, skinnedClient.right);
  data->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return Manager().FormObjects().empty(); }));
  EXPECT_EQ(menu, GetMenu(window));
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(skinnedClient.bottom, client.bottom);
  EXPECT_EQ(skinnedClient.right, client.right);
}

TEST_F(MenuBarTest, EmptyCaptionTakesNoSpaceNorHitsAndLongTextIsCut) {
  MakeMenu();
  AppendMenuW(menu, MF_STRING, 40, L"");
  const std::wstring longText(200, L'x');
  AppendMenuW(menu, MF_STRING, 41, longText.c_str());
  TWinSkinForm& object = SkinnedWithMenu();
  ASSERT_EQ(5, object.MenuHost().Bar()->ItemCount());
  const TMenuBtn& empty = *object.MenuHost().Bar()->Item(3);
  EXPECT_EQ(empty.Rect.left, empty.Rect.right);
  const TMenuBtn& cut = *object.MenuHost().Bar()->Item(4);
  EXPECT_EQ(std::wstring(TWinSkinMenu::kItemTextLength, L'x'), cut.Caption);
  // The empty item sits where the long one starts: the long one is hit.
  EXPECT_EQ(&cut, object.MenuHost().Bar()->ItemAt(POINT{empty.Rect.left, empty.Rect.top + 2}));
  EXPECT_EQ(nullptr, object.MenuHost().Bar()->FindAccelItem(L'q'));
  EXPECT_EQ(object.MenuHost().Bar()->Item(1), object.MenuHost().Bar()->FindAccelItem(L'e'));
}

// Left from the first item wraps to the last, Right from the last to the
// first, Right on an item with children opens its submenu.
TEST_F(MenuBarTest, ArrowKeysMoveBetweenBarItemsWrappingAndRightOpensASubmenu) {
  TWinSkinForm& object = SkinnedWithMenu();
  ClearRecorded();
  const std::vector<WPARAM> keys = {VK_LEFT, VK_RIGHT, VK_RIGHT, VK_RIGHT};
  size_t done = 0;
  int quiet = 0;
  {
    const wintest::TMenuLoopTicks ticks([&](HWND menuWindow) {
      if (!menuWindow) return;
      // Each key once the drop-down of the step before is up and settled.
      if (OpenedPopups().size() != done + 1 || ++quiet < 2) return;
      quiet = 0;
      if (done < keys.size()) {
        PostMessageW(menuWindow, WM_KEYDOWN, keys[done], 0);
        ++done;
      } else {
        EndMenu();
      }
    });
    SendMessageW(window, SKIN_OPENMENUBAR, 0, ScreenPointOf(*object.MenuHost().Bar()->Item(0)));
    PumpUntil([&] { return OpenedPopups().size() == keys.size() + 1 && !VisibleMenuWindow(); },
              8000);
  }
  const auto as = [](HMENU m) { return reinterpret_cast<WPARAM>(m); };
  EXPECT_EQ((std::vector<WPARAM>{as(subs[0]), as(subs[2]), as(subs[0]), as(subs[1]), as(nested)}),
            OpenedPopups());
  EXPECT_FALSE(MenuBarHookInstalled());
  EXPECT_FALSE(object.MenuHost().Tracking());
}

TEST_F(MenuBarTest, ChoosingAnItemSendsItsCommandOnce) {
  TWinSkinForm& object = SkinnedWithMenu();
  ClearRecorded();
  {
    const wintest::TMenuLoopTicks ticks([](HWND menuWindow) {
      // The first item is selected as the drop-down opens; Return chooses it.
      if (menuWindow) PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    });
    SendMessageW(window, SKIN_OPENMENUBAR, 0, ScreenPointOf(*object.MenuHost().Bar()->Item(0)));
  }
  PumpUntil([] { return false; }, 300);
  std::vector<WPARAM> commands;
  for (const RecordedMessage& m : Recorded()) {
    if (m.window == window && m.msg == WM_COMMAND) commands.push_back(m.wParam);
  }
  EXPECT_EQ(std::vector<WPARAM>{11}, commands);
}

// A plain window's drop-down is drawn in the skin while it is open, and its
// entries are the window's own again once it closed.
TEST_F(MenuBarTest, DropDownEntriesAreOwnerDrawnWhileOpenAndGiveTheirTypeBack) {
  TWinSkinForm& object = SkinnedWithMenu();
  ClearRecorded();
  const auto ownerDrawn = [](HMENU m, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(m, position, TRUE, &info);
    return (info.fType & MFT_OWNERDRAW) != 0;
  };
  bool drawnWhileOpen = false, nestedWhileOpen = false;
  {
    const wintest::TOpenMenuWatch watch([&](HWND) {
      drawnWhileOpen = ownerDrawn(subs[1], 0) && ownerDrawn(subs[1], 1);
      nestedWhileOpen = ownerDrawn(nested, 1);
    });
    SendMessageW(window, SKIN_OPENMENUBAR, 0, ScreenPointOf(*object.MenuHost().Bar()->Item(1)));
  }
  EXPECT_TRUE(drawnWhileOpen);
  EXPECT_TRUE(nestedWhileOpen);
  EXPECT_FALSE(ownerDrawn(subs[1], 0));
  EXPECT_FALSE(ownerDrawn(nested, 1));
  wchar_t text[16] = {};
  GetMenuStringW(subs[1], 1, text, 16, MF_BYPOSITION);
  EXPECT_STREQ(L"Cut", text);
  // The skin measured and drew them: the window's own procedure saw neither.
  EXPECT_EQ(0, CountOf(window, WM_MEASUREITEM));
  EXPECT_EQ(0, CountOf(window, WM_DRAWITEM));
}

TEST_F(MenuBarTest, WindowDestroyedWithItsDropDownOpenTakesTheHookAlong) {
  TWinSkinForm& object = SkinnedWithMenu();
  bool hookedWhileOpen = false;
  const HWND destroyed = window;
  {
    const wintest::TMenuLoopTicks ticks([&](HWND menuWindow) {
      if (!menuWindow || !IsWindow(window)) return;
      hookedWhileOpen = MenuBarHookInstalled();
      DestroyWindow(window);
    });
    SendMessageW(window, SKIN_OPENMENUBAR, 0, ScreenPointOf(*object.MenuHost().Bar()->Item(1)));
  }
  window = nullptr;
  EXPECT_TRUE(hookedWhileOpen);
  EXPECT_FALSE(IsWindow(destroyed));
  EXPECT_FALSE(MenuBarHookInstalled());
  // The plain window's menu went with it, as it would have unskinned.
  EXPECT_FALSE(IsMenu(menu));
  PumpUntil([] { return !VisibleMenuWindow(); }, 2000);
  EXPECT_EQ(nullptr, VisibleMenuWindow());
}

TEST_F(MenuBarTest, AThousandDropDownsOpenedAndClosedHoldNoMoreObjects) {
  TWinSkinForm& object = SkinnedWithMenu();
  const LPARAM at = ScreenPointOf(*object.MenuHost().Bar()->Item(1));
  // Escape waits in the queue: the menu loop closes the drop-down at once.
  const auto cycle = [&] {
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageW(window, SKIN_OPENMENUBAR, 0, at);
  };
  cycle();
  FlushEvents();
  ClearRecorded();
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 1000; ++i) cycle();
  FlushEvents();
  EXPECT_EQ(1000u, OpenedPopups().size());
  EXPECT_FALSE(MenuBarHookInstalled());
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

// A toolkit form's changed menu: the bar shows the new captions at once and
// the window still has no menu of its own.
TEST_F(MenuBarTest, ToolkitMenuChangedRebuildsTheBar) {
  TForm form(nullptr);
  TMainMenu* mainMenu = new TMainMenu(&form);
  auto* file = new TMenuItem(&form);
  file->SetCaption("&File");
  auto* open = new TMenuItem(&form);
  open->SetCaption("Open");
  file->Add(open);
  mainMenu->Items()->Add(file);
  form.SetMenu(mainMenu);
  form.SetBounds(40, 40, 320, 220);
  form.Show();
  SetForegroundWindow(form.Handle());
  TWinSkinForm* object = WaitUntilSkinned(form.Handle());
  ASSERT_NE(nullptr, object);
  ASSERT_NE(nullptr, object->MenuHost().Bar());
  EXPECT_EQ(L"&File", object->MenuHost().Bar()->Item(0)->Caption);
  EXPECT_EQ(file, object->MenuHost().Bar()->Item(0)->MenuItem);

  file->SetCaption("&Document");
  auto* view = new TMenuItem(&form);
  view->SetCaption("&View");
  mainMenu->Items()->Add(view);
  ASSERT_EQ(2, object->MenuHost().Bar()->ItemCount());
  EXPECT_EQ(L"&Document", object->MenuHost().Bar()->Item(0)->Caption);
  EXPECT_EQ(L"&View", object->MenuHost().Bar()->Item(1)->Caption);
  EXPECT_EQ(nullptr, GetMenu(form.Handle()));
  EXPECT_GT(object->MenuHost().Bar()->Item(1)->Rect.left,
            object->MenuHost().Bar()->Item(0)->Rect.left);
}

// A raw MDI frame with a menu, one maximised child: the child's buttons sit
// in the skinned bar, are drawn there, and close the child when clicked.
LRESULT CALLBACK MdiFrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND client = FindWindowExW(window, nullptr, L"MDIClient", nullptr);
  return DefFrameProcW(window, client, msg, wParam, lParam);
}

LRESULT CALLBACK MdiChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcW(window, msg, wParam, lParam);
}

TEST_F(MenuBarTest, MaximisedMdiChildsButtonsAreDrawnInTheBarAndAct) {
  static const bool registered = [] {
    WNDCLASSW cls{};
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpfnWndProc = &MdiFrameProc;
    cls.lpszClassName = L"MenuBarTestMdiFrame";
    RegisterClassW(&cls);
    cls.lpfnWndProc = &MdiChildProc;
    cls.lpszClassName = L"MenuBarTestMdiChild";
    return RegisterClassW(&cls) != 0;
  }();
  ASSERT_TRUE(registered);
  MakeMenu();
  window = CreateWindowExW(0, L"MenuBarTestMdiFrame", L"Frame", WS_OVERLAPPEDWINDOW, 30, 30, 420,
                           300, nullptr, menu, GetModuleHandleW(nullptr), nullptr);
  CLIENTCREATESTRUCT clientCreate{subs[2], 50000};
  const HWND client =
      CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, window,
                      nullptr, GetModuleHandleW(nullptr), &clientCreate);
  ASSERT_NE(nullptr, client);
  MDICREATESTRUCTW create{
      L"MenuBarTestMdiChild", L"Child", GetModuleHandleW(nullptr), 0, 0, 160, 100, 0, 0};
  const auto child = reinterpret_cast<HWND>(
      SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  ASSERT_NE(nullptr, child);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  TWinSkinForm* object = WaitUntilSkinned(window);
  ASSERT_NE(nullptr, object);
  ASSERT_NE(nullptr, object->MenuHost().Bar());
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  PumpUntil([] { return false; }, 300);
  auto dib = Painted(*object);

  TWinSysButton* close = nullptr;
  for (int i = 0; i < object->Caption().ButtonCount(); ++i) {
    TWinSysButton* button = object->Caption().Button(i);
    if (button->Element->Action == cbMdiClose) close = button;
  }
  ASSERT_NE(nullptr, close);
  ASSERT_TRUE(close->Visible);
  const RECT& rect = close->Rect;
  EXPECT_GE(rect.top, object->Frame().Top());
  EXPECT_LE(rect.bottom, object->Frame().Top() + object->Frame().MenuBarHeight());
  // Its first frame's centre, drawn stretched into its rectangle.
  TBitmap& image = *close->Element->Image;
  const int frameWidth = image.Width() / close->Element->Frame;
  const unsigned glyph = SkinPixel(image, frameWidth / 2, image.Height() / 2);
  ASSERT_NE(kMagenta, glyph);
  EXPECT_EQ(glyph, dib->Pixel((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));

  RECT frame{};
  GetWindowRect(window, &frame);
  const LPARAM at = MAKELPARAM(frame.left + (rect.left + rect.right) / 2,
                               frame.top + (rect.top + rect.bottom) / 2);
  EXPECT_EQ(HTMENU, SendMessageW(window, WM_NCHITTEST, 0, at));
  SendMessageW(window, WM_NCLBUTTONDOWN, HTMENU, at);
  SendMessageW(window, WM_NCLBUTTONUP, HTMENU, at);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(child); }));

  // A new frame menu through the MDI client: the bar shows it, the window
  // still keeps none.
  const HMENU other = CreateMenu();
  AppendMenuW(other, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&Window");
  const auto old = reinterpret_cast<HMENU>(
      SendMessageW(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(other), 0));
  ASSERT_EQ(1, object->MenuHost().Bar()->ItemCount());
  EXPECT_EQ(L"&Window", object->MenuHost().Bar()->Item(0)->Caption);
  EXPECT_EQ(nullptr, GetMenu(window));
  // The caller gets its old menu back in the answer, as unskinned.
  EXPECT_EQ(menu, old);
  if (old && old != other) DestroyMenu(old);
}

}  // namespace
