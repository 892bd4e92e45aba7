// GDI and USER objects stay where they were however often a skinned frame
// is repainted, unskinned and skinned again.
#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/core/SkinMessages.h"
#include "tests/win32/support/HandleExpectations.h"
#include "toolkit/controls/Forms.h"

namespace {

TEST_F(SkinManagerTest, TenThousandFrameRepaintsHoldNoMoreObjects) {
  TForm form(nullptr);
  form.SetBounds(30, 30, 320, 220);
  form.SetCaption("A caption long enough to be cut short by the caption buttons of the skin");
  form.Show();
  SetForegroundWindow(form.Handle());
  ASSERT_NE(nullptr, WaitUntilSkinned(form.Handle()));
  const HWND window = form.Handle();
  // The first round makes what is kept (caption buffer, icon copies).
  SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
  SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
  SendMessageW(window, SKIN_REPAINTFRAME, 0, 0);
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 10000; ++i) {
    if (i % 100 == 0) SendMessageW(window, WM_NCACTIVATE, (i / 100) % 2 == 0 ? FALSE : TRUE, 0);
    SendMessageW(window, SKIN_REPAINTFRAME, 0, 0);
  }
  SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

TEST_F(SkinManagerTest, ThousandUnskinReskinCyclesHoldNoMoreObjects) {
  TForm form(nullptr);
  form.SetBounds(30, 30, 320, 220);
  form.Show();
  SetForegroundWindow(form.Handle());
  const HWND window = form.Handle();
  ASSERT_NE(nullptr, WaitUntilSkinned(window));
  const auto skinned = [&] {
    const TWinSkinForm* o = Manager().FindFormObject(window);
    return o && o->AttachState() == asSkinned;
  };
  // One cycle: command 2 then command 1, run at once instead of on the timer.
  const auto cycle = [&] {
    Manager().SetCurrentSkinData(data.get());
    Manager().PostCommand(scmUnskin, 1);
    Manager().RunPendingCommand();
    Manager().SetCurrentSkinData(data.get());
    Manager().PostCommand(scmSkin, 1);
    Manager().RunPendingCommand();
    FlushEvents();
    // Painted once, so every cycle ends holding the same buffers.
    SendMessageW(window, SKIN_REPAINTFRAME, 0, 0);
  };
  cycle();  // the warm-up makes what every later cycle keeps
  ASSERT_TRUE(skinned());
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 1000; ++i) cycle();
  ASSERT_TRUE(skinned());
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

}  // namespace
