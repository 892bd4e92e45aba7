// Popup menu windows under the manager: the skin's frame painted around a
// real menu opened with TrackPopupMenu, read back while the menu is up; the
// print and erase answers of the menu window, into a memory DC.
#include <functional>
#include <utility>

#include "FramePixelsFixture.h"
#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/manage/WinSkinPopMenu.h"
#include "tests/win32/support/OpenMenuWatch.h"
#include "toolkit/graphics/ScopedHandles.h"

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

// A stand-in for a menu window's own procedure: it prints and erases in
// colours of its own over the whole DC, and notes the DC's state it got.
struct MenuProcedureProbe {
  static constexpr COLORREF kItems = RGB(0x21, 0xC4, 0x35);
  static constexpr COLORREF kErased = RGB(0xB2, 0x1E, 0x77);
  static constexpr LRESULT kPrintResult = 77, kEraseResult = 55;
  static inline int printed = 0, erased = 0, bkMode = 0, clipKind = 0;
  static inline RECT clip{};

  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PRINT && msg != WM_ERASEBKGND) return DefWindowProcW(window, msg, wParam, lParam);
    const auto dc = reinterpret_cast<HDC>(wParam);
    RECT all{};
    GetWindowRect(window, &all);
    OffsetRect(&all, -all.left, -all.top);
    const TBrushHandle brush(CreateSolidBrush(msg == WM_PRINT ? kItems : kErased));
    FillRect(dc, &all, brush.Get());
    if (msg == WM_ERASEBKGND) {
      ++erased;
      return kEraseResult;
    }
    ++printed;
    bkMode = GetBkMode(dc);
    clipKind = GetClipBox(dc, &clip);
    return kPrintResult;
  }
  static HWND Make(int width, int height) {
    printed = erased = bkMode = clipKind = 0;
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TapvaneMenuProbe";
    RegisterClassW(&wc);  // a second registration fails harmlessly
    // Never shown nor activated, so the manager leaves it to the menu object.
    return CreateWindowExW(WS_EX_NOACTIVATE, wc.lpszClassName, L"", WS_POPUP, 0, 0, width, height,
                           nullptr, nullptr, wc.hInstance, nullptr);
  }
};

// Printing (as the system does for a menu's opening animation): the frame
// picture goes whole into the DC, the menu prints its items only inside the
// 3-pixel frame on a transparent background, and the DC gets back its
// background mode and clip region. Without a menu background the menu
// prints itself alone.
TEST_F(PopupMenuTest, PrintPutsTheItemsInsideTheFrameAndGivesTheDcBack) {
  constexpr int kW = 90, kH = 70, kEdge = 3;
  using Probe = MenuProcedureProbe;
  struct Case {
    bool picture;     // the skin has a menu background
    bool callerClip;  // the DC came with a clip region of its own
  };
  for (const Case c : {Case{true, false}, Case{true, true}, Case{false, false}}) {
    SCOPED_TRACE(testing::Message()
                 << "picture " << c.picture << ", caller's clip " << c.callerClip);
    TBitmap savedImage;
    savedImage.Assign(data->Skin().MenuBackground->Image.get());
    if (!c.picture) data->Skin().MenuBackground->Image->Clear();
    const HWND window = Probe::Make(kW, kH);
    TWinSkinPopMenu menu;
    ASSERT_TRUE(menu.Attach(window, data.get(), nullptr));
    DibSurface dib(kW, kH);
    dib.Fill(kSentinel);
    SetBkMode(dib.dc(), OPAQUE);
    const RECT callers{0, 0, kW, kH - 10};
    const TRegionHandle callersClip(CreateRectRgnIndirect(&callers));
    if (c.callerClip) SelectClipRgn(dib.dc(), callersClip.Get());

    EXPECT_EQ(Probe::kPrintResult,
              SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dib.dc()),
                           PRF_CLIENT | PRF_NONCLIENT));
    EXPECT_EQ(1, Probe::printed);
    const RECT inner{kEdge, kEdge, kW - kEdge, kH - kEdge};
    const RECT visible = c.callerClip ? callers : RECT{0, 0, kW, kH};
    RECT printable{};
    IntersectRect(&printable, &inner, &visible);
    if (c.picture) {
      EXPECT_EQ(TRANSPARENT, Probe::bkMode);
      EXPECT_EQ(SIMPLEREGION, Probe::clipKind);
      EXPECT_TRUE(EqualRect(&printable, &Probe::clip));
      EXPECT_EQ(kW, menu.FramePicture().Width());
    } else {
      EXPECT_EQ(OPAQUE, Probe::bkMode);
    }
    // Each pixel: nothing outside the caller's clip, the items inside the
    // frame, the picture (or, without one, the items too) on the frame.
    int wrong = 0;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) {
        const POINT at{x, y};
        const unsigned expected = !PtInRect(&visible, at) ? DibColor(kSentinel)
                                  : PtInRect(&inner, at) || !c.picture
                                      ? DibColor(Probe::kItems)
                                      : SkinPixel(menu.FramePicture(), x, y);
        wrong += dib.Pixel(x, y) != expected;
      }
    EXPECT_EQ(0, wrong) << "pixels not as expected";
    // The caller's DC as it was.
    EXPECT_EQ(OPAQUE, GetBkMode(dib.dc()));
    const TRegionHandle after(CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(c.callerClip ? 1 : 0, GetClipRgn(dib.dc(), after.Get()));
    if (c.callerClip) {
      RECT box{};
      GetRgnBox(after.Get(), &box);
      EXPECT_TRUE(EqualRect(&callers, &box));
    }
    menu.Detach();
    DestroyWindow(window);
    data->Skin().MenuBackground->Image->Assign(&savedImage);
  }
}

// Erasing answers 1 either way; the menu's own erase runs unless the skin's
// menu background option makes the picture the background.
TEST_F(PopupMenuTest, EraseAnswersOneAndTheMenuBackgroundOptionKeepsTheMenuFromErasing) {
  using Probe = MenuProcedureProbe;
  for (const bool menuBackground : {false, true}) {
    SCOPED_TRACE(menuBackground ? "with the option" : "without the option");
    TSkinOptions options = data->Options();
    if (menuBackground) {
      options.Include(xoMenuBG);
    } else {
      options.Exclude(xoMenuBG);
    }
    data->SetOptions(options);
    const HWND window = Probe::Make(60, 40);
    TWinSkinPopMenu menu;
    ASSERT_TRUE(menu.Attach(window, data.get(), nullptr));
    DibSurface dib(60, 40);
    dib.Fill(kSentinel);
    EXPECT_EQ(1, SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dib.dc()), 0));
    EXPECT_EQ(menuBackground ? 0 : 1, Probe::erased);
    const unsigned expected = menuBackground ? DibColor(kSentinel) : DibColor(Probe::kErased);
    EXPECT_EQ(60 * 40, CountPixels(dib, RECT{0, 0, 60, 40}, expected));
    menu.Detach();
    DestroyWindow(window);
  }
}

}  // namespace
