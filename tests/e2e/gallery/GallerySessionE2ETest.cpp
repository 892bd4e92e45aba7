// A person's session on the gallery's controls with the real X pointer:
// the skinned controls still do what the system's controls do. What each
// control holds is read back across the process; hot, pressed and open
// states are saved as screenshots beside the pages.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>
#include <vector>

#include "E2eSupport.h"
#include "GalleryControls.h"
#include "GalleryProcess.h"
#include "RemoteMemory.h"

namespace {

using namespace e2e;

// Where the pages the session visits sit among the gallery's tabs.
enum TGalleryPage {
  kButtonsPage = 0,
  kCombosPage = 3,
  kListViewsPage = 6,
  kRangesPage = 8,
  kDatesPage = 9
};

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

std::string Shot(const std::string& name) { return GalleryPaths().out + "/" + name + ".png"; }

class GallerySession : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(gallery_.WaitSkinned()); }
  void TearDown() override { EXPECT_TRUE(gallery_.CloseAndExit()); }
  DWORD Process() const { return gallery_.process.Id(); }
  HWND Window() const { return gallery_.window; }
  RECT GalleryRect() const { return ScreenRectOf(gallery_.window); }

  TGallery gallery_{""};
};

// The skinned button draws itself from the frame of the skin's strip that
// its state names: hot under the pointer, pressed while the button is held,
// hot again after the release, focused once the pointer leaves; the
// system's own press state is not used.
TEST_F(GallerySession, PushButtonShowsHotAndPressedUnderThePointer) {
  ASSERT_TRUE(ShowPage(Window(), kButtonsPage));
  const HWND button = FindChildByText(Window(), L"普通按钮");
  ASSERT_TRUE(button);
  const TButtonStrip strip = ButtonStrip(WinPathOfUnix(GalleryPaths().skinSource));
  ASSERT_FALSE(strip.image.pixels.empty());
  const auto frameShown = [&] { return ButtonFrameShown(button, strip); };
  const RECT face = ScreenRectOf(button);
  const POINT centre = CentreOf(face);
  const RECT area = GalleryRect();
  // Away from every control first: the empty lower right of the page.
  ASSERT_TRUE(XMove(area.right - 60, area.bottom - 80));
  Pump(300ms);
  EXPECT_EQ(frameShown(), FocusInThreadOf(button) == button ? kFocusedFrame : kNormalFrame);
  ASSERT_TRUE(XMove(centre.x, centre.y));
  EXPECT_TRUE(WaitFor([&] { return frameShown() == kHotFrame; }, 2s)) << frameShown();
  EXPECT_TRUE(SaveScreenshot(Shot("gallery_button_hot"), &area));
  ASSERT_TRUE(XPress(centre.x, centre.y));
  EXPECT_TRUE(WaitFor([&] { return frameShown() == kPressedFrame; }, 2s)) << frameShown();
  EXPECT_TRUE(SaveScreenshot(Shot("gallery_button_pressed"), &area));
  ASSERT_TRUE(XRelease());
  EXPECT_TRUE(WaitFor([&] { return frameShown() == kHotFrame; }, 2s))
      << "still drawn pressed after release: frame " << frameShown();
  ASSERT_TRUE(XMove(area.right - 60, area.bottom - 80));
  EXPECT_TRUE(WaitFor([&] { return frameShown() == kFocusedFrame; }, 2s))
      << "the clicked button has the focus: frame " << frameShown();
}

// A click on the arrow opens the list; a click on an item in it selects
// that item and closes the list.
TEST_F(GallerySession, ComboBoxOpensWithAClickAndTakesTheItemClickedInItsList) {
  ASSERT_TRUE(ShowPage(Window(), kCombosPage));
  const HWND combo = FindDescendant(Window(), L"TComboBox", [](HWND w) {
    return (StyleOf(w) & 3) == CBS_DROPDOWNLIST && IsWindowEnabled(w);
  });
  ASSERT_TRUE(combo);
  const LRESULT before = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  const RECT box = ScreenRectOf(combo);
  ASSERT_TRUE(XClick(box.right - 8, (box.top + box.bottom) / 2));
  ASSERT_TRUE(WaitFor([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 5s));
  HWND list = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (list = VisibleTopLevelOfClass(Process(), L"ComboLBox")); }, 5s));
  Pump(400ms);
  const RECT area = GalleryRect();
  EXPECT_TRUE(SaveScreenshot(Shot("gallery_combo_dropped"), &area));

  // Twenty items in a list eight high: the list scrolls.
  const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
  const LRESULT row = top + 5 == before ? 6 : 5;
  const auto itemHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(itemHeight, 0);
  RECT inside{};
  GetClientRect(list, &inside);
  POINT item{inside.left + 20, inside.top + itemHeight * static_cast<int>(row) + itemHeight / 2};
  ClientToScreen(list, &item);
  ASSERT_TRUE(XClick(item.x, item.y));
  EXPECT_TRUE(WaitFor([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }, 5s));
  const LRESULT chosen = top + row;
  EXPECT_TRUE(WaitFor([&] { return SendMessageW(combo, CB_GETCURSEL, 0, 0) == chosen; }, 3s))
      << "selected " << SendMessageW(combo, CB_GETCURSEL, 0, 0) << ", clicked " << chosen;
  EXPECT_EQ(L"选项 " + std::to_wstring(chosen + 1), WindowText(combo));
}

TEST_F(GallerySession, UpDownUpperHalfRaisesItsBuddyAndTheTrackThumbDrags) {
  ASSERT_TRUE(ShowPage(Window(), kRangesPage));
  const HWND spin = FindDescendant(Window(), L"TUpDown",
                                   [](HWND w) { return SendMessageW(w, UDM_GETBUDDY, 0, 0) != 0; });
  ASSERT_TRUE(spin);
  const auto buddy = reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0));
  const int before = std::stoi(WindowText(buddy));
  const RECT arrows = ScreenRectOf(spin);
  ASSERT_TRUE(
      XClick((arrows.left + arrows.right) / 2, arrows.top + (arrows.bottom - arrows.top) / 4));
  EXPECT_TRUE(WaitFor([&] { return WindowText(buddy) == std::to_wstring(before + 1); }, 3s))
      << Narrow(WindowText(buddy));

  const HWND track = FindDescendant(Window(), L"TTrackBar", [](HWND w) {
    return IsWindowEnabled(w) && !(StyleOf(w) & TBS_VERT);
  });
  ASSERT_TRUE(track);
  const LRESULT start = SendMessageW(track, TBM_GETPOS, 0, 0);
  const auto thumb = AskThroughRemote<RECT>(track, TBM_GETTHUMBRECT, 0);
  ASSERT_TRUE(thumb && !IsRectEmpty(&*thumb));
  POINT from = CentreOf(*thumb);
  ClientToScreen(track, &from);
  ASSERT_TRUE(XDrag(from, {from.x + 60, from.y}));
  EXPECT_TRUE(WaitFor([&] { return SendMessageW(track, TBM_GETPOS, 0, 0) > start; }, 3s))
      << "position stayed at " << start;
  Pump(300ms);
  const RECT area = GalleryRect();
  EXPECT_TRUE(SaveScreenshot(Shot("gallery_ranges_used"), &area));
}

// The arrow drops the calendar; a click on a day in its fourth week takes
// that day and closes it.
TEST_F(GallerySession, DateTimeArrowDropsTheCalendarAndADayClickedThereIsTaken) {
  ASSERT_TRUE(ShowPage(Window(), kDatesPage));
  const HWND picker = FindDescendant(Window(), L"TDateTimePicker", [](HWND w) {
    const LONG_PTR style = StyleOf(w);
    return IsWindowEnabled(w) && !(style & (DTS_SHOWNONE | DTS_TIMEFORMAT | DTS_LONGDATEFORMAT));
  });
  ASSERT_TRUE(picker);
  const auto shown = AskThroughRemote<SYSTEMTIME>(picker, DTM_GETSYSTEMTIME, 0);
  ASSERT_TRUE(shown);
  ASSERT_EQ(9, shown->wDay) << "the gallery's pickers show the ninth";
  EXPECT_FALSE(VisibleTopLevelOfClass(Process(), L"SysMonthCal32"));
  const RECT field = ScreenRectOf(picker);
  ASSERT_TRUE(XClick(field.right - 8, (field.top + field.bottom) / 2));
  HWND calendar = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] { return (calendar = VisibleTopLevelOfClass(Process(), L"SysMonthCal32")) != nullptr; },
      5s));
  Pump(400ms);
  RECT area = GalleryRect();
  const RECT dropped = ScreenRectOf(calendar);
  UnionRect(&area, &area, &dropped);
  EXPECT_TRUE(SaveScreenshot(Shot("gallery_calendar_dropped"), &area));

  // Title, day names, then six weeks: five eighths down lies the fourth week.
  const int width = dropped.right - dropped.left, height = dropped.bottom - dropped.top;
  ASSERT_TRUE(XClick(dropped.left + width / 2, dropped.top + height * 5 / 8));
  EXPECT_TRUE(WaitFor([&] { return !VisibleTopLevelOfClass(Process(), L"SysMonthCal32"); }, 5s));
  const auto taken = AskThroughRemote<SYSTEMTIME>(picker, DTM_GETSYSTEMTIME, 0);
  ASSERT_TRUE(taken);
  EXPECT_GT(taken->wDay, 15) << "the day clicked in the fourth week";
}

// The report view's own header, skinned, still resizes its column when
// its divider is dragged.
TEST_F(GallerySession, ListViewColumnWidensWhenItsHeaderDividerIsDragged) {
  ASSERT_TRUE(ShowPage(Window(), kListViewsPage));
  const HWND view =
      FindDescendant(Window(), L"TListView", [](HWND w) { return IsWindowEnabled(w); });
  ASSERT_TRUE(view);
  const HWND header = FindWindowExW(view, nullptr, WC_HEADERW, nullptr);
  ASSERT_TRUE(header);
  const auto before = static_cast<int>(SendMessageW(view, LVM_GETCOLUMNWIDTH, 0, 0));
  ASSERT_GT(before, 0);
  POINT divider{before, 0};
  ClientToScreen(header, &divider);
  RECT bar{};
  GetClientRect(header, &bar);
  divider.y += bar.bottom / 2;
  ASSERT_TRUE(XDrag(divider, {divider.x + 40, divider.y}));
  EXPECT_TRUE(
      WaitFor([&] { return SendMessageW(view, LVM_GETCOLUMNWIDTH, 0, 0) >= before + 30; }, 3s))
      << "width " << SendMessageW(view, LVM_GETCOLUMNWIDTH, 0, 0) << " from " << before;
  Pump(300ms);
  const RECT area = GalleryRect();
  EXPECT_TRUE(SaveScreenshot(Shot("gallery_column_dragged"), &area));
}

}  // namespace
