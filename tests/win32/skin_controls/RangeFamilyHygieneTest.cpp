// Progress bars (both styles, standing and lying), up-downs, track bars,
// combo boxes and the drop-down list's scroll bar drawn a thousand times
// each hold no more GDI or USER objects than after the first draw.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/ComboxScrollBar.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"
#include "tests/win32/support/HandleExpectations.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/ProgressBar.h"
#include "toolkit/controls/TrackBar.h"
#include "toolkit/controls/UpDown.h"

namespace {

class RangeFamilyHygieneTest : public SkinControlTest {};

TEST_F(RangeFamilyHygieneTest, ThousandDrawsHoldNoMoreHandles) {
  TCanvas* canvas = &formObject->ControlCanvas();
  auto* lying = Make<TProgressBar>(form.get(), 10, 10, 150, 16);
  lying->SetPosition(40);
  auto* standing = Make<TProgressBar>(form.get(), 170, 10, 16, 120);
  standing->SetOrientation(pbVertical);
  standing->SetPosition(60);
  auto* arrows = Make<TUpDown>(form.get(), 200, 10, 18, 36);
  auto* track = Make<TTrackBar>(form.get(), 10, 140, 200, 40);
  auto* combo = Make<TComboBox>(form.get(), 10, 40, 150, 24);
  for (int i = 0; i < 30; ++i) combo->Items()->Add("item");
  for (TProgressBar* bar : {lying, standing}) {
    (new TSkinProgress(bar))->InitSkin(formObject.get(), data.get(), false, canvas);
  }
  auto* arrowsObject = new TSkinUpDown(arrows);
  arrowsObject->InitSkin(formObject.get(), data.get(), false, canvas);
  arrowsObject->MouseState = msPressed | msHot;
  (new TSkinTrackBar(track))->InitSkin(formObject.get(), data.get(), false, canvas);
  (new TSkinComBox(combo))->InitSkin(formObject.get(), data.get(), false, canvas);
  SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  FlushEvents();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  ASSERT_NE(nullptr, dynamic_cast<TComboxScrollBar*>(formObject->FindSkinObject(info.hwndList)));

  TDataSkinBorder& progress = *const_cast<TSkinElements&>(data->Skin()).Progress;
  const int style = progress.Style;
  DibSurface surface(300, 200);
  const auto drawAll = [&] {
    for (const int chunked : {0, 1}) {
      progress.Style = chunked;
      for (TProgressBar* bar : {lying, standing}) {
        SendMessageW(bar->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
      }
    }
    progress.Style = style;
    SendMessageW(arrows->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
    RedrawWindow(track->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RedrawWindow(combo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    RedrawWindow(info.hwndList, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  };
  drawAll();  // one-time costs
  FlushEvents();
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 1000; ++i) drawAll();
  FlushEvents();
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
  SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
}

}  // namespace
