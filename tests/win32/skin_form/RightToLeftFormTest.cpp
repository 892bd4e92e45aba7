// A toolkit form that reads right to left, skinned, against one that reads
// left to right: where its caption text, its menu bar and its status bar
// panel's text land (pixels read back), and which drop-down the arrow keys
// open next while one of its bar is open.
#include <algorithm>
#include <climits>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

#include "FramePixelsFixture.h"
#include "skin/core/SkinMessages.h"
#include "skin/form/SkinMenuBar.h"
#include "tests/win32/support/MenuLoopTicks.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/StatusBar.h"

namespace {

// The columns where two paintings of the same rows differ: what text drew.
struct TSpan {
  int left = INT_MAX;
  int right = -1;
};

TSpan Difference(const DibSurface& plain, const DibSurface& text, int width, int top, int bottom) {
  TSpan span;
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < width; ++x) {
      if (plain.Pixel(x, y) == text.Pixel(x, y)) continue;
      span.left = std::min(span.left, x);
      span.right = std::max(span.right, x);
    }
  }
  return span;
}

const char* const kMenuCaptions[] = {"&File", "&Edit", "&Help"};
constexpr int kPanelWidth = 200;

class RightToLeftFormTest : public SkinManagerTest {
 protected:
  // A form in mode with a three-item menu bar (each item with a drop-down)
  // and a status bar of two panels, skinned.
  TWinSkinForm& Shown(TBiDiMode mode) {
    form = std::make_unique<TForm>(nullptr);
    form->SetBiDiMode(mode);
    auto* menu = new TMainMenu(form.get());
    for (size_t i = 0; i < std::size(kMenuCaptions); ++i) {
      auto* item = new TMenuItem(form.get());
      auto* entry = new TMenuItem(form.get());
      entry->SetCaption("Entry");
      item->Add(entry);
      item->OnClick = [this, i](TObject*) { opened.push_back(static_cast<int>(i)); };
      menu->Items()->Add(item);
      items.push_back(item);
    }
    form->SetMenu(menu);
    bar = new TStatusBar(form.get());
    bar->SetParent(form.get());
    bar->Panels()->AddPanel()->SetWidth(kPanelWidth);
    bar->Panels()->AddPanel();
    form->SetBounds(40, 40, 520, 260);
    SetTexts(true);
    form->Show();
    SetForegroundWindow(form->Handle());
    return SkinnedObject(form->Handle());
  }
  void SetTexts(bool shown) {
    form->SetCaption(shown ? "Right to left" : "");
    for (size_t i = 0; i < items.size(); ++i) items[i]->SetCaption(shown ? kMenuCaptions[i] : "");
    bar->Panels()->Items(0)->SetText(shown ? "Panel" : "");
  }
  std::unique_ptr<DibSurface> FramePainted(TWinSkinForm& object) {
    auto dib = std::make_unique<DibSurface>(form->Width(), form->Height());
    object.PaintFrame(dib->dc());
    return dib;
  }
  std::unique_ptr<DibSurface> BarPainted() {
    auto dib = std::make_unique<DibSurface>(bar->Width(), bar->Height());
    SendMessageW(bar->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dib->dc()), 0);
    return dib;
  }
  // Opens the first item's drop-down, then presses each key once the
  // drop-down of the step before is open.
  void PressWhileTracking(TWinSkinForm& object, const std::vector<WPARAM>& keys) {
    opened.clear();
    size_t done = 0;
    int quiet = 0;
    const wintest::TMenuLoopTicks ticks([&](HWND menuWindow) {
      if (!menuWindow || opened.size() != done + 1 || ++quiet < 2) return;
      quiet = 0;
      if (done == keys.size()) {
        EndMenu();
        return;
      }
      PostMessageW(menuWindow, WM_KEYDOWN, keys[done++], 0);
    });
    const RECT& first = object.MenuHost().Bar()->Item(0)->Rect;
    const LPARAM at = MAKELPARAM(form->Left() + first.left + 2, form->Top() + first.top + 2);
    SendMessageW(form->Handle(), SKIN_OPENMENUBAR, 0, at);
    PumpUntil([&] { return opened.size() == keys.size() + 1 && !wintest::VisibleMenuWindow(); },
              8000);
  }
  void TearDown() override {
    form.reset();
    SkinManagerTest::TearDown();
  }

  std::unique_ptr<TForm> form;
  std::vector<TMenuItem*> items;
  TStatusBar* bar = nullptr;
  std::vector<int> opened;
};

// The shown form turns right to left: the skin follows the live window.
TEST_F(RightToLeftFormTest, CaptionMenuBarAndPanelTextSitRightOnlyWhenTheFormReadsRightToLeft) {
  TWinSkinForm& object = Shown(bdLeftToRight);
  TSpan leftToRight[3];
  for (const bool rightToLeft : {false, true}) {
    SCOPED_TRACE(rightToLeft ? "right to left" : "left to right");
    if (rightToLeft) form->SetBiDiMode(bdRightToLeft);
    ASSERT_EQ(rightToLeft, object.Window().RightToLeft);
    ASSERT_NE(nullptr, object.FindSkinObject(bar->Handle()));
    const auto frameText = FramePainted(object);
    const auto barText = BarPainted();
    SetTexts(false);
    const auto framePlain = FramePainted(object);
    const auto barPlain = BarPainted();
    SetTexts(true);

    const int width = form->Width();
    const int captionBottom = object.Frame().Top();
    const int menuBottom = captionBottom + object.Frame().MenuBarHeight();
    ASSERT_GT(object.Frame().MenuBarHeight(), 0);
    const TSpan caption = Difference(*framePlain, *frameText, width, 0, captionBottom);
    const TSpan menuBar = Difference(*framePlain, *frameText, width, captionBottom, menuBottom);
    const TSpan panel = Difference(*barPlain, *barText, bar->Width(), 0, bar->Height());
    // Left to right the text starts in the first quarter of its room; right
    // to left it ends in the last and keeps clear of where it stood before.
    const TSpan spans[] = {caption, menuBar, panel};
    const int room[] = {width, width, kPanelWidth};
    for (size_t i = 0; i < std::size(spans); ++i) {
      SCOPED_TRACE(i);
      ASSERT_GE(spans[i].right, 0);
      EXPECT_LT(spans[i].right, room[i]);
      if (rightToLeft) {
        EXPECT_GT(spans[i].right, room[i] * 3 / 4);
        EXPECT_GT(spans[i].left, leftToRight[i].right);
      } else {
        EXPECT_LT(spans[i].left, room[i] / 4);
        leftToRight[i] = spans[i];
      }
    }
    const TWinSkinMenu& menu = *object.MenuHost().Bar();
    EXPECT_EQ(rightToLeft, menu.Item(0)->Rect.left > menu.Item(1)->Rect.left);
  }
}

// From the first item, Left, Left, Right: a right-to-left bar runs leftwards,
// so its arrows move the other way round the bar.
TEST_F(RightToLeftFormTest, ArrowKeysTradePlacesWhileARightToLeftBarsDropDownIsOpen) {
  const struct {
    TBiDiMode mode;
    std::vector<int> opened;
  } cases[] = {{bdLeftToRight, {0, 2, 1, 2}}, {bdRightToLeft, {0, 1, 2, 1}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    items.clear();
    TWinSkinForm& object = Shown(c.mode);
    ASSERT_EQ(c.mode == bdRightToLeft, object.Window().RightToLeft);
    PressWhileTracking(object, {VK_LEFT, VK_LEFT, VK_RIGHT});
    EXPECT_EQ(c.opened, opened);
    EXPECT_FALSE(MenuBarHookInstalled());
    form.reset();
  }
}

}  // namespace
