// Combo boxes under the real pointer, on pixels read back from the screen:
// the ComboButton frame follows disabled, hot, pressed and focused; the
// combo still opens and selects; its drop-down list's scroll bar is ours
// and its thumb drag scrolls the list, and ends when the capture or the
// window goes; an ANSI combo's edit is hooked and let go again.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "RealPointer.h"
#include "SavedElement.h"
#include "ScrollStripsSupport.h"
#include "SkinControlSupport.h"
#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/controls/ComboxScrollBar.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinComBox.h"
#include "skin/core/WindowHook.h"
#include "tests/win32/graphics/Pixels.h"
#include "toolkit/controls/ListControls.h"

namespace {

SCROLLBARINFO BarOf(HWND list) {
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  GetScrollBarInfo(list, OBJID_VSCROLL, &bar);
  return bar;
}

// A pixel of a window's non-client area given in screen coordinates.
unsigned ScreenPixelOf(HWND window, POINT at) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return WindowPixel(window, at.x - rect.left, at.y - rect.top);
}

// Timer steps that run inside the drag loop, which dispatches our timer.
std::vector<std::function<void()>>* dragSteps = nullptr;
size_t dragStep = 0;
void CALLBACK RunDragStep(HWND, UINT, UINT_PTR, DWORD) {
  if (dragSteps && dragStep < dragSteps->size()) (*dragSteps)[dragStep++]();
}

// Starts the steps on a timer, runs `start` (which may not return until
// the steps let it) and pumps until every step ran.
void RunWithSteps(std::vector<std::function<void()>> steps, const std::function<void()>& start) {
  dragSteps = &steps;
  dragStep = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, &RunDragStep);
  start();
  PumpUntil([&] { return dragStep >= steps.size(); }, 5000);
  FlushEvents();
  KillTimer(nullptr, timer);
  dragSteps = nullptr;
}

class ComboBoxTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
    for (TDataSkinObject* element :
         {static_cast<TDataSkinObject*>(skin.ComboButton.get()), skin.Scrollbar.get(),
          skin.VertScroll.get(), skin.VertScrollThumb.get(), skin.HorzScrollThumb.get()}) {
      saved_.push_back(std::make_unique<SavedElement>(*element));
    }
    saved_.front()->Plain();
    MakeStrip(*skin.ComboButton->Image, 4, 50, 21);
    skin.ComboButton->Frame = 4;
    skin.ComboButton->Style = 2;
    arrow = GetSystemMetrics(SM_CXVSCROLL);
    MakeStrip(*skin.Scrollbar->Image, 23, arrow, arrow, CellColour);
    MakeStrip(*skin.VertScrollThumb->Image, 3, 8, 16, ThumbColour);
    MakeStrip(*skin.HorzScrollThumb->Image, 3, 16, 8, ThumbColour);
    GetCursorPos(&cursor_);
  }
  void TearDown() override {
    SendPointer(cursor_);
    saved_.clear();
    SkinControlTest::TearDown();
  }

  TComboBox* Combo(int items, TComboBoxStyle style = csDropDownList) {
    auto* combo = Make<TComboBox>(form.get(), 20, 20, 160, 24);
    combo->SetStyle(style);
    for (int i = 0; i < items; ++i) combo->Items()->Add("item " + std::to_string(i));
    auto* object = new TSkinComBox(combo);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    RepaintNow(combo->Handle());
    return combo;
  }
  static POINT ButtonCentre(TComboBox* combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo->Handle(), &info);
    return OnScreen(combo->Handle(), (info.rcButton.left + info.rcButton.right) / 2,
                    (info.rcButton.top + info.rcButton.bottom) / 2);
  }
  static HWND ListOf(TComboBox* combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo->Handle(), &info);
    return info.hwndList;
  }
  static bool Dropped(TComboBox* combo) {
    return SendMessageW(combo->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
  // The button's middle and the combo's left edge, as shown.
  static std::pair<unsigned, unsigned> Shown(TComboBox* combo) {
    UpdateWindow(combo->Handle());
    RECT window{};
    GetWindowRect(combo->Handle(), &window);
    const POINT button = ButtonCentre(combo);
    return {ScreenPixelOf(combo->Handle(), button),
            WindowPixel(combo->Handle(), 0, (window.bottom - window.top) / 2)};
  }
  TComboxScrollBar* ListObject(TComboBox* combo) const {
    return dynamic_cast<TComboxScrollBar*>(formObject->FindSkinObject(ListOf(combo)));
  }
  // The list dropped open and scrolled so that its thumb is off the top.
  HWND OpenScrolledList(TComboBox* combo) {
    SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    FlushEvents();
    return ListOf(combo);
  }

  int arrow = 0;

 private:
  std::vector<std::unique_ptr<SavedElement>> saved_;
  POINT cursor_{};
};

TEST_F(ComboBoxTest, DisabledShowsFrameThreeWhateverTheMouseDoes) {
  TComboBox* combo = Combo(5);
  combo->SetEnabled(false);
  RepaintNow(combo->Handle());
  EXPECT_EQ(std::make_pair(Frame(3), Frame(3)), Shown(combo));
  SendPointer(ButtonCentre(combo));
  PumpUntil([] { return false; }, 150);
  EXPECT_EQ(std::make_pair(Frame(3), Frame(3)), Shown(combo)) << "pointer over the button";
  SendButton(MOUSEEVENTF_LEFTDOWN);
  PumpUntil([] { return false; }, 150);
  EXPECT_EQ(std::make_pair(Frame(3), Frame(3)), Shown(combo)) << "button held";
  SendButton(MOUSEEVENTF_LEFTUP);
  FlushEvents();
  EXPECT_FALSE(Dropped(combo));
  EXPECT_EQ(std::make_pair(Frame(3), Frame(3)), Shown(combo)) << "released";
}

TEST_F(ComboBoxTest, SunkStyleDrawsTheEdgeAndTheButtonSquareButLeavesTheText) {
  TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
  SavedElement sunk(*skin.SunkEdge);
  SavedElement extra(*skin.ExtraImages);
  sunk.Plain();
  skin.ComboButton->Style = 0;
  MakeStrip(*skin.SunkEdge->Image, 4, 12, 12, CellColour);
  skin.SunkEdge->Frame = 4;
  skin.ExtraImages->Image->Assign(nullptr);
  TComboBox* combo = Combo(5);
  combo->SetEnabled(false);
  RepaintNow(combo->Handle());
  const HWND window = combo->Handle();
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int square = GetSystemMetrics(SM_CXHSCROLL) + 2;
  EXPECT_EQ(Frame(3), WindowPixel(window, width - square / 2, height / 2)) << "button square";
  EXPECT_EQ(Dib(CellColour(3)), WindowPixel(window, 0, height / 2)) << "edge, disabled frame";
  EXPECT_EQ(Dib(CellColour(3)), WindowPixel(window, width / 3, 0));
  EXPECT_NE(Dib(CellColour(3)), WindowPixel(window, width / 3, height / 2)) << "text area left";
}

TEST_F(ComboBoxTest, RealPointerHoversOpensAndSelects) {
  TComboBox* combo = Combo(5);
  EXPECT_EQ(Frame(1), Shown(combo).first);
  SendPointer(ButtonCentre(combo));
  ASSERT_TRUE(PumpUntil([&] { return Shown(combo).first == Frame(4); })) << "hot over the button";

  SendButton(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return Dropped(combo); })) << "the press opens the list";
  EXPECT_EQ(Frame(2), Shown(combo).first) << "pressed while open";
  SendButton(MOUSEEVENTF_LEFTUP);
  FlushEvents();
  ASSERT_TRUE(Dropped(combo));

  const HWND list = ListOf(combo);
  const int itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  SendPointer(OnScreen(list, 20, itemHeight * 3 + itemHeight / 2));
  PumpUntil([] { return false; }, 100);
  SendButton(MOUSEEVENTF_LEFTDOWN);
  SendButton(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return !Dropped(combo); }));
  EXPECT_EQ(3, combo->ItemIndex());
  EXPECT_NE(Frame(2), Shown(combo).first) << "the press ended with the list";
}

TEST_F(ComboBoxTest, DropDownListShowsOurScrollBarAsItScrollsAndTheThumbDragScrollsIt) {
  TComboBox* combo = Combo(30);
  combo->SetDropDownCount(8);
  const HWND list = OpenScrolledList(combo);
  ASSERT_NE(nullptr, ListObject(combo)) << "the list got its scroll bar object";
  SCROLLBARINFO bar = BarOf(list);
  ASSERT_FALSE(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
  const auto pixel = [&](int along) {
    return ScreenPixelOf(list, POINT{x, bar.rcScrollBar.top + along});
  };
  EXPECT_EQ(Dib(CellColour(9)), pixel(arrow / 2)) << "up arrow";
  EXPECT_EQ(Dib(CellColour(13)), pixel(bar.rcScrollBar.bottom - bar.rcScrollBar.top - arrow / 2));

  for (int i = 0; i < 5; ++i) SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
  FlushEvents();
  bar = BarOf(list);
  ASSERT_GT(bar.xyThumbTop, arrow) << "the list scrolled";
  EXPECT_EQ(Dib(ThumbColour(1)), pixel(bar.xyThumbTop + 1)) << "thumb where the list has it";
  EXPECT_EQ(Dib(CellColour(9)), pixel(arrow / 2));

  // The real pointer drags the thumb to the bottom of its track; the moves
  // and the release come from timer steps, as our drag loop holds the
  // thread until the button goes up.
  const LRESULT topBefore = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
  const POINT grab{x, bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
  SendPointer(grab);
  PumpUntil([] { return false; }, 100);
  bool draggingSeen = false;
  RunWithSteps({[&] { draggingSeen = ListObject(combo)->Dragging; },
                [&] {
                  SendPointer(POINT{x, bar.rcScrollBar.bottom + 40});
                },
                [] {}, [] { SendButton(MOUSEEVENTF_LEFTUP); }},
               [] { SendButton(MOUSEEVENTF_LEFTDOWN); });
  EXPECT_TRUE(draggingSeen) << "our own drag loop ran";
  EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), topBefore);
  SCROLLINFO range{};
  range.cbSize = sizeof range;
  range.fMask = SIF_ALL;
  GetScrollInfo(list, SB_VERT, &range);
  EXPECT_EQ(range.nMax - static_cast<int>(range.nPage) + 1,
            SendMessageW(list, LB_GETTOPINDEX, 0, 0))
      << "the thumb at the bottom shows the last page";
  EXPECT_FALSE(ListObject(combo)->Dragging);
}

TEST_F(ComboBoxTest, ThumbDragEndsWhenTheCaptureOrTheWindowGoes) {
  for (const bool destroy : {false, true}) {
    TComboBox* combo = Combo(30);
    combo->SetDropDownCount(8);
    const HWND list = OpenScrolledList(combo);
    ASSERT_NE(nullptr, ListObject(combo));
    const SCROLLBARINFO bar = BarOf(list);
    const POINT onThumb{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
                        bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
    bool rescued = false;
    std::vector<std::function<void()>> steps = {
        [&] {
          if (destroy) {
            delete combo;
          } else {
            ReleaseCapture();
          }
        },
        // Only reached if the loop kept running: let it go for good.
        [&] {
          rescued = true;
          PostMessageW(list, WM_LBUTTONUP, 0, 0);
        }};
    dragSteps = &steps;
    dragStep = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &RunDragStep);
    // The press the list hands on for its bar, as a click on the thumb does.
    SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(onThumb.x, onThumb.y));
    const size_t stepsRun = dragStep;
    KillTimer(nullptr, timer);
    dragSteps = nullptr;
    EXPECT_EQ(1u, stepsRun) << (destroy ? "window destroyed" : "capture lost");
    EXPECT_FALSE(rescued);
    if (!destroy) {
      EXPECT_FALSE(ListObject(combo)->Dragging);
      SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    }
    formObject->SweepGoneSkinObjects();
    FlushEvents();
  }
}

TEST_F(ComboBoxTest, AnAnsiComboHasItsEditHookedUntilUnskinned) {
  const HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 20,
                                     60, 160, 200, form->Handle(), nullptr, nullptr, nullptr);
  ASSERT_FALSE(IsWindowUnicode(combo));
  const HWND edit = GetWindow(combo, GW_CHILD);
  const auto before = GetWindowLongPtrA(edit, GWLP_WNDPROC);
  auto object = std::make_unique<TSkinComBox>(nullptr);
  object->InitWindow(combo, data.get(), formObject.get(), &formObject->ControlCanvas());
  TSkinComBox* combox = object.release();  // the form's list owns it
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(TWindowHook::ProcedureOf(THookRole::Control)),
            GetWindowLongPtrA(edit, GWLP_WNDPROC));
  SendPointer(OnScreen(edit, 5, 5));
  PumpUntil([] { return false; }, 100);
  SendButton(MOUSEEVENTF_LEFTDOWN);
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(2, combox->StateFrame()) << "a press in the edit is the combo's";
  SendButton(MOUSEEVENTF_LEFTUP);
  FlushEvents();
  EXPECT_NE(2, combox->StateFrame());
  combox->Unskin();
  EXPECT_EQ(before, GetWindowLongPtrA(edit, GWLP_WNDPROC));
  delete combox;
  DestroyWindow(combo);
}

TEST_F(ComboBoxTest, DiscoveryGivesTheToolkitComboItsObject) {
  auto* combo = Make<TComboBox>(form.get(), 20, 20, 160, 24);
  TControlDiscovery(*formObject, *data).SkinChildren(form.get());
  EXPECT_NE(nullptr, dynamic_cast<TSkinComBox*>(formObject->FindSkinObject(combo->Handle())));
  EXPECT_NE(nullptr, ListObject(combo));
}

}  // namespace
