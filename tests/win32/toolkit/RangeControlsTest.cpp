// Progress bars, track bars, up-downs and scroll bar controls: the state the
// native window holds after properties are set, the events real messages
// raise, ranges whose top is not above their bottom, and access by name.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/ProgressBar.h"
#include "toolkit/controls/ScrollBar.h"
#include "toolkit/controls/TrackBar.h"
#include "toolkit/controls/UpDown.h"
#include "toolkit/core/TypInfo.h"

namespace {

class RangeControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(100, 100, 400, 300);
  }

  template <typename T>
  T* Make(const char* name) {
    auto* control = new T(form.get());
    control->SetName(name);
    control->SetParent(form.get());
    return control;
  }

  // Shown, focused and with every queued message handled.
  void Focus(TWinControl* control) {
    form->Show();
    FlushEvents();
    control->SetFocus();
    FlushEvents();
  }

  static void PressKey(HWND window, WPARAM key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    Application->ProcessMessages();
  }

  // Paints the window into a DIB the way a parent's print would.
  static void PaintInto(HWND window) {
    DibSurface surface(200, 60);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.dc()), PRF_CLIENT);
    UpdateWindow(window);
  }

  static LONG_PTR Style(TWinControl* control) {
    return GetWindowLongPtrW(control->Handle(), GWL_STYLE);
  }

  std::unique_ptr<TForm> form;
};

TEST_F(RangeControlsTest, ProgressBarHandsItsStateToTheWindow) {
  auto* bar = Make<TProgressBar>("Bar");
  bar->SetMin(10);
  bar->SetMax(60);
  bar->SetPosition(35);
  const HWND window = bar->Handle();
  EXPECT_EQ(35, SendMessageW(window, PBM_GETPOS, 0, 0));
  PBRANGE range{};
  SendMessageW(window, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(10, range.iLow);
  EXPECT_EQ(60, range.iHigh);
  bar->SetPosition(99);  // beyond Max: held at Max
  EXPECT_EQ(60, bar->Position());
  EXPECT_EQ(60, SendMessageW(window, PBM_GETPOS, 0, 0));
  // A new window keeps what the old one showed.
  bar->SetOrientation(pbVertical);
  EXPECT_NE(window, bar->Handle());
  EXPECT_NE(0, Style(bar) & PBS_VERTICAL);
  EXPECT_EQ(60, SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0));
  bar->SetStep(30);
  bar->StepIt();  // past Max: back to Min
  EXPECT_EQ(10, SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0));
  bar->StepIt();
  EXPECT_EQ(40, SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0));
}

TEST_F(RangeControlsTest, ProgressBarWithMaxNotAboveMinShowsAnEmptyRange) {
  auto* bar = Make<TProgressBar>("Bar");
  bar->SetMin(50);
  bar->SetPosition(70);
  bar->SetMax(20);
  EXPECT_EQ(20, bar->Max());  // kept as given
  EXPECT_EQ(50, bar->Position());
  PBRANGE range{};
  SendMessageW(bar->Handle(), PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
  EXPECT_LE(range.iLow, range.iHigh);
  EXPECT_EQ(50, SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0));
  bar->StepIt();
  EXPECT_EQ(50, bar->Position());
  PaintInto(bar->Handle());
  bar->SetMax(50);
  PaintInto(bar->Handle());
  EXPECT_EQ(50, SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0));
}

TEST_F(RangeControlsTest, TrackBarKeyPressRaisesOnChangeOnce) {
  auto* track = Make<TTrackBar>("Track");
  track->SetMax(40);
  track->SetLineSize(3);
  track->SetPageSize(10);
  track->SetPosition(5);
  int changes = 0;
  track->OnChange = [&](TObject*) { ++changes; };
  Focus(track);
  const HWND window = track->Handle();
  EXPECT_EQ(40, SendMessageW(window, TBM_GETRANGEMAX, 0, 0));
  EXPECT_EQ(5, SendMessageW(window, TBM_GETPOS, 0, 0));
  PressKey(window, VK_RIGHT);  // a line: TB_LINEDOWN, then TB_ENDTRACK
  EXPECT_EQ(1, changes);
  EXPECT_EQ(8, track->Position());
  PressKey(window, VK_NEXT);  // a page
  EXPECT_EQ(2, changes);
  EXPECT_EQ(18, track->Position());
  track->SetPosition(18);  // no move, no change
  EXPECT_EQ(2, changes);
  track->SetPosition(30);
  EXPECT_EQ(3, changes);
  EXPECT_EQ(30, SendMessageW(window, TBM_GETPOS, 0, 0));
  track->SetMax(20);  // the position is pulled in: that is a change too
  EXPECT_EQ(4, changes);
  EXPECT_EQ(20, SendMessageW(window, TBM_GETPOS, 0, 0));
}

TEST_F(RangeControlsTest, TrackBarWithMaxNotAboveMinDrawsAndStaysPut) {
  auto* track = Make<TTrackBar>("Track");
  track->SetMin(30);
  track->SetMax(10);
  int changes = 0;
  track->OnChange = [&](TObject*) { ++changes; };
  Focus(track);
  const HWND window = track->Handle();
  EXPECT_LE(SendMessageW(window, TBM_GETRANGEMIN, 0, 0),
            SendMessageW(window, TBM_GETRANGEMAX, 0, 0));
  PaintInto(window);
  PressKey(window, VK_RIGHT);
  PressKey(window, VK_LEFT);
  EXPECT_EQ(0, changes);
  EXPECT_EQ(30, track->Position());
  track->SetOrientation(trVertical);
  EXPECT_NE(0, Style(track) & TBS_VERT);
  PaintInto(track->Handle());
}

TEST_F(RangeControlsTest, UpDownArrowStepsItsBuddy) {
  auto* edit = Make<TEdit>("Edit");
  auto* updown = Make<TUpDown>("Spin");
  updown->SetMax(20);
  updown->SetIncrement(5);
  updown->SetAssociate(edit);
  updown->SetPosition(7);
  EXPECT_EQ(reinterpret_cast<LRESULT>(edit->Handle()),
            SendMessageW(updown->Handle(), UDM_GETBUDDY, 0, 0));
  EXPECT_EQ("7", edit->Text());
  std::vector<TUDBtnType> clicks;
  int changing = 0;
  updown->OnClick = [&](TObject*, TUDBtnType button) { clicks.push_back(button); };
  updown->OnChanging = [&](TObject*, bool&) { ++changing; };
  Focus(edit);
  PressKey(edit->Handle(), VK_UP);
  EXPECT_EQ(12, updown->Position());
  EXPECT_EQ(12, SendMessageW(updown->Handle(), UDM_GETPOS32, 0, 0));
  EXPECT_EQ("12", edit->Text());
  PressKey(edit->Handle(), VK_DOWN);
  EXPECT_EQ(7, updown->Position());
  EXPECT_EQ(2, changing);
  EXPECT_EQ((std::vector<TUDBtnType>{btNext, btPrev}), clicks);
  // A number typed into the buddy is the position, also when the range
  // or the window changes afterwards.
  edit->SetText("15");
  EXPECT_EQ(15, updown->Position());
  edit->SetText("18");
  updown->SetMax(30);
  EXPECT_EQ(18, SendMessageW(updown->Handle(), UDM_GETPOS32, 0, 0));
  edit->SetText("16");
  updown->SetWrap(true);
  EXPECT_EQ(16, SendMessageW(updown->Handle(), UDM_GETPOS32, 0, 0));
}

TEST_F(RangeControlsTest, UpDownMouseOnAnArrowAndAVetoedChange) {
  auto* updown = Make<TUpDown>("Spin");
  updown->SetBounds(10, 10, 17, 40);
  updown->SetMax(3);
  updown->SetPosition(3);
  updown->SetWrap(true);
  std::vector<TUDBtnType> clicks;
  updown->OnClick = [&](TObject*, TUDBtnType button) { clicks.push_back(button); };
  form->Show();
  FlushEvents();
  const HWND window = updown->Handle();
  // The upper arrow at Max wraps to Min.
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 5));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(8, 5));
  Application->ProcessMessages();
  EXPECT_EQ(0, updown->Position());
  EXPECT_EQ((std::vector<TUDBtnType>{btNext}), clicks);
  updown->OnChanging = [](TObject*, bool& allow) { allow = false; };
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 35));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(8, 35));
  Application->ProcessMessages();
  EXPECT_EQ(0, updown->Position());
  EXPECT_EQ(1u, clicks.size());
}

TEST_F(RangeControlsTest, UpDownMadeAgainLeavesItsBuddysBoundsAlone) {
  auto* edit = Make<TEdit>("Edit");
  edit->SetBounds(10, 10, 100, 21);
  auto* updown = Make<TUpDown>("Spin");
  updown->HandleNeeded();
  updown->SetAssociate(edit);
  const RECT attached = edit->BoundsRect();
  const RECT spin = updown->BoundsRect();
  EXPECT_LT(attached.right, 110);  // the arrows took the edit's right end
  updown->SetWrap(true);
  updown->SetArrowKeys(false);
  const RECT editAfter = edit->BoundsRect(), spinAfter = updown->BoundsRect();
  EXPECT_TRUE(EqualRect(&attached, &editAfter)) << editAfter.left << " " << editAfter.right;
  EXPECT_TRUE(EqualRect(&spin, &spinAfter)) << spinAfter.left << " " << spinAfter.right;
  updown->SetAssociate(nullptr);  // the edit gets its whole width back
  EXPECT_EQ(100, edit->Width());
}

TEST_F(RangeControlsTest, UpDownForgetsABuddyThatGoes) {
  auto* edit = Make<TEdit>("Edit");
  auto* updown = Make<TUpDown>("Spin");
  updown->SetAssociate(edit);
  delete edit;
  EXPECT_EQ(nullptr, updown->Associate());
  EXPECT_EQ(0, SendMessageW(updown->Handle(), UDM_GETBUDDY, 0, 0));
  updown->SetPosition(4);
  EXPECT_EQ(4, SendMessageW(updown->Handle(), UDM_GETPOS32, 0, 0));
}

TEST_F(RangeControlsTest, ScrollBarMovesOnKeysAndScrollMessages) {
  auto* bar = Make<TScrollBar>("Bar");
  bar->SetMax(200);
  bar->SetPageSize(50);
  bar->SetSmallChange(4);
  bar->SetLargeChange(40);
  bar->SetPosition(10);
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(bar->Handle(), SB_CTL, &info);
  EXPECT_EQ(0, info.nMin);
  EXPECT_EQ(200, info.nMax);
  EXPECT_EQ(50u, info.nPage);
  EXPECT_EQ(10, info.nPos);
  int changes = 0;
  std::vector<TScrollCode> codes;
  bar->OnChange = [&](TObject*) { ++changes; };
  bar->OnScroll = [&](TObject*, TScrollCode code, int&) { codes.push_back(code); };
  Focus(bar);
  PressKey(bar->Handle(), VK_RIGHT);  // SB_LINEDOWN, then SB_ENDSCROLL
  EXPECT_EQ(14, bar->Position());
  EXPECT_EQ(1, changes);
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(scLineDown, codes.front());
  // What the parent is told reaches the bar once, and the page stops at
  // the last place a page can start.
  for (int i = 0; i < 5; ++i)
    PostMessageW(form->Handle(), WM_HSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(bar->Handle()));
  Application->ProcessMessages();
  EXPECT_EQ(151, bar->Position());
  EXPECT_EQ(5, changes);
  info.fMask = SIF_POS;
  GetScrollInfo(bar->Handle(), SB_CTL, &info);
  EXPECT_EQ(151, info.nPos);
  // OnScroll may send the position elsewhere.
  bar->OnScroll = [](TObject*, TScrollCode, int& pos) { pos = 60; };
  SendMessageW(form->Handle(), WM_HSCROLL, SB_TOP, reinterpret_cast<LPARAM>(bar->Handle()));
  EXPECT_EQ(60, bar->Position());
}

TEST_F(RangeControlsTest, ScrollBarThumbDraggedByTheMouseMovesPosition) {
  auto* bar = Make<TScrollBar>("Bar");
  bar->SetBounds(10, 10, 200, 17);
  bar->SetMax(1000000);  // beyond what the message's 16-bit position word holds
  std::vector<TScrollCode> codes;
  bar->OnScroll = [&](TObject*, TScrollCode code, int&) { codes.push_back(code); };
  form->Show();
  FlushEvents();
  const HWND window = bar->Handle();
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetScrollBarInfo(window, OBJID_CLIENT, &info));
  const int thumb = (info.xyThumbTop + info.xyThumbBottom) / 2;
  // The bar's own drag loop takes the queued moves and the release.
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thumb, 8));
  PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 8));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(100, 8));
  Application->ProcessMessages();
  EXPECT_NE(codes.end(), std::find(codes.begin(), codes.end(), scTrack));
  // Dragged to about the middle.
  EXPECT_GT(bar->Position(), 300000);
  EXPECT_LT(bar->Position(), 700000);
  SCROLLINFO pos{sizeof pos, SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(window, SB_CTL, &pos);
  EXPECT_EQ(bar->Position(), pos.nPos);
}

TEST_F(RangeControlsTest, ScrollBarWithAnEmptyOrNegativeRangeStaysAtMin) {
  auto* bar = Make<TScrollBar>("Bar");
  bar->SetPosition(30);
  bar->SetMin(40);
  bar->SetMax(-5);
  bar->SetPageSize(500);
  EXPECT_EQ(40, bar->Position());
  int changes = 0;
  bar->OnChange = [&](TObject*) { ++changes; };
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(bar->Handle(), SB_CTL, &info);
  EXPECT_LE(info.nMin, info.nMax);
  EXPECT_EQ(40, info.nPos);
  for (const WPARAM code : {SB_LINEDOWN, SB_PAGEDOWN, SB_BOTTOM, SB_LINEUP, SB_TOP})
    SendMessageW(form->Handle(), WM_HSCROLL, code, reinterpret_cast<LPARAM>(bar->Handle()));
  EXPECT_EQ(40, bar->Position());
  EXPECT_EQ(0, changes);
  PaintInto(bar->Handle());
}

TEST_F(RangeControlsTest, PropertiesAreReadAndSetByName) {
  auto* bar = Make<TScrollBar>("Bar");
  bar->SetBounds(0, 0, 120, 16);
  EXPECT_EQ("sbHorizontal", GetEnumProp(bar, "Kind"));
  EXPECT_TRUE(SetEnumProp(bar, "Kind", "sbVertical"));
  EXPECT_NE(0, Style(bar) & SBS_VERT);
  EXPECT_EQ(16, bar->Width());  // turned on its side
  EXPECT_TRUE(SetOrdProp(bar, "Max", 30));
  EXPECT_TRUE(SetOrdProp(bar, "PageSize", 30));
  EXPECT_EQ(30, GetOrdProp(bar, "PageSize"));

  auto* bar2 = Make<TProgressBar>("Progress");
  EXPECT_TRUE(SetPropFromText(bar2, "Position", "42"));
  EXPECT_EQ(42, SendMessageW(bar2->Handle(), PBM_GETPOS, 0, 0));
  EXPECT_TRUE(SetEnumProp(bar2, "Smooth", "True"));
  EXPECT_NE(0, Style(bar2) & PBS_SMOOTH);

  auto* track = Make<TTrackBar>("Track");
  EXPECT_TRUE(SetEnumProp(track, "TickStyle", "tsNone"));
  EXPECT_NE(0, Style(track) & TBS_NOTICKS);
  EXPECT_TRUE(SetOrdProp(track, "PageSize", 7));
  EXPECT_EQ(7, SendMessageW(track->Handle(), TBM_GETPAGESIZE, 0, 0));

  auto* updown = Make<TUpDown>("Spin");
  auto* edit = Make<TEdit>("Edit");
  EXPECT_TRUE(SetObjectProp(updown, "Associate", edit));
  EXPECT_EQ(edit, GetObjectProp(updown, "Associate"));
  EXPECT_TRUE(SetEnumProp(updown, "Orientation", "udHorizontal"));
  EXPECT_NE(0, Style(updown) & UDS_HORZ);
  EXPECT_EQ(reinterpret_cast<LRESULT>(edit->Handle()),
            SendMessageW(updown->Handle(), UDM_GETBUDDY, 0, 0));
}

}  // namespace
