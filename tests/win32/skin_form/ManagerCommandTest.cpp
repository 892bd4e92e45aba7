// The skin data's commands carried out by the real manager: skin, unskin
// and re-skin, for every form and for one.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/core/SkinMessages.h"
#include "tests/win32/support/MessageRecorders.h"
#include "toolkit/controls/Forms.h"

namespace {

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}

SIZE WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

bool operator==(SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; }

// Brought to the front, the window is skinned by the manager's hook.
bool ActivatedAndSkinned(HWND window) {
  SetForegroundWindow(window);
  return WaitUntilSkinned(window) != nullptr;
}

TEST(SkinManagerCommands, BeforeAnyActivationCommandsOnlySwitch) {
  EnsureToolkit();
  InstallSkinManager();
  auto data = MakeSkinData();
  data->Loaded();  // inactive: the manager exists, skinning is off
  TSkinManage& manager = *TSkinManage::Instance();
  ASSERT_EQ(0, manager.RunCount());
  int changed = 0;
  data->OnSkinChanged = [&](TObject*) { ++changed; };
  manager.SetCurrentSkinData(data.get());
  manager.PostCommand(scmSkin, 10);
  EXPECT_TRUE(manager.Skinning());
  manager.PostCommand(scmUnskin, 10);
  EXPECT_FALSE(manager.Skinning());
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(0, changed);  // nothing was carried out
  DestroySkinManager();
}

TEST_F(SkinManagerTest, UnskinKeepsTheClientAreaAndReskinBringsTheFrameBack) {
  TForm form(nullptr);
  form.SetBounds(30, 30, 300, 200);
  form.Show();
  const HWND window = form.Handle();
  const SIZE client = ClientSize(window);
  const SIZE outer = WindowSize(window);
  ASSERT_TRUE(ActivatedAndSkinned(window));
  EXPECT_TRUE(ClientSize(window) == client);
  const TWinSkinForm& object = *Manager().FindFormObject(window);
  const SIZE skinned = WindowSize(window);
  EXPECT_EQ(client.cx + object.Frame().Left() + object.Frame().Right(), skinned.cx);
  EXPECT_EQ(client.cy + object.Frame().Top() + object.Frame().Bottom(), skinned.cy);

  int changed = 0;
  data->OnSkinChanged = [&](TObject*) { ++changed; };
  const DWORD asked = GetTickCount();
  data->SetActive(false);  // command 2 after its delay of 250 ms
  EXPECT_NE(nullptr, Manager().FindFormObject(window));
  ASSERT_TRUE(PumpUntil([&] { return Manager().FormObjects().empty(); }));
  EXPECT_GE(GetTickCount() - asked, 240u);  // a timer never fires early; ticks are coarse
  EXPECT_EQ(1, changed);
  EXPECT_TRUE(ClientSize(window) == client);
  EXPECT_TRUE(WindowSize(window) == outer);
  EXPECT_NE(1, SendMessageW(window, SKIN_QUERY, 0, 0));

  data->SetActive(true);  // command 1: every visible form again
  ASSERT_TRUE(PumpUntil([&] { return Manager().FindFormObject(window) != nullptr; }));
  EXPECT_EQ(2, changed);
  ASSERT_NE(nullptr, WaitUntilSkinned(window));
  EXPECT_TRUE(ClientSize(window) == client);

  data->ApplySkin();  // command 3 re-applies, the window keeps its client area
  ASSERT_TRUE(PumpUntil([&] { return changed == 3; }));
  EXPECT_TRUE(ClientSize(window) == client);
  EXPECT_EQ(asSkinned, Manager().FindFormObject(window)->AttachState());
}

// Windows draws a new title from DefWindowProc without asking the frame to
// repaint (Wine sends WM_NCPAINT); while this subclass is on, the frame
// hears no such request and the skin has to show the title itself.
LRESULT CALLBACK WithoutFramePaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR) {
  if (message == WM_NCPAINT) return 0;
  return DefSubclassProc(window, message, wParam, lParam);
}

// A new title shows in the skin's caption at once, whatever the placement:
// what is on screen after the change is what a full repaint of the frame
// gives, and not the old title. A normal window has its frame fitted anew,
// which repaints it; a maximised one keeps its frame and paints it itself.
TEST_F(SkinManagerTest, ANewTitleShowsInTheSkinnedCaptionNormalAndMaximised) {
  for (const bool maximised : {false, true}) {
    SCOPED_TRACE(maximised ? "maximised" : "normal");
    TForm form(nullptr);
    form.SetBounds(30, 30, 300, 200);
    form.SetCaption("Old");
    form.Show();
    ASSERT_TRUE(ActivatedAndSkinned(form.Handle()));
    const TWinSkinForm& object = *Manager().FindFormObject(form.Handle());
    // Wine on a bare X server restores a maximised window soon after (a
    // posted SC_RESTORE), so that case is read before messages are handled.
    const auto settle = [&] {
      if (!maximised) PumpUntil([] { return false; }, 300);
    };
    if (maximised) ShowWindow(form.Handle(), SW_MAXIMIZE);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_EQ(maximised ? plMaximised : plNormal, object.Window().Placement);
    const int band = object.Frame().Top();
    ASSERT_GT(band, 4);
    const std::vector<unsigned> before = CaptionBand(form.Handle(), band);
    if (maximised) SetWindowSubclass(form.Handle(), &WithoutFramePaints, 1, 0);
    form.SetCaption("A much longer new title");
    if (maximised) RemoveWindowSubclass(form.Handle(), &WithoutFramePaints, 1);
    settle();
    const std::vector<unsigned> shown = CaptionBand(form.Handle(), band);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    settle();
    EXPECT_NE(before, shown);
    EXPECT_EQ(CaptionBand(form.Handle(), band), shown);
  }
}

// A form's own skin data loaded after the first activation counts the run
// past 1; a new skin for every form must still re-skin them, or the refresh
// leaves them without caption buttons.
TEST_F(SkinManagerTest, ApplySkinReskinsWithASecondSkinDataLoaded) {
  TForm form(nullptr);
  form.SetBounds(30, 30, 300, 200);
  form.Show();
  ASSERT_TRUE(ActivatedAndSkinned(form.Handle()));
  TForm other(nullptr);
  auto own = MakeSkinData(&other, sfOnlyThisForm);
  own->Loaded();
  ASSERT_EQ(2, Manager().RunCount());
  wintest::MessageLog log;
  log.Only({SKIN_APPLIED});
  const wintest::WindowProcRecorder recorder(log, form.Handle());
  int changed = 0;
  data->OnSkinChanged = [&](TObject*) { ++changed; };
  data->ApplySkin();
  ASSERT_TRUE(PumpUntil([&] { return changed == 1; }));
  EXPECT_SEQUENCE(log, {{SKIN_APPLIED, wintest::sent | wintest::lparam, 0, kSkinMagic}},
                  "re-skinned");
  data->OnSkinChanged = nullptr;
  Manager().UnregisterSkinData(own.get());
}

TEST_F(SkinManagerTest, OnlyThisFormCommandsTouchTheirOwnForm) {
  TForm mine(nullptr);
  mine.SetBounds(30, 30, 300, 200);
  TForm other(nullptr);
  other.SetBounds(60, 60, 300, 200);
  auto own = MakeSkinData(&mine, sfOnlyThisForm);
  own->SetActive(true);
  own->Loaded();  // registered; its form is not shown yet
  mine.Show();
  other.Show();
  FlushEvents();
  ASSERT_NE(nullptr, Manager().FindFormObject(mine.Handle()));
  EXPECT_EQ(own.get(), Manager().FindFormObject(mine.Handle())->SkinData());
  Manager().SkinWindow(other.Handle());
  FlushEvents();
  ASSERT_NE(nullptr, Manager().FindFormObject(other.Handle()));

  {
    // Command 3 for this form only: the skin is applied again to it alone.
    wintest::MessageLog mineLog, otherLog;
    mineLog.Only({SKIN_APPLIED});
    otherLog.Only({SKIN_APPLIED});
    const wintest::WindowProcRecorder mineRecorder(mineLog, mine.Handle());
    const wintest::WindowProcRecorder otherRecorder(otherLog, other.Handle());
    int changed = 0;
    own->OnSkinChanged = [&](TObject*) { ++changed; };
    own->ApplySkin();
    ASSERT_TRUE(PumpUntil([&] { return changed == 1; }));
    EXPECT_SEQUENCE(mineLog, {{SKIN_APPLIED, wintest::sent | wintest::lparam, 0, kSkinMagic}},
                    "re-skinned, this form");
    EXPECT_SEQUENCE(otherLog, {}, "re-skinned, the other form");
    own->OnSkinChanged = nullptr;
  }
  own->SetActive(false);  // command 2 for this form only
  ASSERT_TRUE(PumpUntil([&] { return Manager().FindFormObject(mine.Handle()) == nullptr; }));
  EXPECT_NE(nullptr, Manager().FindFormObject(other.Handle()));
  Manager().UnregisterSkinData(own.get());
}

// Looked at as the command returns. Any frame change of a maximised window,
// ours included (taking the region away, and the system's frame coming
// back, are one), makes Wine's X11 driver restore the window with
// SC_RESTORE once it reads the X events that follow, when no window manager
// keeps the window's maximised state; a plain window is restored the same way.
TEST_F(SkinManagerTest, UnskinLeavesAMaximisedWindowMaximisedAtItsSize) {
  const HWND window = MakeRecordingWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_TRUE(ActivatedAndSkinned(window));
  SendMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  FlushEvents();
  ASSERT_TRUE(IsZoomed(window));
  const TWinSkinForm& object = *Manager().FindFormObject(window);
  ASSERT_EQ(plMaximised, object.Window().Placement);
  ASSERT_TRUE(object.Frame().HasRegion());
  const SIZE systemFrame{object.Frame().StandardFrameSize().right,
                         object.Frame().StandardFrameSize().bottom};
  RECT maximised{};
  GetWindowRect(window, &maximised);
  {
    wintest::MessageLog log;
    log.Only({WM_SIZE, WM_SYSCOMMAND});
    const wintest::WindowProcRecorder arriving(log, window);
    Manager().SetCurrentSkinData(data.get());
    Manager().PostCommand(scmUnskin, 1);
    Manager().RunPendingCommand();
    EXPECT_SEQUENCE(
        log, {{WM_SIZE, wintest::sent | wintest::defwinproc | wintest::wparam, SIZE_MAXIMIZED}},
        "unskinned while maximised");
  }
  EXPECT_TRUE(Manager().FormObjects().empty());
  EXPECT_TRUE(IsZoomed(window));
  RECT now{};
  GetWindowRect(window, &now);
  EXPECT_TRUE(EqualRect(&maximised, &now));
  const SIZE client = ClientSize(window);
  EXPECT_EQ(systemFrame.cx, (now.right - now.left) - client.cx);
  EXPECT_EQ(systemFrame.cy, (now.bottom - now.top) - client.cy);
  EXPECT_NE(0, GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU);
  const TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(ERROR, GetWindowRgn(window, region.Get()));
  DestroyWindow(window);
}

}  // namespace
