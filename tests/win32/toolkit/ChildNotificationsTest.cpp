// Notifications that code hooking a control's WindowProc relies on: every
// control hears where the focus went, and a control hears that its window is
// about to be made again before it happens.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TestSupport.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/ListControls.h"

namespace {

// The LParam of every CM_FOCUSCHANGED a control's WindowProc sees.
class FocusLog {
 public:
  explicit FocusLog(TControl& control) : control_(control), saved_(control.WindowProc) {
    control.WindowProc = [this](TMessage& message) {
      if (message.Msg == CM_FOCUSCHANGED) focused.push_back(message.LParam);
      saved_(message);
    };
  }
  ~FocusLog() { control_.WindowProc = saved_; }
  FocusLog(const FocusLog&) = delete;
  FocusLog& operator=(const FocusLog&) = delete;

  std::vector<LPARAM> focused;

 private:
  TControl& control_;
  TWndMethod saved_;
};

LPARAM AsParam(TControl* control) { return reinterpret_cast<LPARAM>(control); }

class ChildNotificationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(60, 60, 320, 240);
    box = Make<TGroupBox>(form.get(), 10, 10, 200, 120);
    button = Make<TButton>(box, 10, 20, 80, 25);
    label = Make<TLabel>(box, 10, 60, 80, 17);
    edit = Make<TEdit>(form.get(), 10, 150, 120, 21);
  }

  template <typename T>
  T* Make(TWinControl* parent, int left, int top, int width, int height) {
    auto* control = new T(form.get());
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }

  std::unique_ptr<TForm> form;
  TGroupBox* box = nullptr;
  TButton* button = nullptr;
  TLabel* label = nullptr;
  TEdit* edit = nullptr;
};

TEST_F(ChildNotificationsTest, EveryControlHearsWhereTheFocusWent) {
  form->Show();
  FlushEvents();
  FocusLog boxLog(*box), buttonLog(*button), labelLog(*label), editLog(*edit);
  edit->SetFocus();
  button->SetFocus();
  FlushEvents();
  // The edit learns that the focus left it for the button: a control that
  // draws its own focus state repaints then.
  const std::vector<LPARAM> expected{AsParam(edit), AsParam(button)};
  EXPECT_EQ(expected, editLog.focused);
  EXPECT_EQ(expected, boxLog.focused);
  EXPECT_EQ(expected, buttonLog.focused);
  EXPECT_EQ(expected, labelLog.focused);
  EXPECT_EQ(button, form->ActiveControl());
}

TEST_F(ChildNotificationsTest, FocusChangeArrivingAtTheWindowIsIgnored) {
  form->Show();
  FlushEvents();
  edit->SetFocus();
  FlushEvents();
  FocusLog buttonLog(*button);
  // Another program may send anything; the toolkit would take LParam for a
  // control and call it.
  SendMessageW(form->Handle(), CM_FOCUSCHANGED, 0, 0x1234);
  SendMessageW(box->Handle(), CM_FOCUSCHANGED, 0, 0x1234);
  EXPECT_TRUE(buttonLog.focused.empty());
  EXPECT_EQ(edit, form->ActiveControl());
}

TEST_F(ChildNotificationsTest, RecreationIsAnnouncedBeforeTheWindowGoes) {
  auto* list = Make<TListBox>(form.get(), 220, 10, 80, 100);
  const HWND before = list->Handle();
  wintest::MessageLog log;
  log.Only({CM_RECREATEWND, WM_DESTROY, WM_NCDESTROY, WM_NCCREATE, WM_CREATE});
  const wintest::ControlRecorder recorder(log, *list);
  list->SetBorderStyle(bsNone);
  EXPECT_NE(before, list->Handle());
  EXPECT_SEQUENCE(
      log, {{CM_RECREATEWND}, {WM_DESTROY}, {WM_NCDESTROY}, {WM_NCCREATE}, {WM_CREATE}},
      "changing the border style");
}

TEST_F(ChildNotificationsTest, RecreationIsTheDefaultHandlingOfTheNotification) {
  auto* list = Make<TListBox>(form.get(), 220, 10, 80, 100);
  const HWND before = list->Handle();
  const TWndMethod saved = list->WindowProc;
  list->WindowProc = [&](TMessage& message) {
    if (message.Msg != CM_RECREATEWND) saved(message);
  };
  list->SetBorderStyle(bsNone);
  list->WindowProc = saved;
  EXPECT_EQ(before, list->Handle());
  EXPECT_TRUE(IsWindow(before));
}

TEST_F(ChildNotificationsTest, RecreatedFormStaysAlive) {
  int destroyed = 0;
  form->OnDestroy = [&](TObject*) { ++destroyed; };
  form->Show();
  FlushEvents();
  wintest::MessageLog log;
  const wintest::ControlRecorder recorder(log, *form);
  const HWND before = form->Handle();
  form->SetBorderStyle(bsSingle);
  EXPECT_EQ(1, log.Count(CM_RECREATEWND));
  EXPECT_NE(before, form->Handle());
  EXPECT_EQ(0, destroyed);
  EXPECT_FALSE(Application->Terminated());
}

}  // namespace
