// Date-time pickers and media players drawn a thousand times, and skinned
// and unskinned fifty times (each time making and freeing the arrow, the
// button panel and its glyphs), hold no more GDI or USER objects than after
// the first time.
#include <windows.h>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinMediaPlayer.h"
#include "tests/win32/support/HandleExpectations.h"
#include "toolkit/controls/DateTimePicker.h"
#include "toolkit/controls/MediaPlayer.h"

namespace {

class PickerPlayerHygieneTest : public SkinControlTest {
 protected:
  void SetUp() override {
    // The counter patches imports at its first snapshot: taken before
    // anything is made, it also sees what the controls made first.
    wintest::Snapshot();
    SkinControlTest::SetUp();
    UseSolidButtonFrames(*data, false);
    picker = Make<TDateTimePicker>(form.get(), 10, 10, 160, 24);
    player = Make<TMediaPlayer>(form.get(), 10, 60, 250, 30);
  }
  // Both skinned; the caller frees the objects.
  void Skin(TSkinDateTime*& pickerObject, TSkinMP*& playerObject) {
    TCanvas* canvas = &formObject->ControlCanvas();
    pickerObject = new TSkinDateTime(picker);
    pickerObject->InitSkin(formObject.get(), data.get(), false, canvas);
    playerObject = new TSkinMP(player);
    playerObject->InitSkin(formObject.get(), data.get(), false, canvas);
  }
  void RedrawBoth(const TSkinMP* playerObject) {
    RedrawWindow(picker->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RedrawWindow(playerObject->Panel()->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }

  TDateTimePicker* picker = nullptr;
  TMediaPlayer* player = nullptr;
};

TEST_F(PickerPlayerHygieneTest, ThousandDrawsHoldNoMoreHandles) {
  TSkinDateTime* pickerObject = nullptr;
  TSkinMP* playerObject = nullptr;
  Skin(pickerObject, playerObject);
  ASSERT_NE(nullptr, pickerObject->ArrowButton());
  ASSERT_NE(nullptr, playerObject->Panel());
  RedrawBoth(playerObject);  // one-time costs
  FlushEvents();
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 1000; ++i) RedrawBoth(playerObject);
  FlushEvents();
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

TEST_F(PickerPlayerHygieneTest, FiftySkinningsHoldNoMoreHandles) {
  const auto cycle = [&] {
    TSkinDateTime* pickerObject = nullptr;
    TSkinMP* playerObject = nullptr;
    Skin(pickerObject, playerObject);
    RedrawBoth(playerObject);
    for (TSkinControl* object :
         {static_cast<TSkinControl*>(pickerObject), static_cast<TSkinControl*>(playerObject)}) {
      object->Unskin();
      delete object;
    }
    FlushEvents();
  };
  cycle();  // window classes and the like, once
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 50; ++i) cycle();
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
  EXPECT_EQ(0, picker->ControlCount()) << "no arrow left behind";
}

}  // namespace
