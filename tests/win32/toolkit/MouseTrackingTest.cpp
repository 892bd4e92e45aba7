// Mouse enter and leave as a person moving the real pointer produces them:
// the pointer is put with SetCursorPos and the system's own mouse messages
// do the rest.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Label.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

class MouseTrackingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 200, 150);
    button = new TButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 80, 25);
    label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetAutoSize(false);
    label->SetBounds(10, 60, 80, 20);
    Watch(form.get(), "form");
    Watch(button, "button");
    Watch(label, "label");
    form->Show();
    FlushEvents();
  }

  void Watch(TControl* control, const std::string& name) {
    control->OnMouseEnter = [this, name](TObject*) { events.push_back(name + " enter"); };
    control->OnMouseLeave = [this, name](TObject*) { events.push_back(name + " leave"); };
  }

  // Puts the pointer at a screen point and handles messages until the last
  // event is the one wanted or the time is up; the events seen meanwhile.
  std::vector<std::string> MoveTo(int x, int y, const std::string& wanted, DWORD budgetMs) {
    events.clear();
    SetCursorPos(x, y);
    const DWORD start = GetTickCount();
    do FlushEvents();
    while ((events.empty() || events.back() != wanted) && GetTickCount() - start < budgetMs);
    return events;
  }

  std::unique_ptr<TForm> form;
  TButton* button = nullptr;
  TLabel* label = nullptr;
  std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(MouseTrackingTest, LeavingForAnotherWindowOrTheDesktopLeavesTheControl) {
  // Another program's window, as far as mouse tracking can tell: not ours.
  const TWindowHandle other(CreateWindowExW(WS_EX_TOOLWINDOW, L"BUTTON", L"", WS_POPUP | WS_VISIBLE,
                                            400, 100, 150, 150, nullptr, nullptr, nullptr,
                                            nullptr));
  ASSERT_TRUE(other);
  // Wine notices such a leave only by polling, every couple of seconds.
  constexpr DWORD kLeaveBudgetMs = 6000;
  EXPECT_EQ(Events({"form enter"}), MoveTo(250, 200, "form enter", 1000));
  EXPECT_EQ(Events({"form leave"}), MoveTo(470, 170, "form leave", kLeaveBudgetMs));
  EXPECT_EQ(Events({"button enter"}), MoveTo(140, 120, "button enter", 1000));
  const int right = GetSystemMetrics(SM_CXSCREEN) - 3, bottom = GetSystemMetrics(SM_CYSCREEN) - 3;
  EXPECT_EQ(Events({"button leave"}), MoveTo(right, bottom, "button leave", kLeaveBudgetMs));
}

TEST_F(MouseTrackingTest, MovingBetweenOurOwnControlsIsImmediate) {
  MoveTo(250, 200, "form enter", 1000);
  // Well inside the polling interval: these come with the move itself.
  EXPECT_EQ(Events({"form leave", "button enter"}), MoveTo(140, 120, "button enter", 300));
  EXPECT_EQ(Events({"button leave", "label enter"}), MoveTo(140, 170, "label enter", 300));
  EXPECT_EQ(Events({"label leave", "form enter"}), MoveTo(250, 200, "form enter", 300));
}

}  // namespace
