// Windows whose frame the skin leaves to the system: every window when the
// skin data does not cover the main menu, and a window without a caption.
#include "FramePixelsFixture.h"
#include "skin/controls/SkinControl.h"
#include "skin/core/SkinMessages.h"
#include "tests/win32/support/OpenMenuWatch.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Forms.h"

namespace {

// The client rectangle's insets the system gives a window of these styles.
RECT SystemInsets(HWND window, bool menu) {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), menu,
                     static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  return frame;
}

RECT ActualInsets(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return RECT{outer.left - origin.x, outer.top - origin.y, outer.right - (origin.x + client.right),
              outer.bottom - (origin.y + client.bottom)};
}

void ExpectSameRect(const RECT& expected, const RECT& actual, const char* what) {
  EXPECT_TRUE(EqualRect(&expected, &actual))
      << what << ": expected (" << expected.left << "," << expected.top << "," << expected.right
      << "," << expected.bottom << "), got (" << actual.left << "," << actual.top << ","
      << actual.right << "," << actual.bottom << ")";
}

class UnframedTest : public FramePixelsTest {
 protected:
  int NcPaintsAfterRedraw() {
    ClearRecorded();
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    FlushEvents();
    return CountOf(window, WM_NCPAINT);
  }
};

// Without the main menu among the skin's controls the frame, caption and
// menu bar stay the system's, and the form's controls are skinned still.
TEST_F(UnframedTest, WithoutTheMainMenuControlOnlyTheControlsAreSkinned) {
  TSkinControlTypes controls = data->SkinControls();
  controls.Exclude(xcMainMenu);
  data->SetSkinControls(controls);

  window = MakeRecordingWindow(WS_OVERLAPPEDWINDOW, 0, nullptr, 320, 220);
  const HMENU menu = CreateMenu();
  AppendMenuW(menu, MF_STRING, 1, L"&File");
  SetMenu(window, menu);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  const TWinSkinForm* object = WaitUntilSkinned(window);
  ASSERT_NE(nullptr, object);
  EXPECT_FALSE(object->Window().SkinFrame);
  EXPECT_EQ(menu, GetMenu(window));
  EXPECT_EQ(nullptr, object->MenuHost().Bar());
  ExpectSameRect(SystemInsets(window, true), ActualInsets(window), "plain window's frame");
  EXPECT_EQ(ERROR, GetWindowRgn(window, TRegionHandle(CreateRectRgn(0, 0, 0, 0)).Get()));
  EXPECT_GT(NcPaintsAfterRedraw(), 0) << "the system paints the frame";
  // Alt+Space opens the system's own menu, not the skin's copy.
  const wintest::TOpenMenuWatch watch([](HWND) {});
  PressAltWith(VK_SPACE);
  EXPECT_TRUE(watch.Seen());
  EXPECT_EQ(nullptr, object->MenuHost().SystemMenuPopup());

  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  form.SetBounds(400, 40, 320, 220);
  button->HandleNeeded();  // the control pass takes windowed controls
  form.Show();
  SetForegroundWindow(form.Handle());
  const TWinSkinForm* formObject = WaitUntilSkinned(form.Handle());
  ASSERT_NE(nullptr, formObject);
  EXPECT_FALSE(formObject->Window().SkinFrame);
  ExpectSameRect(SystemInsets(form.Handle(), false), ActualInsets(form.Handle()), "form's frame");
  // Without a frame to fit the object counts as skinned from the start; the
  // control pass follows with the initialisation.
  EXPECT_TRUE(PumpUntil([&] {
    for (int i = 0; i < button->ComponentCount(); ++i) {
      if (dynamic_cast<TSkinControl*>(button->Components(i))) return true;
    }
    return false;
  }));
  // The form's handler is its own: the engine's messages are not answered.
  EXPECT_EQ(0, SendMessageW(form.Handle(), SKIN_PING, 0, kSkinMagic));
}

// No caption: no skinned frame widths, the system's client rectangle, and a
// region that is the whole window.
TEST_F(UnframedTest, WindowWithoutACaptionKeepsTheSystemsClientAreaAndAPlainRegion) {
  TWinSkinForm& object = Skinned(WS_POPUP | WS_THICKFRAME | WS_SYSMENU);
  ASSERT_EQ(bkNoCaption, object.Window().BorderKind);
  EXPECT_TRUE(object.Window().SkinFrame);
  EXPECT_EQ(0, object.Frame().Left());
  EXPECT_EQ(0, object.Frame().Top());
  EXPECT_EQ(0, object.Frame().Right());
  EXPECT_EQ(0, object.Frame().Bottom());
  EXPECT_EQ(0, object.Frame().MenuBarHeight());
  ExpectSameRect(SystemInsets(window, false), ActualInsets(window), "after skinning");

  SetWindowPos(window, nullptr, 0, 0, 360, 250, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  FlushEvents();
  ExpectSameRect(SystemInsets(window, false), ActualInsets(window), "after a resize");
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(SIMPLEREGION, GetWindowRgn(window, region.Get()));
  RECT box{};
  GetRgnBox(region.Get(), &box);
  ExpectSameRect(RECT{0, 0, 360, 250}, box, "region");
  EXPECT_GT(NcPaintsAfterRedraw(), 0) << "the system paints the frame";
}

}  // namespace
