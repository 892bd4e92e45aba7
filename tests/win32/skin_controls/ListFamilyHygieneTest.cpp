// Headers and list views drawn a thousand times, and a list view skinned
// and let go a hundred times, hold no more GDI or USER objects than after
// the first time.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "tests/win32/support/HandleExpectations.h"
#include "toolkit/controls/HeaderControl.h"
#include "toolkit/controls/ListView.h"

namespace {

class ListFamilyHygieneTest : public SkinControlTest {
 protected:
  TListView* Report() {
    auto* view = Make<TListView>(form.get(), 10, 60, 300, 150);
    view->SetViewStyle(vsReport);
    for (const char* caption : {"one", "two", "three"}) view->Columns()->Add(caption);
    for (int i = 0; i < 40; ++i) view->Items()->Add("item " + std::to_string(i));
    return view;
  }
  TSkinListView* ObjectOf(TListView* view) const {
    return dynamic_cast<TSkinListView*>(formObject->FindSkinObject(view->Handle()));
  }
};

TEST_F(ListFamilyHygieneTest, ThousandDrawsHoldNoMoreHandles) {
  auto* header = Make<THeaderControl>(form.get(), 10, 10, 300, 24);
  for (const char* text : {"left", "middle", "right"}) header->Sections()->Add(text);
  header->Sections()->Items(1)->SetAlignment(taCenter);
  auto* headerObject = new TSkinHeader(header);
  headerObject->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
  TListView* view = Report();
  TControlDiscovery(*formObject, *data).SkinChildren(form.get());
  TSkinListView* viewObject = ObjectOf(view);
  ASSERT_NE(nullptr, viewObject);
  ASSERT_NE(nullptr, viewObject->Header);
  viewObject->Header->HotItem = 0;
  headerObject->HotItem = 1;

  // Painted into a DIB: the skin's part of each paint without waiting on
  // the display for the list view's rows.
  DibSurface surface(300, 150);
  const HWND listHeader = view->HeaderHandle();
  const auto drawAll = [&] {
    for (HWND window : {header->Handle(), listHeader, view->Handle()}) {
      SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
    }
    UpdateWindow(viewObject->Covers.VertBar->Window());
  };
  drawAll();  // one-time costs
  FlushEvents();
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 1000; ++i) drawAll();
  FlushEvents();
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

TEST_F(ListFamilyHygieneTest, HundredSkinsAndReleasesHoldNoMoreHandles) {
  TListView* view = Report();
  DibSurface surface(300, 24);
  const auto skinAndRelease = [&] {
    TControlDiscovery(*formObject, *data).SkinChildren(form.get());
    TSkinListView* object = ObjectOf(view);
    ASSERT_NE(nullptr, object);
    ASSERT_NE(nullptr, object->Header);
    SendMessageW(object->Header->Handle, WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
    object->Release(true);
    delete object;
  };
  skinAndRelease();
  FlushEvents();
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int i = 0; i < 100; ++i) skinAndRelease();
  FlushEvents();
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

}  // namespace
