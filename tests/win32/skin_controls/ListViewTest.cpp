// List views found on a skinned form: their header is skinned and their
// scroll bars covered; a column divider still resizes the column under the
// real pointer; an empty list with columns of no width draws without
// fault; released, the header paints itself again; a list view whose
// window is made anew gets its header skinned again.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "SavedElement.h"
#include "ScrollStripsSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinListView.h"
#include "skin/core/SkinMessages.h"
#include "toolkit/controls/ListView.h"

namespace {

class ListViewTest : public ScrollStripsTest {
 protected:
  void SetUp() override {
    ScrollStripsTest::SetUp();
    TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
    bar_ = std::make_unique<SavedElement>(*skin.Headerbar);
    bar_->Plain();
    MakeStrip(*skin.Headerbar->Image, 5, 16, 16);
    skin.Headerbar->Frame = 5;
    skin.Headerbar->Trans = 0;
    GetCursorPos(&cursor_);
  }
  void TearDown() override {
    SendPointer(cursor_);
    bar_.reset();
    ScrollStripsTest::TearDown();
  }

  // A report view of three columns, found by discovery as a form's pass does.
  TListView* Report(int items, int columnWidth = 80) {
    auto* view = Make<TListView>(form.get(), 10, 10, 300, 200);
    view->SetViewStyle(vsReport);
    for (const char* caption : {"one", "two", "three"}) view->Columns()->Add(caption);
    for (int i = 0; i < 3; ++i) view->Columns()->Items(i)->SetWidth(columnWidth);
    for (int i = 0; i < items; ++i) view->Items()->Add("item " + std::to_string(i));
    TControlDiscovery(*formObject, *data).SkinChildren(form.get());
    RepaintNow(form->Handle());
    return view;
  }
  TSkinListView* ObjectOf(TListView* view) const {
    return dynamic_cast<TSkinListView*>(formObject->FindSkinObject(view->Handle()));
  }
  static unsigned At(HWND window, int x, int y = 1) {
    UpdateWindow(window);
    return WindowPixel(window, x, y);
  }
  static int ColumnWidth(TListView* view, int column) {
    return static_cast<int>(SendMessageW(view->Handle(), LVM_GETCOLUMNWIDTH, column, 0));
  }

  std::unique_ptr<SavedElement> bar_;
  POINT cursor_{};
};

TEST_F(ListViewTest, OnASkinnedFormTheHeaderIsSkinnedAndTheBarsCovered) {
  TListView* view = Report(60);
  TSkinListView* object = ObjectOf(view);
  ASSERT_NE(nullptr, object);
  const HWND header = view->HeaderHandle();
  ASSERT_TRUE(header);
  ASSERT_NE(nullptr, object->Header);
  EXPECT_EQ(header, object->Header->Handle);
  EXPECT_EQ(1, SendMessageW(header, SKIN_QUERY, 0, 0));
  EXPECT_EQ(Frame(1), At(header, 40));
  EXPECT_EQ(Frame(1), At(header, 120));

  TWScrollbar& cover = *object->Covers.VertBar;
  ASSERT_TRUE(cover.Shown) << "sixty rows scroll";
  UpdateWindow(cover.Window());
  EXPECT_EQ(Dib(CellColour(9)), WindowPixel(cover.Window(), arrow / 2, arrow / 2)) << "up arrow";

  // The header's own hot item follows the pointer inside the list view.
  SendPointer(OnScreen(header, 120, 5));
  ASSERT_TRUE(PumpUntil([&] { return At(header, 120) == Frame(2); }));
  EXPECT_EQ(Frame(1), At(header, 40));
  SendPointer(OnScreen(view->Handle(), 150, 150));
  EXPECT_TRUE(PumpUntil([&] { return At(header, 120) == Frame(1); })) << "left the header";
}

TEST_F(ListViewTest, DraggingADividerOfTheSkinnedHeaderResizesTheColumn) {
  TListView* view = Report(5);
  const HWND header = view->HeaderHandle();
  ASSERT_NE(nullptr, ObjectOf(view));
  ASSERT_EQ(80, ColumnWidth(view, 0));
  RECT item{};
  ASSERT_TRUE(SendMessageW(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)));
  const int y = (item.top + item.bottom) / 2;
  SendPointer(OnScreen(header, item.right - 1, y));
  PumpUntil([] { return false; }, 150);
  SendButton(MOUSEEVENTF_LEFTDOWN);
  PumpUntil([] { return false; }, 150);
  for (int step = 1; step <= 4; ++step) {
    SendPointer(OnScreen(header, item.right - 1 + step * 10, y));
    PumpUntil([] { return false; }, 60);
  }
  SendButton(MOUSEEVENTF_LEFTUP);
  // Screen coordinates go through the absolute pointer scale, which may
  // round a pixel either way.
  const auto widened = [&] { return std::abs(ColumnWidth(view, 0) - 120) <= 1; };
  EXPECT_TRUE(PumpUntil(widened)) << "width " << ColumnWidth(view, 0);
}

TEST_F(ListViewTest, AnEmptyListWithColumnsOfNoWidthDrawsWithoutFault) {
  TListView* view = Report(0, 0);
  TSkinListView* object = ObjectOf(view);
  ASSERT_NE(nullptr, object);
  ASSERT_NE(nullptr, object->Header);
  EXPECT_FALSE(object->Covers.VertBar->Shown);
  EXPECT_FALSE(object->Covers.HorzBar->Shown);
  const HWND header = view->HeaderHandle();
  EXPECT_EQ(Frame(1), At(header, 5));
  ASSERT_EQ(3u, object->Header->ItemRects.size());
  for (const RECT& rect : object->Header->ItemRects) EXPECT_EQ(rect.left, rect.right);
  SendPointer(OnScreen(header, 1, 5));
  PumpUntil([] { return false; }, 150);
  EXPECT_EQ(-1, object->Header->HotItem) << "no item has room under the pointer";
}

TEST_F(ListViewTest, ReleasedTheHeaderPaintsItselfAgain) {
  TListView* view = Report(3);
  const HWND header = view->HeaderHandle();
  TSkinListView* object = ObjectOf(view);
  ASSERT_NE(nullptr, object);
  ASSERT_EQ(Frame(1), At(header, 40, 10));

  object->Release(true);
  delete object;
  FlushEvents();
  EXPECT_EQ(0, SendMessageW(header, SKIN_QUERY, 0, 0));
  EXPECT_EQ(0, SendMessageW(view->Handle(), SKIN_QUERY, 0, 0));
  // The same list view never skinned shows the header's own look.
  auto* own = Make<TListView>(form.get(), 10, 220, 300, 60);
  own->SetViewStyle(vsReport);
  for (const char* caption : {"one", "two", "three"}) own->Columns()->Add(caption);
  for (int i = 0; i < 3; ++i) own->Columns()->Items(i)->SetWidth(80);
  RepaintNow(own->Handle());
  const unsigned ownLook = At(own->HeaderHandle(), 40, 10);
  ASSERT_NE(Frame(1), ownLook);
  EXPECT_EQ(ownLook, At(header, 40, 10));
}

TEST_F(ListViewTest, AWindowMadeAnewGetsItsHeaderSkinnedAgain) {
  TListView* view = Report(3);
  const HWND old = view->Handle();
  ASSERT_NE(nullptr, ObjectOf(view));
  view->SetBorderStyle(bsNone);  // the toolkit makes the window anew
  ASSERT_NE(old, view->Handle());
  // What the form does when the scroll object asks to be made anew.
  TControlDiscovery(*formObject, *data).ReskinScroll(old);
  RepaintNow(form->Handle());
  TSkinListView* object = ObjectOf(view);
  ASSERT_NE(nullptr, object);
  ASSERT_NE(nullptr, object->Header);
  EXPECT_EQ(view->HeaderHandle(), object->Header->Handle);
  EXPECT_EQ(Frame(1), At(view->HeaderHandle(), 40));
}

}  // namespace
