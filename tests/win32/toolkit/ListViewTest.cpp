// List views: columns, items and sub-items as the native report view shows
// them, its header reachable and in step, widths the user gives a column
// kept, and the whole table read back from a written layout.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/Streams.h"
#include "toolkit/core/TypInfo.h"

namespace {

std::wstring ItemText(HWND view, int index, int sub) {
  wchar_t text[64] = {};
  LVITEMW item{};
  item.iSubItem = sub;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(view, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return text;
}

std::wstring HeaderText(HWND header, int index) {
  wchar_t text[64] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return text;
}

TListView* MakeTable(TForm& form) {
  auto* view = new TListView(&form);
  view->SetName("Table");
  view->SetParent(&form);
  EXPECT_TRUE(SetEnumProp(view, "ViewStyle", "vsReport"));
  view->Columns()->Add("名称");
  view->Columns()->Add("Size");
  view->Columns()->Items(0)->SetWidth(110);
  view->Columns()->Items(1)->SetWidth(60);
  view->Items()->Add("a.txt\t12");
  TListItem* second = view->Items()->Items(view->Items()->Add("b.txt"));
  second->SubItems()->Add("3400");
  return view;
}

TEST(ListView, ReportViewShowsColumnsItemsAndSubItems) {
  EnsureToolkit();
  TForm form(nullptr);
  TListView* view = MakeTable(form);
  const HWND window = view->Handle();
  EXPECT_NE(0, GetWindowLongPtrW(window, GWL_STYLE) & LVS_REPORT);
  ASSERT_EQ(2, SendMessageW(window, LVM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(L"a.txt", ItemText(window, 0, 0));
  EXPECT_EQ(L"12", ItemText(window, 0, 1));
  EXPECT_EQ(L"3400", ItemText(window, 1, 1));
  EXPECT_EQ("b.txt\t3400", view->Items()->Get(1));

  // A shortened sub-item list shows short.
  view->Items()->Items(0)->SubItems()->Clear();
  EXPECT_EQ(L"", ItemText(window, 0, 1));
  view->Items()->Delete(0);
  EXPECT_EQ(L"b.txt", ItemText(window, 0, 0));

  const HWND header = view->HeaderHandle();
  ASSERT_NE(nullptr, header);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(window, LVM_GETHEADER, 0, 0)), header);
  ASSERT_EQ(2, SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(L"名称", HeaderText(header, 0));
  ASSERT_TRUE(SetStrProp(view->Columns()->Items(1), "Caption", "Bytes"));
  EXPECT_EQ(L"Bytes", HeaderText(header, 1));
}

TEST(ListView, WidthGivenThroughTheHeaderIsKeptAcrossANewWindow) {
  EnsureToolkit();
  TForm form(nullptr);
  TListView* view = MakeTable(form);
  // The divider after the second column (110 + 60, grabbed just inside) dragged 90 pixels right.
  form.Show();
  FlushEvents();
  const HWND header = view->HeaderHandle();
  PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(168, 5));
  PostMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(218, 5));
  PostMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(258, 5));
  PostMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(258, 5));
  FlushEvents();
  EXPECT_EQ(150, view->Columns()->Items(1)->Width());

  // A column put in front moves the dragged width along with its column.
  view->Columns()->Insert(0, "#");
  EXPECT_EQ(150, SendMessageW(view->Handle(), LVM_GETCOLUMNWIDTH, 2, 0));

  SetEnumProp(view, "ViewStyle", "vsList");
  SetEnumProp(view, "ViewStyle", "vsReport");
  EXPECT_EQ(150, SendMessageW(view->Handle(), LVM_GETCOLUMNWIDTH, 2, 0));
  EXPECT_EQ(L"Size", HeaderText(view->HeaderHandle(), 2));
}

TEST(ListView, TableReadsBackFromAWrittenLayout) {
  EnsureToolkit();
  TForm source(nullptr);
  source.SetName("Source");
  MakeTable(source);
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(&source);
  stream.SetPosition(0);
  TForm target(nullptr);
  TReader reader(stream);
  reader.ReadRootComponent(&target);

  auto* view = dynamic_cast<TListView*>(target.FindComponent("Table"));
  ASSERT_NE(nullptr, view);
  const HWND window = view->Handle();
  EXPECT_NE(0, GetWindowLongPtrW(window, GWL_STYLE) & LVS_REPORT);
  EXPECT_EQ(110, SendMessageW(window, LVM_GETCOLUMNWIDTH, 0, 0));
  EXPECT_EQ(60, SendMessageW(window, LVM_GETCOLUMNWIDTH, 1, 0));
  ASSERT_EQ(2, SendMessageW(window, LVM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(L"12", ItemText(window, 0, 1));
  EXPECT_EQ(L"3400", ItemText(window, 1, 1));
  EXPECT_EQ(L"Size", HeaderText(view->HeaderHandle(), 1));
}

}  // namespace
