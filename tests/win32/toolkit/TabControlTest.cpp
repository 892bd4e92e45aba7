// Tab controls: captions and selection held by the native window, one
// change event for a tab the user picks, and both kept by a layout.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/TabControl.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/Streams.h"
#include "toolkit/core/TypInfo.h"

namespace {

std::wstring TabText(HWND tabs, int index) {
  wchar_t text[64] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return item.pszText;
}

// A new window is what a style change would bring.
class RecreatableTabs : public TTabControl {
 public:
  using TTabControl::TTabControl;
  using TWinControl::RecreateWnd;
};

RecreatableTabs* MakeTabs(TForm& form) {
  auto* tabs = new RecreatableTabs(&form);
  tabs->SetName("Tabs");
  tabs->SetParent(&form);
  tabs->Tabs()->Add("常规");
  tabs->Tabs()->Add("Advanced");
  tabs->Tabs()->Add("About");
  tabs->SetTabIndex(2);
  return tabs;
}

TEST(TabControl, CaptionsAndSelectionLiveInTheWindowAndSurviveANewOne) {
  EnsureToolkit();
  TForm form(nullptr);
  RecreatableTabs* tabs = MakeTabs(form);
  ASSERT_EQ(3, SendMessageW(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(L"常规", TabText(tabs->Handle(), 0));
  EXPECT_EQ(2, SendMessageW(tabs->Handle(), TCM_GETCURSEL, 0, 0));
  tabs->Tabs()->Put(1, "Expert");
  EXPECT_EQ(L"Expert", TabText(tabs->Handle(), 1));
  ASSERT_TRUE(SetOrdProp(tabs, "TabIndex", 1));
  EXPECT_EQ(1, SendMessageW(tabs->Handle(), TCM_GETCURSEL, 0, 0));

  const HWND before = tabs->Handle();
  tabs->RecreateWnd();
  EXPECT_EQ(3, tabs->Tabs()->GetCount());
  EXPECT_NE(before, tabs->Handle());
  EXPECT_EQ(L"Expert", TabText(tabs->Handle(), 1));
  EXPECT_EQ(1, SendMessageW(tabs->Handle(), TCM_GETCURSEL, 0, 0));
}

TEST(TabControl, ChangeFiresOnceForATabTheUserClicks) {
  EnsureToolkit();
  TForm form(nullptr);
  form.SetBounds(100, 100, 400, 300);
  TTabControl* tabs = MakeTabs(form);
  int changes = 0;
  tabs->OnChange = [&changes](TObject*) { ++changes; };
  tabs->SetTabIndex(0);  // ours: no event
  form.Show();
  FlushEvents();
  RECT first{};
  SendMessageW(tabs->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&first));
  const LPARAM point = MAKELPARAM((first.left + first.right) / 2, (first.top + first.bottom) / 2);
  PostMessageW(tabs->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(tabs->Handle(), WM_LBUTTONUP, 0, point);
  FlushEvents();
  EXPECT_EQ(1, changes);
  EXPECT_EQ(1, tabs->TabIndex());
}

TEST(TabControl, TabsAndIndexReadBackFromAWrittenLayout) {
  EnsureToolkit();
  TForm source(nullptr);
  source.SetName("Source");
  MakeTabs(source);
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(&source);
  stream.SetPosition(0);
  TForm target(nullptr);
  TReader reader(stream);
  reader.ReadRootComponent(&target);
  auto* tabs = dynamic_cast<TTabControl*>(target.FindComponent("Tabs"));
  ASSERT_NE(nullptr, tabs);
  ASSERT_EQ(3, SendMessageW(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(L"About", TabText(tabs->Handle(), 2));
  EXPECT_EQ(2, SendMessageW(tabs->Handle(), TCM_GETCURSEL, 0, 0));
}

}  // namespace
