// The skin data's events around skinning a window: who raises them, with
// which window and class name, and where they fall against SKIN_APPLIED.
#include <string>
#include <vector>

#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/core/SkinMessages.h"
#include "tests/win32/support/MessageRecorders.h"
#include "toolkit/controls/Forms.h"

namespace {

struct TRaised {
  std::string event;
  TObject* sender;
  HWND window;
  String className;
  int appliedBefore;  // SKIN_APPLIED messages the window had received by then
};

std::string ClassOf(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return std::string(name, name + length);
}

class FormEventsTest : public SkinManagerTest {
 protected:
  void Listen() {
    log.Only({SKIN_APPLIED});
    data->OnBeforeSkinForm = [this](TObject* s, HWND w, const String& n) {
      raised.push_back({"before", s, w, n, log.Count(SKIN_APPLIED)});
    };
    data->OnAfterSkinForm = [this](TObject* s, HWND w, const String& n) {
      raised.push_back({"after", s, w, n, log.Count(SKIN_APPLIED)});
    };
  }
  void TearDown() override {
    data->OnBeforeSkinForm = nullptr;
    data->OnAfterSkinForm = nullptr;
    SkinManagerTest::TearDown();
  }
  wintest::MessageLog log;
  std::vector<TRaised> raised;
};

// A toolkit form: before attaching, then after the skin is in place.
TEST_F(FormEventsTest, AFormHearsBeforeThenAfterSkinApplied) {
  Listen();
  TForm form(nullptr);
  form.SetBounds(30, 30, 300, 200);
  const wintest::WindowProcRecorder recorder(log, form.Handle());
  form.Show();
  SetForegroundWindow(form.Handle());
  ASSERT_NE(nullptr, WaitUntilSkinned(form.Handle()));
  FlushEvents();
  ASSERT_EQ(2u, raised.size());
  for (const TRaised& r : raised) {
    SCOPED_TRACE(r.event);
    EXPECT_EQ(&form, r.sender);
    EXPECT_EQ(form.Handle(), r.window);
    EXPECT_EQ(ClassOf(form.Handle()), r.className);
  }
  EXPECT_EQ("before", raised[0].event);
  EXPECT_EQ(0, raised[0].appliedBefore);
  EXPECT_EQ("after", raised[1].event);
  EXPECT_EQ(1, raised[1].appliedBefore);
}

// A window without a toolkit form is attached without the first event; the
// second comes with no sender.
TEST_F(FormEventsTest, APlainWindowHearsOnlyAfterWithNoSender) {
  Listen();
  const HWND window = MakeRecordingWindow();
  const wintest::WindowProcRecorder recorder(log, window);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  ASSERT_NE(nullptr, WaitUntilSkinned(window));
  FlushEvents();
  ASSERT_EQ(1u, raised.size());
  EXPECT_EQ("after", raised[0].event);
  EXPECT_EQ(nullptr, raised[0].sender);
  EXPECT_EQ(window, raised[0].window);
  EXPECT_EQ("SkinRecordingWindow", raised[0].className);
  EXPECT_EQ(1, raised[0].appliedBefore);
  DestroyWindow(window);
}

}  // namespace
