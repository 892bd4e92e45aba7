// Popup menu windows under the manager: the skin's frame painted around a
// real menu opened with TrackPopupMenu, read back while the menu is up.
#include <functional>
#include <utility>

#include "FramePixelsFixture.h"
#include "skin/core/SkinMessages.h"
#include "skin/manage/WinSkinPopMenu.h"
#include "tests/win32/support/OpenMenuWatch.h"

namespace {

class PopupMenuTest : public FramePixelsTest {
 protected:
  // Opens a two-item popup menu from a skinned window and calls check on it.
  void WithOpenMenu(std::function<void(HWND)> check) {
    Skinned();
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"First item");
    AppendMenuW(menu, MF_STRING, 2, L"Second item");
    const wintest::TOpenMenuWatch watch(std::move(check));
    RECT rect{};
    GetWindowRect(window, &rect);
    TrackPopupMenu(menu, TPM_LEFTALIGN, rect.left + 40, rect.top + 60, 0, window, nullptr);
    DestroyMenu(menu);
    EXPECT_TRUE(watch.Seen()) << "the menu never showed";
  }
  static unsigned WindowPixel(HWND window, int x, int y) {
    const HDC dc = GetWindowDC(window);
    const unsigned pixel = DibColor(GetPixel(dc, x, y));
    ReleaseDC(window, dc);
    return pixel;
  }
  // The menu's outer corners as the skin's menu background has them.
  std::pair<unsigned, unsigned> SkinCorners() {
    TBitmap& image = *data->Skin().MenuBackground->Image;
    return {SkinPixel(image, 0, 0), SkinPixel(image, image.Width() - 1, image.Height() - 1)};
  }
  static std::pair<unsigned, unsigned> MenuCorners(HWND menu) {
    RECT rect{};
    GetWindowRect(menu, &rect);
    return {WindowPixel(menu, 0, 0),
            WindowPixel(menu, rect.right - rect.left - 1, rect.bottom - rect.top - 1)};
  }
};

TEST_F(PopupMenuTest, OpenMenuWearsTheMenuBackgroundAndIsReleasedWhenItCloses) {
  ASSERT_TRUE(data->SkinControls().Contains(xcPopupMenu));
  ASSERT_FALSE(data->Skin().MenuBackground->Image->Empty());
  HWND seen = nullptr;
  WithOpenMenu([&](HWND menu) {
    seen = menu;
    EXPECT_TRUE(Manager().IsPopupMenuTracked(menu));
    // A second look finds it skinned already.
    EXPECT_EQ(1, SendMessageW(menu, SKIN_QUERY, 0, 0));
    RedrawWindow(menu, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(SkinCorners(), MenuCorners(menu));
  });
  ASSERT_NE(nullptr, seen);
  FlushEvents();
  EXPECT_FALSE(Manager().IsPopupMenuTracked(seen));
}

TEST_F(PopupMenuTest, MenusOutsideTheSkinsControlsKeepTheirOwnFrame) {
  TSkinControlTypes controls = data->SkinControls();
  controls.Exclude(xcPopupMenu);
  data->SetSkinControls(controls);
  WithOpenMenu([&](HWND menu) {
    EXPECT_FALSE(Manager().IsPopupMenuTracked(menu));
    EXPECT_NE(1, SendMessageW(menu, SKIN_QUERY, 0, 0));
    RedrawWindow(menu, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_NE(SkinCorners().first, WindowPixel(menu, 0, 0));
  });
}

TEST_F(PopupMenuTest, MenuHandlesGoToTheNewestMenuWithoutOne) {
  WithOpenMenu([&](HWND menu) {
    const HMENU shown = reinterpret_cast<HMENU>(0x1234);
    EXPECT_EQ(nullptr, Manager().FindMenuPicture(shown));
    Manager().AssignMenuHandle(shown);
    EXPECT_EQ(shown, Manager().FindPopupMenu(menu)->MenuHandle);
    RedrawWindow(menu, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    TBitmap* picture = Manager().FindMenuPicture(shown);
    ASSERT_NE(nullptr, picture);
    RECT rect{};
    GetWindowRect(menu, &rect);
    EXPECT_EQ(rect.right - rect.left, picture->Width());
  });
}

// Only a whole-frame repaint is ours; one limited to a region reaches the
// window's own procedure, as does everything once skinning is off.
TEST_F(PopupMenuTest, PartialFrameRepaintsAndAnUnskinnedProgramPassOn) {
  // Never activated, so the manager leaves its frame alone.
  const HWND bordered =
      MakeRecordingWindow(WS_POPUP | WS_BORDER, WS_EX_NOACTIVATE, nullptr, 120, 60);
  ShowWindow(bordered, SW_SHOWNA);
  TWinSkinPopMenu menu;
  ASSERT_TRUE(menu.Attach(bordered, data.get(), nullptr));
  ClearRecorded();
  SendMessageW(bordered, WM_NCPAINT, 1, 0);
  EXPECT_EQ(0, CountOf(bordered, WM_NCPAINT));
  EXPECT_EQ(SkinCorners().first, WindowPixel(bordered, 0, 0));
  const HRGN part = CreateRectRgn(0, 0, 4, 4);
  SendMessageW(bordered, WM_NCPAINT, reinterpret_cast<WPARAM>(part), 0);
  EXPECT_EQ(1, CountOf(bordered, WM_NCPAINT));
  data->SetActive(false);
  EXPECT_TRUE(PumpUntil([&] { return !Manager().Skinning(); }));
  ClearRecorded();
  SendMessageW(bordered, WM_NCPAINT, 1, 0);
  EXPECT_EQ(1, CountOf(bordered, WM_NCPAINT));
  EXPECT_EQ(1, SendMessageW(bordered, SKIN_QUERY, 0, 0));
  DeleteObject(part);
  menu.Detach();
  DestroyWindow(bordered);
}

}  // namespace
