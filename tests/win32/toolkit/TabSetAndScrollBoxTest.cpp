// The tab set the toolkit paints itself (tabs that fit, its scroller, a
// click that picks a tab) and the scroll box that moves its children;
// both kept by a written layout.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/ScrollBox.h"
#include "toolkit/controls/TabSet.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/Streams.h"
#include "toolkit/core/TypInfo.h"

namespace {

class TabSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetName("Source");
    form->SetBounds(100, 100, 400, 300);
  }
  TTabSet* MakeTabSet(int width, int count) {
    auto* tabs = new TTabSet(form.get());
    tabs->SetName("Tabs");
    tabs->SetParent(form.get());
    tabs->SetBounds(10, 10, width, 24);
    for (int i = 0; i < count; ++i) tabs->Tabs()->Add("Tab " + std::to_string(i));
    return tabs;
  }
  static void Click(HWND window, POINT point) {
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
    Application->ProcessMessages();
  }
  static POINT Centre(const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }

  std::unique_ptr<TForm> form;
};

TEST_F(TabSetTest, AClickOnATabSelectsItAndReportsOnce) {
  TTabSet* tabs = MakeTabSet(300, 3);
  tabs->SetTabIndex(0);
  int changes = 0;
  tabs->OnChange = [&changes](TObject*) { ++changes; };
  form->Show();
  FlushEvents();
  RECT third{};
  ASSERT_TRUE(tabs->TabRect(2, third));
  Click(tabs->Handle(), Centre(third));
  EXPECT_EQ(2, tabs->TabIndex());
  EXPECT_EQ(1, changes);
  Click(tabs->Handle(), Centre(third));  // the same tab again changes nothing
  EXPECT_EQ(1, changes);
  // Past the last tab there is none to pick.
  Click(tabs->Handle(), POINT{third.right + 20, Centre(third).y});
  EXPECT_EQ(2, tabs->TabIndex());
  EXPECT_EQ(1, changes);
}

TEST_F(TabSetTest, TabsThatDoNotFitBringTheScrollerWhichMovesTheFirstTab) {
  TTabSet* tabs = MakeTabSet(300, 3);
  form->Show();
  FlushEvents();
  const HWND scroller = tabs->Scroller()->Handle();
  EXPECT_FALSE(IsWindowVisible(scroller)) << "three tabs fit";
  EXPECT_EQ(3, tabs->VisibleTabs());

  for (int i = 3; i < 12; ++i) tabs->Tabs()->Add("Tab " + std::to_string(i));
  FlushEvents();
  ASSERT_TRUE(IsWindowVisible(scroller));
  const int shown = tabs->VisibleTabs();
  ASSERT_GT(shown, 0);
  ASSERT_LT(shown, 12);
  RECT last{}, scrollerRect{};
  ASSERT_TRUE(tabs->TabRect(shown - 1, last));
  GetWindowRect(scroller, &scrollerRect);
  MapWindowPoints(nullptr, tabs->Handle(), reinterpret_cast<POINT*>(&scrollerRect), 2);
  EXPECT_LE(last.right, scrollerRect.left) << "no tab under the scroller";
  RECT cut{};
  EXPECT_FALSE(tabs->TabRect(shown, cut));
  EXPECT_EQ(-1, tabs->TabAtPos(POINT{scrollerRect.left + 2, 5}));

  // The right arrow shows the next tab first.
  const int height = scrollerRect.bottom - scrollerRect.top;
  const int width = scrollerRect.right - scrollerRect.left;
  Click(scroller, POINT{width * 3 / 4, height / 2});
  EXPECT_EQ(1, tabs->FirstIndex());
  RECT first{};
  ASSERT_TRUE(tabs->TabRect(1, first));
  EXPECT_EQ(tabs->StartMargin(), first.left);
  EXPECT_FALSE(tabs->TabRect(0, first)) << "scrolled away";
  Click(scroller, POINT{width / 4, height / 2});
  EXPECT_EQ(0, tabs->FirstIndex());

  // Scrolling stops once the last tab shows.
  tabs->SetFirstIndex(100);
  RECT lastTab{};
  EXPECT_TRUE(tabs->TabRect(11, lastTab));
  EXPECT_LT(tabs->FirstIndex(), 11);
  EXPECT_FALSE(tabs->TabRect(tabs->FirstIndex() - 1, lastTab));

  // Wide enough again: the scroller goes and every tab shows from the first.
  tabs->SetBounds(10, 10, 1000, 24);
  FlushEvents();
  EXPECT_FALSE(IsWindowVisible(scroller));
  EXPECT_EQ(0, tabs->FirstIndex());
  EXPECT_EQ(12, tabs->VisibleTabs());
}

TEST_F(TabSetTest, PropertiesByNameAndAWrittenLayoutKeepTheTabs) {
  TTabSet* tabs = MakeTabSet(120, 6);
  ASSERT_TRUE(SetOrdProp(tabs, "TabIndex", 4));
  ASSERT_TRUE(SetOrdProp(tabs, "StartMargin", 2));
  ASSERT_TRUE(SetOrdProp(tabs, "EndMargin", 3));
  ASSERT_TRUE(SetOrdProp(tabs, "FirstIndex", 1));
  EXPECT_EQ(4, GetOrdProp(tabs, "TabIndex"));
  EXPECT_EQ(1, GetOrdProp(tabs, "FirstIndex"));
  EXPECT_EQ(tabs->Tabs(), GetObjectProp(tabs, "Tabs"));

  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(form.get());
  stream.SetPosition(0);
  TForm target(nullptr);
  TReader reader(stream);
  reader.ReadRootComponent(&target);
  auto* read = dynamic_cast<TTabSet*>(target.FindComponent("Tabs"));
  ASSERT_NE(nullptr, read);
  ASSERT_EQ(6, read->Tabs()->GetCount());
  EXPECT_EQ("Tab 5", read->Tabs()->Get(5));
  EXPECT_EQ(4, read->TabIndex());
  EXPECT_EQ(1, read->FirstIndex());
  EXPECT_EQ(2, read->StartMargin());
  EXPECT_EQ(3, read->EndMargin());
  // The scroller comes with the tab set, never from the layout.
  ASSERT_GT(read->ComponentCount(), 0);
  EXPECT_EQ(read->Scroller(), read->Components(0));
  EXPECT_EQ(1, read->ComponentCount());
}

class ScrollBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetName("Source");
    form->SetBounds(100, 100, 400, 300);
    box = new TScrollBox(form.get());
    box->SetName("Box");
    box->SetParent(form.get());
    box->SetBounds(10, 10, 150, 120);
    low = new TButton(form.get());
    low->SetName("Low");
    low->SetParent(box);
    low->SetBounds(10, 200, 60, 25);
  }
  static LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

  std::unique_ptr<TForm> form;
  TScrollBox* box = nullptr;
  TButton* low = nullptr;
};

TEST_F(ScrollBoxTest, AChildBelowTheBottomBringsABarThatMovesIt) {
  form->Show();
  FlushEvents();
  ASSERT_NE(0, Style(box->Handle()) & WS_VSCROLL);
  EXPECT_EQ(0, Style(box->Handle()) & WS_HSCROLL) << "the child fits across";
  SendMessageW(box->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(200 - TScrollBox::kLineStep, low->Top());
  EXPECT_EQ(TScrollBox::kLineStep, GetScrollPos(box->Handle(), SB_VERT));
  RECT window{};
  GetWindowRect(low->Handle(), &window);
  MapWindowPoints(nullptr, box->Handle(), reinterpret_cast<POINT*>(&window), 2);
  EXPECT_EQ(low->Top(), window.top) << "the window moved with the control";
  // At the bottom the child's lower edge meets the client area's.
  SendMessageW(box->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(box->ClientRect().bottom, low->Top() + low->Height());
  SendMessageW(box->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(box->ClientRect().bottom, low->Top() + low->Height()) << "never past the content";
  SendMessageW(box->Handle(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(200, low->Top());

  // Tall enough for the child: the bar goes.
  box->SetBounds(10, 10, 150, 260);
  FlushEvents();
  EXPECT_EQ(0, Style(box->Handle()) & WS_VSCROLL);
  // A child moved out of reach by code brings it back.
  low->SetTop(400);
  EXPECT_NE(0, Style(box->Handle()) & WS_VSCROLL);
}

TEST_F(ScrollBoxTest, ShrinkingWhileScrolledKeepsTheContentInReach) {
  auto* wide = new TButton(form.get());
  wide->SetParent(box);
  wide->SetBounds(300, 10, 40, 25);
  form->Show();
  FlushEvents();
  ASSERT_NE(0, Style(box->Handle()) & WS_HSCROLL);
  SendMessageW(box->Handle(), WM_HSCROLL, SB_BOTTOM, 0);
  SendMessageW(box->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_GT(box->ScrollX(), 0);
  // Large enough for everything: back to the origin, children where they were.
  box->SetBounds(10, 10, 380, 260);
  FlushEvents();
  EXPECT_EQ(0, box->ScrollX());
  EXPECT_EQ(0, box->ScrollY());
  EXPECT_EQ(300, wide->Left());
  EXPECT_EQ(200, low->Top());
}

TEST_F(ScrollBoxTest, AWrittenLayoutKeepsTheBoxAndItsChildren) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(form.get());
  stream.SetPosition(0);
  TForm target(nullptr);
  TReader reader(stream);
  reader.ReadRootComponent(&target);
  auto* read = dynamic_cast<TScrollBox*>(target.FindComponent("Box"));
  ASSERT_NE(nullptr, read);
  auto* child = dynamic_cast<TButton*>(target.FindComponent("Low"));
  ASSERT_NE(nullptr, child);
  EXPECT_EQ(read, child->Parent());
  EXPECT_EQ(200, child->Top());
  target.Show();
  FlushEvents();
  EXPECT_NE(0, GetWindowLongPtrW(read->Handle(), GWL_STYLE) & WS_VSCROLL);
}

}  // namespace
