// Lifetimes around hooks: what a control owns goes while its window still
// exists.
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Label.h"

namespace {

// What a hooking component found when it went away.
struct RestoreReport {
  bool destroyed = false;
  bool windowAlive = false;
  bool procedureStillOurs = false;
  int hookedDestroyMessages = 0;
};
RestoreReport report;

constexpr wchar_t kHookProperty[] = L"TapvaneTestHook";

// Hooks its owner the way a skin object does: the control's WindowProc and
// the window's procedure, both put back in its destructor.
class HookingComponent : public TComponent {
 public:
  explicit HookingComponent(TWinControl* control)
      : TComponent(control), control_(control), window_(control->Handle()) {
    savedMethod_ = control->WindowProc;
    control->WindowProc = [this](TMessage& message) { savedMethod_(message); };
    SetPropW(window_, kHookProperty, this);
    savedProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProcedure)));
  }

  ~HookingComponent() override {
    report.destroyed = true;
    report.windowAlive = IsWindow(window_) != FALSE;
    report.procedureStillOurs =
        GetWindowLongPtrW(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&HookProcedure);
    // Without the window the control is half gone: touching it would be a
    // use after free, so the failure is only reported.
    if (!report.windowAlive) return;
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(savedProcedure_));
    RemovePropW(window_, kHookProperty);
    control_->WindowProc = savedMethod_;
  }

 private:
  static LRESULT CALLBACK HookProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<HookingComponent*>(GetPropW(window, kHookProperty));
    if (msg == WM_DESTROY || msg == WM_NCDESTROY) ++report.hookedDestroyMessages;
    return CallWindowProcW(self->savedProcedure_, window, msg, wParam, lParam);
  }

  TWinControl* control_;
  HWND window_;
  TWndMethod savedMethod_;
  WNDPROC savedProcedure_ = nullptr;
};

class LifetimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    report = {};
  }
};

TEST_F(LifetimeTest, ComponentOwnedByAControlUnhooksWhileTheWindowExists) {
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  new HookingComponent(button);
  SendMessageW(button->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"hooked"));

  delete button;
  ASSERT_TRUE(report.destroyed);
  EXPECT_TRUE(report.windowAlive);
  EXPECT_TRUE(report.procedureStillOurs);
  // The window went only after the hook was undone.
  EXPECT_EQ(0, report.hookedDestroyMessages);
}

// Owned by a windowless control: it still finds the control whole.
bool parentSeen = false;
struct ParentWatcher : TComponent {
  explicit ParentWatcher(TLabel* owner) : TComponent(owner), label(owner) {}
  ~ParentWatcher() override { parentSeen = label->Parent() != nullptr; }
  TLabel* label;
};

TEST_F(LifetimeTest, ComponentOwnedByAGraphicControlGoesWhileTheControlIsWhole) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  new ParentWatcher(label);
  parentSeen = false;
  delete label;
  EXPECT_TRUE(parentSeen);
}

}  // namespace
