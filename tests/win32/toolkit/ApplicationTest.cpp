// The application: exceptions escaping handlers reach the standard box and
// the loop goes on; timers; the close path of forms.
#include <gtest/gtest.h>
#include <objbase.h>

#include <algorithm>
#include <memory>

#include "TestSupport.h"
#include "tests/win32/support/RealMessageBoxes.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/HintWindow.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/Timer.h"

namespace {

struct ShownBox {
  std::wstring text, caption;
  UINT flags;
};

class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    savedBox = Application->MessageBoxFunc;
    Application->MessageBoxFunc = [this](HWND, const std::wstring& text,
                                         const std::wstring& caption, UINT flags) {
      boxes.push_back({text, caption, flags});
      return IDOK;
    };
    Application->SetTitle("Tapvane");
  }
  void TearDown() override {
    Application->MessageBoxFunc = savedBox;
    Application->OnException = nullptr;
  }

  TMessageBoxFunc savedBox;
  std::vector<ShownBox> boxes;
};

TEST_F(ApplicationTest, ExceptionFromAClickHandlerReachesTheStandardBox) {
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  button->OnClick = [](TObject*) { StrToInt("12a"); };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ(L"'12a' is not a valid integer value", boxes[0].text);
  EXPECT_EQ(L"Tapvane", boxes[0].caption);
  EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes[0].flags & MB_ICONMASK);
}

TEST_F(ApplicationTest, MessageLoopGoesOnAfterAnException) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  ASSERT_EQ(form, Application->MainForm());
  auto* button = new TButton(form);
  button->SetParent(form);
  int clicks = 0;
  button->OnClick = [&](TObject*) {
    if (++clicks == 1) throw Exception("first click fails");
  };
  PostMessageW(button->Handle(), BM_CLICK, 0, 0);
  PostMessageW(button->Handle(), BM_CLICK, 0, 0);
  PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
  Application->Run();  // returns once the main form closes
  EXPECT_EQ(2, clicks);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ(L"first click fails", boxes[0].text);
  EXPECT_TRUE(Application->Terminated());
  delete form;
  EXPECT_EQ(nullptr, Application->MainForm());
}

TEST_F(ApplicationTest, ExceptionFromAWindowMessageHandlerIsCaughtAtTheWindowProcedure) {
  TForm form(nullptr);
  const TWndMethod saved = form.WindowProc;
  form.WindowProc = [&saved](TMessage& message) {
    if (message.Msg == WM_USER + 7) throw std::runtime_error("handler broke");
    saved(message);
  };
  const LRESULT result = SendMessageW(form.Handle(), WM_USER + 7, 0, 0);
  EXPECT_EQ(0, result);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ(L"handler broke", boxes[0].text);
}

TEST_F(ApplicationTest, OnExceptionTakesThePlaceOfTheBox) {
  TForm form(nullptr);
  TObject* reportedSender = nullptr;
  Application->OnException = [&](TObject* sender, std::exception_ptr) { reportedSender = sender; };
  auto* button = new TButton(&form);
  button->SetParent(&form);
  button->OnClick = [](TObject*) { throw Exception("x"); };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  // The click is reflected from the form's window procedure, which caught it.
  EXPECT_EQ(&form, reportedSender);
  EXPECT_TRUE(boxes.empty());
}

// Runs the loop until the sentinel timer has fired count times.
void RunUntil(TTimer& sentinel, int& fired, int count) {
  sentinel.OnTimer = [&](TObject*) { ++fired; };
  sentinel.SetInterval(10);
  sentinel.SetEnabled(true);
  while (fired < count) Application->HandleMessage();
  sentinel.SetEnabled(false);
}

TEST_F(ApplicationTest, TimerWithIntervalZeroNeverFires) {
  TTimer idle(nullptr);
  int idleTicks = 0;
  idle.OnTimer = [&](TObject*) { ++idleTicks; };
  idle.SetInterval(0);
  idle.SetEnabled(true);
  EXPECT_FALSE(idle.Armed());
  TTimer sentinel(nullptr);
  int sentinelTicks = 0;
  RunUntil(sentinel, sentinelTicks, 5);
  EXPECT_EQ(0, idleTicks);
}

TEST_F(ApplicationTest, TimerFiresWhenEnabledWithAnInterval) {
  TTimer timer(nullptr);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(1000u, timer.Interval());
  int ticks = 0;
  timer.SetEnabled(false);
  timer.OnTimer = [&](TObject* sender) {
    EXPECT_EQ(&timer, sender);
    ++ticks;
  };
  timer.SetInterval(5);
  EXPECT_FALSE(timer.Armed());
  timer.SetEnabled(true);
  EXPECT_TRUE(timer.Armed());
  while (ticks < 2) Application->HandleMessage();
  timer.SetInterval(0);
  EXPECT_FALSE(timer.Armed());
}

TEST_F(ApplicationTest, ExceptionFromATimerReachesTheStandardBox) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) {
    ++ticks;
    throw Exception("tick failed");
  };
  timer.SetInterval(5);
  while (ticks < 1) Application->HandleMessage();
  timer.SetEnabled(false);
  ASSERT_GE(boxes.size(), 1u);
  EXPECT_EQ(L"tick failed", boxes[0].text);
}

// The system's own box, left open for 600 ms while the period is 10 ms: the
// handler is not entered again meanwhile, so no box opens inside another.
TEST_F(ApplicationTest, ATimerDoesNotFireWhileItsErrorBoxIsOpen) {
  Application->MessageBoxFunc = savedBox;
  wintest::TRealMessageBoxes real(600);
  TTimer timer(nullptr);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) {
    ++ticks;
    throw Exception("tick failed");
  };
  timer.SetInterval(10);
  while (ticks < 1) Application->HandleMessage();
  timer.SetEnabled(false);
  EXPECT_EQ(1, ticks);
  ASSERT_EQ(1u, real.Texts().size());
  EXPECT_EQ(L"tick failed", real.Texts()[0]);
  EXPECT_EQ(1, real.MostOpenAtOnce());
  EXPECT_EQ(0, real.OpenNow());
}

// A handler that goes on handling messages (as a click pass does while it
// waits) is not entered by its own ticks; the tick it swallowed comes as
// soon as it returns, even with the period now far away.
TEST_F(ApplicationTest, ATimerHandlerThatHandlesMessagesIsNotEnteredAgain) {
  TTimer timer(nullptr);
  int entered = 0, depth = 0, deepest = 0;
  timer.OnTimer = [&](TObject*) {
    ++entered;
    deepest = std::max(deepest, ++depth);
    if (entered == 1) {
      const DWORD end = GetTickCount() + 300;
      while (GetTickCount() < end) {
        Application->ProcessMessages();
        Sleep(2);
      }
      timer.SetInterval(600000);
    }
    --depth;
  };
  timer.SetInterval(10);
  const DWORD giveUp = GetTickCount() + 3000;
  while (entered < 2 && GetTickCount() < giveUp) {
    Application->ProcessMessages();
    Sleep(2);
  }
  timer.SetEnabled(false);
  EXPECT_EQ(2, entered) << "the swallowed tick came after the handler";
  EXPECT_EQ(1, deepest);

  // Stopped inside the handler: nothing follows.
  entered = 0;
  timer.OnTimer = [&](TObject*) {
    ++entered;
    const DWORD end = GetTickCount() + 100;
    while (GetTickCount() < end) Application->ProcessMessages();
    timer.SetEnabled(false);
  };
  timer.SetInterval(5);
  timer.SetEnabled(true);
  while (entered < 1) Application->HandleMessage();
  wintest::FlushEvents(300, 100);
  EXPECT_EQ(1, entered);
}

class FormCloseTest : public ApplicationTest {
 protected:
  void SetUp() override {
    ApplicationTest::SetUp();
    form = new TForm(nullptr);
    form->OnClose = [this](TObject*, TCloseAction& action) {
      ++closes;
      action = closeAction;
    };
    form->OnDestroy = [this](TObject*) { ++destroys; };
    form->Show();
    FlushEvents();
  }
  void TearDown() override {
    if (!freed) delete form;
    ApplicationTest::TearDown();
  }

  TForm* form = nullptr;
  TCloseAction closeAction = caHide;
  int closes = 0;
  int destroys = 0;
  bool freed = false;
};

TEST_F(FormCloseTest, CaptionButtonAndAltF4TakeTheSameClosePath) {
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the caption's close button
  EXPECT_EQ(1, closes);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  form->Show();
  SendMessageW(form->Handle(), WM_SYSKEYDOWN, VK_F4, 1 << 29);  // Alt+F4 by the default handler
  FlushEvents();
  EXPECT_EQ(2, closes);
  form->Show();
  form->Close();
  EXPECT_EQ(3, closes);
  EXPECT_EQ(0, destroys);
}

TEST_F(FormCloseTest, CloseWithFreeReleasesTheFormAndRunsOnDestroyOnce) {
  closeAction = caFree;
  PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
  const int before = Screen->FormCount();
  FlushEvents();
  freed = true;
  EXPECT_EQ(1, closes);
  EXPECT_EQ(1, destroys);
  EXPECT_EQ(before - 1, Screen->FormCount());
}

TEST_F(FormCloseTest, OnDestroyRunsWhenTheWindowIsDestroyedDirectly) {
  DestroyWindow(form->Handle());
  EXPECT_EQ(1, destroys);
  delete form;
  freed = true;
  EXPECT_EQ(1, destroys);
}

// A handler of OnDestroy uses the derived form's own members: freed by its
// owner or by the release queue, the form runs it while they are whole.
class FormWithMember : public TForm {
 public:
  // Says when it goes; the handler looks whether it went already.
  struct Member {
    bool& gone;
    ~Member() { gone = true; }
  };
  FormWithMember(TComponent* owner, bool& memberGone, bool& sawWhole)
      : TForm(owner), member{memberGone} {
    OnDestroy = [this, &sawWhole](TObject*) { sawWhole = !member.gone; };
  }
  Member member;
};

TEST_F(ApplicationTest, OnDestroySeesTheDerivedFormWhole) {
  for (const bool byOwner : {true, false}) {
    SCOPED_TRACE(byOwner ? "freed by its owner" : "closed with caFree");
    bool memberGone = false, sawWhole = false;
    auto owner = std::make_unique<TComponent>(nullptr);
    auto* form = new FormWithMember(owner.get(), memberGone, sawWhole);
    form->Show();
    if (byOwner) {
      owner.reset();
    } else {
      form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
      form->Close();
      FlushEvents();
    }
    EXPECT_TRUE(memberGone);
    EXPECT_TRUE(sawWhole);
  }
}

TEST_F(FormCloseTest, CloseActionNoneKeepsTheFormOpen) {
  closeAction = caNone;
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(1, closes);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(FormCloseTest, ScreenListsTheForms) {
  bool found = false;
  for (int i = 0; i < Screen->FormCount(); ++i) found = found || Screen->Forms(i) == form;
  EXPECT_TRUE(found);
}

TEST_F(FormCloseTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
  auto* ok = new TButton(form);
  ok->SetParent(form);
  ok->SetDefault(true);
  auto* cancel = new TButton(form);
  cancel->SetParent(form);
  cancel->SetCancel(true);
  cancel->SetLeft(100);
  auto* other = new TButton(form);
  other->SetParent(form);
  other->SetLeft(200);
  std::string clicked;
  ok->OnClick = [&](TObject*) { clicked += "ok "; };
  cancel->OnClick = [&](TObject*) { clicked += "cancel "; };
  other->OnClick = [&](TObject*) { clicked += "other "; };
  PostMessageW(ok->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  Application->ProcessMessages();
  other->SetFocus();
  PostMessageW(other->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  Application->ProcessMessages();
  EXPECT_EQ("cancel other ", clicked);
}

TEST_F(ApplicationTest, HintShowsAfterThePauseOverAControlWithAHint) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 50, 20);
  label->SetHint("\xE6\x8F\x90\xE7\xA4\xBA");  // 提示
  label->SetShowHint(true);
  form.Show();
  FlushEvents();
  Application->HintPause = 10;
  Application->HintHidePause = 0;
  SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 15));
  // The hint waits for its pause; a sentinel timer bounds the wait.
  TTimer sentinel(nullptr);
  int ticks = 0;
  sentinel.OnTimer = [&](TObject*) { ++ticks; };
  sentinel.SetInterval(10);
  while (ticks < 200 && !(Application->HintWindow() && Application->HintWindow()->Visible())) {
    Application->HandleMessage();
  }
  ASSERT_NE(nullptr, Application->HintWindow());
  EXPECT_TRUE(IsWindowVisible(Application->HintWindow()->Handle()));
  EXPECT_EQ(label->Hint(), Application->HintWindow()->Caption());
  // Leaving the control takes the hint away.
  SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 80));
  EXPECT_FALSE(Application->HintWindow()->Visible());
  Application->HintHidePause = 2500;
  Application->HintPause = 500;
}

TEST(ApplicationInitialize, ThreadIsASingleThreadedApartment) {
  EnsureToolkit();
  // A thread in a single-threaded apartment cannot turn multithreaded.
  EXPECT_EQ(RPC_E_CHANGED_MODE, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
}

TEST(ApplicationWindow, IsHiddenAndCarriesTheTitle) {
  EnsureToolkit();
  Application->SetTitle("Tapvane");
  const HWND window = Application->Handle();
  wchar_t cls[32] = {}, title[32] = {};
  GetClassNameW(window, cls, 32);
  GetWindowTextW(window, title, 32);
  EXPECT_STREQ(L"TApplication", cls);
  EXPECT_STREQ(L"Tapvane", title);
  EXPECT_FALSE(IsWindowVisible(window));
}

}  // namespace
