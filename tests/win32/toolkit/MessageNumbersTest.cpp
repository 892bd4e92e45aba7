// The skin engine's private messages reach a control's WindowProc as
// themselves, and no message arriving at a window is taken for a reflected
// notification (whose LParam the toolkit would trust as an NMHDR).
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/PageControl.h"

namespace {

// Values the skin engine uses; the toolkit must leave them alone.
constexpr UINT kSkinPaintFrame = 0xBC4B;
constexpr UINT kSkinPing = 0xBC4D;
constexpr UINT kSkinApplied = 0xBC4E;
constexpr LPARAM kSkinMark = 0x41A2;

class MessageNumbersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(40, 40, 320, 240);
    pages = new TPageControl(form.get());
    pages->SetParent(form.get());
    pages->SetBounds(0, 0, 300, 200);
    one = new TTabSheet(form.get());
    one->SetPageControl(pages);
    two = new TTabSheet(form.get());
    two->SetPageControl(pages);
    pages->OnChange = [this](TObject*) { ++changes; };
    form->Show();
    FlushEvents();
  }

  std::unique_ptr<TForm> form;
  TPageControl* pages = nullptr;
  TTabSheet* one = nullptr;
  TTabSheet* two = nullptr;
  int changes = 0;
};

TEST_F(MessageNumbersTest, SkinAppliedReachesFormsAndControlsAsItself) {
  wintest::MessageLog formLog, pageLog;
  const wintest::ControlRecorder formRecorder(formLog, *form);
  const wintest::ControlRecorder pageRecorder(pageLog, *pages);
  // LParam is no pointer: read as a notification header it would fault.
  SendMessageW(form->Handle(), kSkinApplied, 0, kSkinMark);
  SendMessageW(pages->Handle(), kSkinApplied, 0, kSkinMark);
  EXPECT_EQ(1, formLog.Count(kSkinApplied));
  EXPECT_EQ(1, pageLog.Count(kSkinApplied));
  EXPECT_EQ(0, changes);
  EXPECT_EQ(one, pages->ActivePage());
}

TEST_F(MessageNumbersTest, ReflectedNumberArrivingAtTheWindowIsNoNotification) {
  SendMessageW(pages->Handle(), TCM_SETCURSEL, 1, 0);
  NMHDR header{pages->Handle(), 0, static_cast<UINT>(TCN_SELCHANGE)};
  wintest::MessageLog log;
  const wintest::ControlRecorder recorder(log, *pages);
  SendMessageW(pages->Handle(), CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(0, changes);
  EXPECT_EQ(one, pages->ActivePage());
  EXPECT_FALSE(log.Saw(CN_NOTIFY));
  // The same notification through the parent is reflected and acted on.
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(1, changes);
  EXPECT_EQ(two, pages->ActivePage());
  EXPECT_EQ(1, log.Count(CN_NOTIFY));
}

TEST_F(MessageNumbersTest, SkinPaintFrameAndPingReachAReplacedHandler) {
  const TWndMethod saved = form->WindowProc;
  form->WindowProc = [&saved](TMessage& message) {
    if ((message.Msg == kSkinPaintFrame || message.Msg == kSkinPing) &&
        message.LParam == kSkinMark) {
      message.Result = kSkinMark;
      return;
    }
    saved(message);
  };
  EXPECT_EQ(kSkinMark, SendMessageW(form->Handle(), kSkinPaintFrame, 0, kSkinMark));
  EXPECT_EQ(kSkinMark, SendMessageW(form->Handle(), kSkinPing, 0, kSkinMark));
  form->WindowProc = saved;
  // Without the hook the toolkit answers them as unknown messages.
  EXPECT_EQ(0, SendMessageW(form->Handle(), kSkinPing, 0, kSkinMark));
}

}  // namespace
