// A skinned raw MDI frame and its children: what maximising, tiling,
// creating and destroying children change, the client's scroll bars, the
// children's own frames, and their titles, read back from the windows.
#include <memory>
#include <vector>

#include "FramePixelsFixture.h"
#include "skin/form/SkinMenuBar.h"
#include "toolkit/controls/MdiFrameWindows.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

constexpr wchar_t kChildClass[] = L"SkinMdiTestChild";

// The children's own procedure records what the skin passes on to it.
LRESULT CALLBACK RecordingChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  Recorded().push_back({window, msg, wParam});
  return DefMDIChildProcW(window, msg, wParam, lParam);
}

void RegisterRecordingChildClass() {
  WNDCLASSW cls{};
  if (GetClassInfoW(GetModuleHandleW(nullptr), kChildClass, &cls)) return;
  cls.lpfnWndProc = RecordingChildProc;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  cls.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  cls.lpszClassName = kChildClass;
  RegisterClassW(&cls);
}

class MdiFrameTest : public SkinManagerTest {
 protected:
  // The frame, with a menu bar, skinned by its activation; each child
  // skinned through the manager, as a child made later would be.
  TWinSkinForm& SkinnedFrame() {
    const HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&File");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&Window");
    RegisterRecordingChildClass();
    TMdiFrameArgs args;
    args.FrameClass = L"SkinMdiTestFrame";
    args.ChildClass = kChildClass;
    args.Title = L"Frame";
    args.Origin = POINT{20, 20};
    args.Size = SIZE{520, 380};
    args.Menu = menu;
    args.ChildSize = SIZE{220, 150};
    args.ChildTitles = {L"First", L"Second"};
    mdi = std::make_unique<TMdiFrameWindows>(args);
    ShowWindow(Frame(), SW_SHOW);
    SetForegroundWindow(Frame());
    TWinSkinForm& frame = SkinnedObject(Frame());
    for (const HWND child : mdi->Children()) {
      if (!Manager().FindFormObject(child)) Manager().SkinWindow(child);
      EXPECT_NE(nullptr, WaitUntilSkinned(child));
    }
    return frame;
  }
  HWND Frame() const { return mdi->Frame(); }
  HWND Client() const { return mdi->Client(); }
  HWND Child(size_t i) const { return mdi->Children()[i]; }
  HWND NewChild(const wchar_t* title) {
    MDICREATESTRUCTW create{kChildClass, title, GetModuleHandleW(nullptr), 10, 10, 200, 140, 0, 0};
    return reinterpret_cast<HWND>(
        SendMessageW(Client(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  }
  bool FlagOn() { return Manager().FindFormObject(Frame())->Session()->MdiMaximised(); }
  static bool HasRegion(HWND window) {
    const TRegionHandle probe(CreateRectRgn(0, 0, 0, 0));
    return GetWindowRgn(window, probe.Get()) != ERROR;
  }
  // The right half of the skinned menu bar, where a maximised child's
  // buttons go, as the frame paints it now.
  std::vector<unsigned> BarButtonsPixels(TWinSkinForm& frame) {
    RECT r{};
    GetWindowRect(Frame(), &r);
    const int width = r.right - r.left;
    DibSurface dib(width, r.bottom - r.top);
    frame.PaintFrame(dib.dc());
    std::vector<unsigned> pixels;
    const int top = frame.Frame().Top();
    for (int y = top; y < top + frame.Frame().MenuBarHeight(); ++y)
      for (int x = width / 2; x < width; ++x) pixels.push_back(dib.Pixel(x, y));
    return pixels;
  }
  // A fresh manager and skin data for the next case of a table.
  void Restart() {
    TearDown();
    SetUp();
  }
  static void Settle() {
    PumpUntil([] { return false; }, 300);
  }
  void TearDown() override {
    mdi.reset();
    SkinManagerTest::TearDown();
  }

  std::unique_ptr<TMdiFrameWindows> mdi;
};

// Tiling or cascading restores a maximised child: the manager's state goes
// off first, so the restored children take their skinned shape again.
TEST_F(MdiFrameTest, TileAndCascadeGiveTheChildrenTheirShapeBack) {
  for (const UINT arrange : {UINT{WM_MDITILE}, UINT{WM_MDICASCADE}}) {
    SCOPED_TRACE(arrange == WM_MDITILE ? "tile" : "cascade");
    SkinnedFrame();
    ASSERT_TRUE(HasRegion(Child(0)) && HasRegion(Child(1)));
    SendMessageW(Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Child(0)), 0);
    Settle();
    EXPECT_TRUE(FlagOn());
    EXPECT_FALSE(HasRegion(Child(0)));
    EXPECT_FALSE(HasRegion(Child(1)));
    SendMessageW(Client(), arrange, 0, 0);
    Settle();
    EXPECT_FALSE(FlagOn());
    EXPECT_FALSE(IsZoomed(Child(0)));
    EXPECT_TRUE(HasRegion(Child(0)));
    EXPECT_TRUE(HasRegion(Child(1)));
    Restart();
  }
}

// While children are open the bar does not follow changes to its menu;
// the last child gone, it reads its menu again and shows no child's buttons.
TEST_F(MdiFrameTest, CreatingAndDestroyingChildrenSwitchTheMenuUpdate) {
  TWinSkinForm& frame = SkinnedFrame();
  ASSERT_NE(nullptr, frame.MenuHost().Bar());
  ASSERT_TRUE(data->MenuUpdate());
  const std::vector<unsigned> noButtons = BarButtonsPixels(frame);
  const HWND third = NewChild(L"Third");
  ASSERT_NE(nullptr, third);
  EXPECT_FALSE(data->MenuUpdate());
  SendMessageW(Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(third), 0);
  Settle();
  EXPECT_NE(noButtons, BarButtonsPixels(frame)) << "the maximised child's buttons are in the bar";
  EXPECT_TRUE(FlagOn());
  const HMENU menu = frame.MenuHost().Bar()->MenuHandle;
  ModifyMenuW(menu, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(GetSubMenu(menu, 0)),
              L"&Document");
  for (const HWND child : {third, Child(0), Child(1)}) {
    EXPECT_FALSE(data->MenuUpdate()) << "children are left";
    EXPECT_EQ(L"&File", frame.MenuHost().Bar()->Item(0)->Caption);
    SendMessageW(Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    Settle();
    BOOL maximised = FALSE;
    const auto active =
        SendMessageW(Client(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised));
    EXPECT_EQ(active && maximised, FlagOn());
  }
  EXPECT_TRUE(data->MenuUpdate());
  EXPECT_FALSE(FlagOn());
  ASSERT_EQ(2, frame.MenuHost().Bar()->ItemCount());
  EXPECT_EQ(L"&Document", frame.MenuHost().Bar()->Item(0)->Caption);
  EXPECT_EQ(noButtons, BarButtonsPixels(frame));
}

// The client showing its scroll bars: the skinned frame takes them away
// as the client's frame is computed, unless the option keeps them, and the
// client area has room for them only when they stay.
TEST_F(MdiFrameTest, ClientScrollBarsOnlyWithTheOption) {
  for (const bool keep : {true, false}) {
    SCOPED_TRACE(keep ? "xoMDIScrollbar" : "without xoMDIScrollbar");
    data->SetOptions(keep ? data->Options() + TSkinOptions{xoMDIScrollbar}
                          : data->Options() - TSkinOptions{xoMDIScrollbar});
    SkinnedFrame();
    ShowScrollBar(Client(), SB_BOTH, TRUE);
    Settle();
    const auto style = GetWindowLongPtrW(Client(), GWL_STYLE);
    EXPECT_EQ(keep, (style & WS_VSCROLL) != 0);
    EXPECT_EQ(keep, (style & WS_HSCROLL) != 0);
    RECT window{}, area{};
    GetWindowRect(Client(), &window);
    GetClientRect(Client(), &area);
    const int edges = 2 * GetSystemMetrics(SM_CXEDGE);
    EXPECT_EQ(keep, area.right < window.right - window.left - edges);
    Restart();
  }
}

// With xoMDIChildBorder the children keep the system's frame: their own
// procedure paints it, they get no region, and the maximised state of the
// frame's children reaches none of them.
TEST_F(MdiFrameTest, ChildBorderOptionLeavesTheChildrenTheirSystemFrame) {
  for (const bool systemBorder : {true, false}) {
    SCOPED_TRACE(systemBorder ? "xoMDIChildBorder" : "skinned child frames");
    data->SetOptions(systemBorder ? data->Options() + TSkinOptions{xoMDIChildBorder}
                                  : data->Options() - TSkinOptions{xoMDIChildBorder});
    TWinSkinForm& frame = SkinnedFrame();
    const TWinSkinForm& child = *Manager().FindFormObject(Child(1));
    EXPECT_EQ(!systemBorder, child.Window().SkinFrame);
    EXPECT_EQ(!systemBorder, HasRegion(Child(1)));
    ClearRecorded();
    SendMessageW(Child(1), WM_NCPAINT, 1, 0);
    EXPECT_EQ(systemBorder ? 1 : 0, CountOf(Child(1), WM_NCPAINT));

    ClearRecorded();
    frame.Session()->SetMdiMaximised(true);
    EXPECT_FALSE(HasRegion(Child(1)));
    frame.Session()->SetMdiMaximised(false);
    Settle();
    EXPECT_EQ(!systemBorder, HasRegion(Child(1)));
    if (systemBorder) {
      EXPECT_EQ(0, CountOf(Child(1), WM_NCCALCSIZE));
      EXPECT_EQ(0, CountOf(Child(1), WM_WINDOWPOSCHANGED));
    }
    Restart();
  }
}

// A new title on a child shows at once where its caption is: on the
// child's skinned frame, or in the frame's caption while it is maximised.
// What shows is what a full repaint gives.
TEST_F(MdiFrameTest, ANewChildTitleShowsInTheSkinnedCaption) {
  for (const bool maximised : {false, true}) {
    SCOPED_TRACE(maximised ? "maximised" : "normal");
    SkinnedFrame();
    if (maximised) SendMessageW(Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Child(0)), 0);
    SendMessageW(Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Child(0)), 0);
    Settle();
    const HWND shown = maximised ? Frame() : Child(0);
    const int band = Manager().FindFormObject(shown)->Frame().Top();
    ASSERT_GT(band, 4);
    const std::vector<unsigned> before = CaptionBand(shown, band);
    SetWindowTextW(Child(0), L"A much longer new title");
    Settle();
    const std::vector<unsigned> after = CaptionBand(shown, band);
    RedrawWindow(shown, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Settle();
    EXPECT_NE(before, after);
    EXPECT_EQ(CaptionBand(shown, band), after);
    Restart();
  }
}

}  // namespace
