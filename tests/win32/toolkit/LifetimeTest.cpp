// Lifetimes around hooks: what a control owns goes while its window still
// exists, and a released form outlives the handler chain that released it.
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

// A form whose destructor leaves a mark outside itself.
int formsDestroyed = 0;
class MarkedForm : public TForm {
 public:
  explicit MarkedForm(TComponent* owner) : TForm(owner) {}
  ~MarkedForm() override { ++formsDestroyed; }
  int member = 7;
};

TEST_F(LifetimeTest, ReleasedFormLivesUntilItsHandlerChainHasReturned) {
  formsDestroyed = 0;
  auto* form = new MarkedForm(nullptr);
  const HWND window = form->Handle();
  const int formsBefore = Screen->FormCount();
  // The hook runs code after the saved handler, as skin hooks do.
  bool aliveAfterRelease = false;
  int memberAfterRelease = 0;
  const TWndMethod saved = form->WindowProc;
  form->WindowProc = [form, saved, &aliveAfterRelease, &memberAfterRelease](TMessage& message) {
    const UINT msg = message.Msg;
    const TWndMethod next = saved;  // the closure itself must not be needed after the call
    next(message);
    if (msg != CM_RELEASE) return;
    aliveAfterRelease = formsDestroyed == 0;
    if (aliveAfterRelease) memberAfterRelease = form->member;
  };

  form->Release();
  FlushEvents();
  EXPECT_TRUE(aliveAfterRelease);
  EXPECT_EQ(7, memberAfterRelease);
  EXPECT_EQ(1, formsDestroyed);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(formsBefore - 1, Screen->FormCount());
}

// A subclass of the form's window procedure, as the skin's frame hook is.
WNDPROC formProcedureBefore = nullptr;
bool aliveAfterProcedure = false;

LRESULT CALLBACK FrameHook(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcW(formProcedureBefore, window, msg, wParam, lParam);
  if (msg == CM_RELEASE) aliveAfterProcedure = formsDestroyed == 0;
  return result;
}

TEST_F(LifetimeTest, ReleasedFormOutlivesASubclassOfItsWindowProcedure) {
  formsDestroyed = 0;
  aliveAfterProcedure = false;
  auto* form = new MarkedForm(nullptr);
  formProcedureBefore = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameHook)));
  form->Release();
  FlushEvents();
  EXPECT_TRUE(aliveAfterProcedure);
  EXPECT_EQ(1, formsDestroyed);
}

TEST_F(LifetimeTest, FormReleasedFromItsButtonsHandlerGoesAfterThatHandler) {
  formsDestroyed = 0;
  auto* form = new MarkedForm(nullptr);
  auto* button = new TButton(form);
  button->SetParent(form);
  bool buttonHandlerFinishedFirst = false;
  button->OnClick = [form, &buttonHandlerFinishedFirst](TObject*) {
    // Sent, not posted: the release arrives while this handler runs.
    SendMessageW(form->Handle(), CM_RELEASE, 0, 0);
    buttonHandlerFinishedFirst = formsDestroyed == 0;
  };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  FlushEvents();
  EXPECT_TRUE(buttonHandlerFinishedFirst);
  EXPECT_EQ(1, formsDestroyed);
}

TEST_F(LifetimeTest, FormDeletedWhileItsReleaseIsPendingIsFreedOnce) {
  formsDestroyed = 0;
  auto* released = new MarkedForm(nullptr);
  TForm other(nullptr);
  auto* button = new TButton(&other);
  button->SetParent(&other);
  button->OnClick = [released](TObject*) {
    released->Perform(CM_RELEASE);
    delete released;  // its owner may free it before the release comes due
  };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  FlushEvents();
  EXPECT_EQ(1, formsDestroyed);
}

}  // namespace
