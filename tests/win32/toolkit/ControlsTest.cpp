// Standard controls over native windows: tab order, radio exclusivity, list
// box items in the native list, page control pages, status bar panels.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/controls/StatusBar.h"

namespace {

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(100, 100, 400, 300);
  }

  template <typename T>
  T* Make(TWinControl* parent, const char* name) {
    auto* control = new T(form.get());
    control->SetName(name);
    control->SetParent(parent);
    return control;
  }

  static std::string Names(const std::vector<TWinControl*>& list) {
    std::string text;
    for (const TWinControl* control : list) text += (text.empty() ? "" : " ") + control->Name();
    return text;
  }

  std::unique_ptr<TForm> form;
};

TEST_F(ControlsTest, TabOrderListFollowsTabOrderDepthFirst) {
  auto* box = Make<TGroupBox>(form.get(), "Box");
  auto* a = Make<TEdit>(box, "A");
  auto* b = Make<TEdit>(box, "B");
  auto* c = Make<TButton>(box, "C");
  auto* ok = Make<TButton>(form.get(), "Ok");
  c->SetTabOrder(0);
  ok->SetTabOrder(0);
  EXPECT_EQ(0, c->TabOrder());
  EXPECT_EQ(1, a->TabOrder());
  EXPECT_EQ(2, b->TabOrder());
  std::vector<TWinControl*> list;
  form->GetTabOrderList(list);
  EXPECT_EQ("Ok Box C A B", Names(list));
  b->SetTabOrder(99);  // past the end: the last place
  EXPECT_EQ(2, b->TabOrder());
}

TEST_F(ControlsTest, NextControlSkipsWhatCannotTakeTheFocus) {
  auto* a = Make<TEdit>(form.get(), "A");
  auto* b = Make<TEdit>(form.get(), "B");
  auto* c = Make<TEdit>(form.get(), "C");
  auto* d = Make<TEdit>(form.get(), "D");
  b->SetEnabled(false);
  c->SetTabStop(false);
  // Nothing on a hidden form can take the focus.
  EXPECT_EQ(nullptr, form->FindNextControl(a, true, true, false));
  form->Show();
  FlushEvents();
  EXPECT_EQ(d, form->FindNextControl(a, true, true, false));
  EXPECT_EQ(a, form->FindNextControl(d, true, true, false));  // wraps round
  EXPECT_EQ(a, form->FindNextControl(d, false, true, false));
  EXPECT_EQ(c, form->FindNextControl(a, true, false, false));
}

TEST_F(ControlsTest, TabKeyMovesTheFocusInTabOrder) {
  auto* a = Make<TEdit>(form.get(), "A");
  auto* b = Make<TEdit>(form.get(), "B");
  a->SetTabOrder(1);
  form->Show();
  FlushEvents();
  b->SetFocus();
  ASSERT_TRUE(b->Focused());
  PostMessageW(b->Handle(), WM_KEYDOWN, VK_TAB, 0);
  Application->ProcessMessages();
  EXPECT_TRUE(a->Focused());
  EXPECT_EQ(a, form->ActiveControl());
}

TEST_F(ControlsTest, RadioButtonsWithOneParentAreExclusive) {
  auto* first = Make<TGroupBox>(form.get(), "First");
  auto* second = Make<TGroupBox>(form.get(), "Second");
  auto* r1 = Make<TRadioButton>(first, "R1");
  auto* r2 = Make<TRadioButton>(first, "R2");
  auto* r3 = Make<TRadioButton>(first, "R3");
  auto* other = Make<TRadioButton>(second, "Other");
  other->SetChecked(true);
  r1->SetChecked(true);
  r2->SetChecked(true);
  EXPECT_FALSE(r1->Checked());
  EXPECT_TRUE(r2->Checked());
  EXPECT_TRUE(other->Checked());
  // A click on the native button goes the same way.
  SendMessageW(r3->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(r3->Checked());
  EXPECT_FALSE(r2->Checked());
  EXPECT_EQ(BST_CHECKED, SendMessageW(r3->Handle(), BM_GETCHECK, 0, 0));
  EXPECT_EQ(BST_UNCHECKED, SendMessageW(r2->Handle(), BM_GETCHECK, 0, 0));
  EXPECT_EQ(BST_CHECKED, SendMessageW(other->Handle(), BM_GETCHECK, 0, 0));
}

TEST_F(ControlsTest, CheckBoxTogglesOnClick) {
  auto* check = Make<TCheckBox>(form.get(), "Check");
  int clicks = 0;
  check->OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(check->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(check->Checked());
  SendMessageW(check->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(check->Checked());
  EXPECT_EQ(BST_UNCHECKED, SendMessageW(check->Handle(), BM_GETCHECK, 0, 0));
  EXPECT_EQ(2, clicks);
}

TEST_F(ControlsTest, ListBoxItemsLiveInTheNativeList) {
  auto* list = new TListBox(form.get());
  list->Items()->Add("kept until the window exists");
  list->SetItemHeight(12);
  list->SetParent(form.get());
  const HWND window = list->Handle();
  EXPECT_EQ(1, SendMessageW(window, LB_GETCOUNT, 0, 0));
  list->Items()->Add("10|20|\xE5\x8D\x95\xE5\x87\xBB");  // 单击
  wchar_t text[64] = {};
  SendMessageW(window, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(L"10|20|\u5355\u51FB", text);
  EXPECT_EQ("10|20|\xE5\x8D\x95\xE5\x87\xBB", list->Items()->Get(1));
  EXPECT_EQ(12, SendMessageW(window, LB_GETITEMHEIGHT, 0, 0));
  list->SetItemIndex(1);
  EXPECT_EQ(1, SendMessageW(window, LB_GETCURSEL, 0, 0));
  list->Items()->Delete(0);
  EXPECT_EQ(1, list->Items()->Count());
  EXPECT_EQ(0, list->ItemIndex());
  EXPECT_THROW(list->Items()->Get(5), EStringListError);
  EXPECT_THROW(list->Items()->Delete(-1), EStringListError);
  list->Items()->Clear();
  EXPECT_EQ(0, SendMessageW(window, LB_GETCOUNT, 0, 0));
  EXPECT_EQ(-1, list->ItemIndex());
}

TEST_F(ControlsTest, ListBoxKeepsItsItemsWhenTheWindowIsMadeAgain) {
  auto* list = Make<TListBox>(form.get(), "List");
  list->Items()->Add("one");
  list->Items()->Add("two");
  list->SetItemIndex(1);
  const HWND before = list->Handle();
  list->SetBorderStyle(bsNone);
  EXPECT_NE(before, list->Handle());
  EXPECT_EQ(0, GetWindowLongPtrW(list->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(2, SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0));
  EXPECT_EQ(1, list->ItemIndex());
  EXPECT_EQ("two", list->Items()->Get(1));
}

TEST_F(ControlsTest, ComboBoxItemsAndSelection) {
  auto* combo = Make<TComboBox>(form.get(), "Combo");
  combo->Items()->Add("a");
  combo->Items()->Add("b");
  combo->SetItemIndex(1);
  EXPECT_EQ(2, SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0));
  EXPECT_EQ("b", combo->Text());
}

TEST_F(ControlsTest, EditTextIsTheWindowText) {
  auto* edit = Make<TEdit>(form.get(), "Edit");
  edit->SetText("1000");
  SetWindowTextW(edit->Handle(), L"250");
  EXPECT_EQ("250", edit->Text());
  edit->SetReadOnly(true);
  EXPECT_NE(0, GetWindowLongPtrW(edit->Handle(), GWL_STYLE) & ES_READONLY);
}

TEST_F(ControlsTest, TiledBevelTakesItsFrameFromTheClientArea) {
  auto* edit = Make<TEdit>(form.get(), "Edit");
  edit->SetBorderStyle(bsNone);
  edit->SetBevelKind(bkTile);
  edit->SetBounds(10, 10, 89, 20);
  RECT window{}, client{};
  GetWindowRect(edit->Handle(), &window);
  GetClientRect(edit->Handle(), &client);
  EXPECT_EQ(89 - 4, client.right);
  EXPECT_EQ(20 - 4, client.bottom);
  EXPECT_EQ(89, window.right - window.left);
}

TEST_F(ControlsTest, PageControlShowsOnlyTheActivePage) {
  auto* pages = Make<TPageControl>(form.get(), "Pages");
  pages->SetBounds(0, 0, 300, 200);
  auto* one = Make<TTabSheet>(pages, "One");
  auto* two = Make<TTabSheet>(pages, "Two");
  one->SetCaption("\xE8\xBD\xAF\xE4\xBB\xB6");  // 软件
  two->SetCaption("Two");
  form->Show();
  FlushEvents();
  EXPECT_EQ(one, pages->ActivePage());
  EXPECT_EQ(2, SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0));
  EXPECT_TRUE(IsWindowVisible(one->Handle()));
  EXPECT_FALSE(IsWindowVisible(two->Handle()));
  pages->SetActivePage(two);
  EXPECT_EQ(1, SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0));
  EXPECT_FALSE(IsWindowVisible(one->Handle()));
  EXPECT_TRUE(IsWindowVisible(two->Handle()));
  EXPECT_EQ(1, two->PageIndex());
  // The page fills the display area of the tab control.
  RECT display{0, 0, pages->ClientWidth(), pages->ClientHeight()};
  SendMessageW(pages->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  EXPECT_EQ(display.left, two->Left());
  EXPECT_EQ(display.top, two->Top());
  EXPECT_EQ(display.right - display.left, two->Width());
}

TEST_F(ControlsTest, PageControlFollowsATabClick) {
  auto* pages = Make<TPageControl>(form.get(), "Pages");
  pages->SetBounds(0, 0, 300, 200);
  Make<TTabSheet>(pages, "One");
  auto* two = Make<TTabSheet>(pages, "Two");
  int changes = 0;
  pages->OnChange = [&](TObject*) { ++changes; };
  SendMessageW(pages->Handle(), TCM_SETCURSEL, 1, 0);
  NMHDR header{pages->Handle(), 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(two, pages->ActivePage());
  EXPECT_EQ(1, changes);
}

TEST_F(ControlsTest, StatusBarPanelsReachTheNativeBar) {
  auto* status = Make<TStatusBar>(form.get(), "Status");
  status->Panels()->Add("first");
  status->Panels()->Add("\xE5\xB7\xB2\xE7\xBB\x8F");  // 已经
  status->Panels()->Items(0)->SetWidth(80);
  const HWND bar = status->Handle();
  int edges[4] = {};
  EXPECT_EQ(2, SendMessageW(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)));
  EXPECT_EQ(80, edges[0]);
  EXPECT_EQ(-1, edges[1]);
  wchar_t text[32] = {};
  SendMessageW(bar, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(L"\u5DF2\u7ECF", text);
  status->Panels()->Items(1)->SetText("done");
  SendMessageW(bar, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(L"done", text);
  // Aligned to the bottom of the form's client area.
  EXPECT_EQ(form->ClientHeight(), status->Top() + status->Height());
  EXPECT_EQ(form->ClientWidth(), status->Width());
}

TEST_F(ControlsTest, AlignedControlsShareTheClientArea) {
  auto* top = Make<TPanel>(form.get(), "Top");
  auto* rest = Make<TPanel>(form.get(), "Rest");
  top->SetHeight(40);
  top->SetAlign(alTop);
  rest->SetAlign(alClient);
  form->HandleNeeded();
  EXPECT_EQ(0, top->Top());
  EXPECT_EQ(form->ClientWidth(), top->Width());
  EXPECT_EQ(40, rest->Top());
  EXPECT_EQ(form->ClientHeight() - 40, rest->Height());
  form->SetBounds(form->Left(), form->Top(), 500, 400);
  EXPECT_EQ(form->ClientWidth(), rest->Width());
  EXPECT_EQ(form->ClientHeight() - 40, rest->Height());
}

TEST_F(ControlsTest, FormClientSizeAndDesktopCentre) {
  form->SetBorderStyle(bsSingle);
  form->SetBorderIcons({biSystemMenu, biMinimize});
  form->SetClientWidth(347);
  form->SetClientHeight(455);
  form->SetPosition(poDesktopCenter);
  form->Show();
  FlushEvents();
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(347, client.right);
  EXPECT_EQ(455, client.bottom);
  const LONG_PTR style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
  EXPECT_NE(0, style & WS_MINIMIZEBOX);
  EXPECT_EQ(0, style & WS_MAXIMIZEBOX);
  EXPECT_EQ(0, style & WS_THICKFRAME);
  const int desktopWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  EXPECT_LE(std::abs(form->Left() * 2 + form->Width() - desktopWidth), 1);
}

}  // namespace
