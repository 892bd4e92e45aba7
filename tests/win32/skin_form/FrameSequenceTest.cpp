// What the window's previous procedure receives once the skin sits in
// front of it.
#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/core/SkinMessages.h"
#include "tests/win32/support/MessageRecorders.h"

namespace {

TEST_F(SkinManagerTest, BeforeInitNothingIsPaintedAndActivationIsRefused) {
  const HWND window = MakeRecordingWindow();
  ASSERT_TRUE(Manager().SkinWindow(window));  // SKIN_INIT is posted, not yet handled
  ClearRecorded();
  EXPECT_EQ(0, SendMessageW(window, WM_NCPAINT, 1, 0));
  EXPECT_EQ(0, SendMessageW(window, WM_NCACTIVATE, TRUE, 0));
  EXPECT_EQ(0, CountOf(window, WM_NCPAINT));
  EXPECT_EQ(0, CountOf(window, WM_NCACTIVATE));
  DestroyWindow(window);
}

// What arrives at the window while it is skinned and repainted, and what of
// it the previous procedure gets: the frame changes, never a frame paint.
TEST_F(SkinManagerTest, SkinnedTopLevelWindowNeverPassesNcPaintOn) {
  const HWND window = MakeRecordingWindow();
  wintest::MessageLog previous, arriving;
  const std::vector<UINT> watched{SKIN_INIT, SKIN_APPLIED, WM_NCCALCSIZE, WM_NCPAINT,
                                  WM_NCACTIVATE};
  previous.Only(watched);
  arriving.Only(watched);
  const wintest::WindowProcRecorder below(previous, window);
  ShowWindow(window, SW_SHOW);  // activation attaches; SKIN_INIT waits in the queue
  ASSERT_NE(nullptr, Manager().FindFormObject(window));
  previous.Clear();
  const wintest::WindowProcRecorder above(arriving, window);
  FlushEvents();
  ASSERT_EQ(asSkinned, Manager().FindFormObject(window)->AttachState());
  constexpr const char* kRegionNote = "the region, set with a redraw, changes the frame again";
  EXPECT_SEQUENCE(arriving,
                  {{SKIN_INIT, wintest::posted | wintest::lparam, 0, kSkinInitParam},
                   {WM_NCCALCSIZE, wintest::sent | wintest::wparam, TRUE},
                   {WM_NCPAINT, wintest::sent},
                   {WM_NCCALCSIZE, wintest::sent | wintest::wparam, TRUE, 0, kRegionNote},
                   {WM_NCPAINT, wintest::sent},
                   {SKIN_APPLIED, wintest::sent | wintest::lparam, 0, kSkinMagic}},
                  "skinning, at the window");
  EXPECT_SEQUENCE(previous,
                  {{WM_NCCALCSIZE, wintest::sent | wintest::wparam, TRUE},
                   {WM_NCCALCSIZE, wintest::sent | wintest::wparam, TRUE, 0, kRegionNote},
                   {SKIN_APPLIED, wintest::sent | wintest::lparam, 0, kSkinMagic}},
                  "skinning, passed on");
  SendMessageW(window, WM_NCPAINT, 1, 0);
  SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
  SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
  FlushEvents();
  EXPECT_SEQUENCE(arriving,
                  {{WM_NCPAINT, wintest::sent},
                   {WM_NCACTIVATE, wintest::sent | wintest::wparam, FALSE},
                   {WM_NCACTIVATE, wintest::sent | wintest::wparam, TRUE}},
                  "painting and activating, at the window");
  EXPECT_SEQUENCE(previous, {}, "painting and activating, passed on");
  DestroyWindow(window);
}

TEST_F(SkinManagerTest, SizeReachesThePreviousProcedureOnce) {
  const HWND window = MakeRecordingWindow();
  ShowWindow(window, SW_SHOW);  // activation skins it through the hook
  Manager().SkinWindow(window);
  ASSERT_NE(nullptr, Manager().FindFormObject(window));
  FlushEvents();
  ClearRecorded();
  SetWindowPos(window, nullptr, 0, 0, 350, 260, SWP_NOMOVE | SWP_NOZORDER);
  FlushEvents();
  EXPECT_EQ(1, CountOf(window, WM_SIZE));
  DestroyWindow(window);
}

TEST_F(SkinManagerTest, SecondQueryAttachesNothing) {
  const HWND window = MakeRecordingWindow();
  ASSERT_TRUE(Manager().SkinWindow(window));
  FlushEvents();
  EXPECT_EQ(1, SendMessageW(window, SKIN_QUERY, 0, 0));
  EXPECT_FALSE(Manager().SkinWindow(window));
  EXPECT_EQ(1u, Manager().FormObjects().size());
  DestroyWindow(window);
}

TEST_F(SkinManagerTest, PlainChildWindowGetsTheFirstStageOnly) {
  const HWND parent = MakeRecordingWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  FlushEvents();
  const HWND child = MakeRecordingWindow(WS_CHILD | WS_VISIBLE | WS_CAPTION, 0, parent, 120, 80);
  EXPECT_FALSE(Manager().SkinWindow(child));  // the manager refuses plain children
  // Attached by hand, its frame stays the system's.
  TWinSkinForm object(nullptr);
  object.Bind(child, 0, "");
  object.AttachWindow(data.get());
  SendMessageW(child, SKIN_INIT, 0, kSkinInitParam);
  ClearRecorded();
  RedrawWindow(child, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  SendMessageW(child, WM_NCHITTEST, 0, 0);
  EXPECT_GE(CountOf(child, WM_NCPAINT), 1);
  EXPECT_EQ(1, CountOf(child, WM_NCHITTEST));
  EXPECT_EQ(1, SendMessageW(child, SKIN_QUERY, 0, 0));  // stage 1 still answers
  object.Unskin();
  DestroyWindow(parent);
}

TEST_F(SkinManagerTest, DestroyedWindowIsSweptAway) {
  const HWND window = MakeRecordingWindow();
  ASSERT_TRUE(Manager().SkinWindow(window));
  FlushEvents();
  DestroyWindow(window);
  EXPECT_EQ(asGone, Manager().FindFormObject(window)->AttachState());
  Manager().Purge();
  EXPECT_TRUE(Manager().FormObjects().empty());
}

TEST_F(SkinManagerTest, AfterTheManagerGoesWindowsAreTheirOwnAgain) {
  const HWND window = MakeRecordingWindow();
  const LONG_PTR own = GetWindowLongPtrW(window, GWLP_WNDPROC);
  ShowWindow(window, SW_SHOW);  // activation skins it through the hook
  Manager().SkinWindow(window);
  ASSERT_NE(nullptr, Manager().FindFormObject(window));
  FlushEvents();
  EXPECT_NE(own, GetWindowLongPtrW(window, GWLP_WNDPROC));
  DestroySkinManager();
  EXPECT_EQ(own, GetWindowLongPtrW(window, GWLP_WNDPROC));
  ClearRecorded();
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
  EXPECT_GE(CountOf(window, WM_NCPAINT), 1);
  EXPECT_EQ(1, CountOf(window, WM_NCACTIVATE));
  // Activations no longer skin anything: the hook only passes them on.
  const HWND later = MakeRecordingWindow();
  ShowWindow(later, SW_SHOW);
  SetForegroundWindow(later);
  FlushEvents();
  EXPECT_NE(1, SendMessageW(later, SKIN_QUERY, 0, 0));
  DestroyWindow(later);
  DestroyWindow(window);
}

// A raw MDI frame: its maximised child keeps its own non-client painting.
HWND MakeMdiFrame(HWND& client) {
  static const ATOM cls = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
      return DefFrameProcW(w, FindWindowExW(w, nullptr, L"MDIClient", nullptr), m, wp, lp);
    };
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SkinTestMdiFrame";
    return RegisterClassW(&wc);
  }();
  const HWND frame =
      CreateWindowExW(0, MAKEINTATOM(cls), L"Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                      400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  CLIENTCREATESTRUCT ccs{};
  client = CreateWindowExW(0, L"MDIClient", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                           480, 360, frame, nullptr, GetModuleHandleW(nullptr), &ccs);
  return frame;
}

LRESULT CALLBACK MdiChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  Recorded().push_back({window, msg, wParam});
  return DefMDIChildProcW(window, msg, wParam, lParam);
}

TEST_F(SkinManagerTest, MaximisedMdiChildPassesNcPaintOn) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = MdiChildProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"SkinTestMdiChild";
  RegisterClassW(&wc);
  HWND client = nullptr;
  const HWND frame = MakeMdiFrame(client);
  // Created through the hook: MDI children are considered at creation.
  const HWND child = CreateMDIWindowW(L"SkinTestMdiChild", L"Child", WS_MAXIMIZE | WS_VISIBLE, 0, 0,
                                      200, 150, client, GetModuleHandleW(nullptr), 0);
  ASSERT_NE(nullptr, child);
  FlushEvents();
  TWinSkinForm* object = Manager().FindFormObject(child);
  ASSERT_NE(nullptr, object);
  EXPECT_EQ(mkChild, object->Window().MDIKind);
  ClearRecorded();
  SendMessageW(child, WM_NCPAINT, 1, 0);
  EXPECT_EQ(1, CountOf(child, WM_NCPAINT));
  DestroyWindow(frame);
}

}  // namespace
