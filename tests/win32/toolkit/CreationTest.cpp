// The control whose window is being made: the first message of the new
// window takes it, on the creating thread only, and it never outlives the
// creation (failed, nested or on another thread).
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "TestSupport.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/ToolkitWindow.h"

namespace {

// A thread CBT hook that runs an action at the next window creation.
std::function<LRESULT(HWND)> onCreate;

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && onCreate) {
    auto action = std::move(onCreate);
    onCreate = nullptr;
    if (action(reinterpret_cast<HWND>(wParam))) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class CreationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    hook = SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
  }
  void TearDown() override {
    onCreate = nullptr;
    UnhookWindowsHookEx(hook);
  }

  // A window of the form's class made behind the toolkit's back.
  static HWND RawFormWindow() {
    return CreateWindowExW(0, L"TForm", L"raw", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }

  HHOOK hook = nullptr;
};

TEST_F(CreationTest, RefusedCreationLeavesNoControlWaitingForAWindow) {
  TForm form(nullptr);
  onCreate = [](HWND) -> LRESULT { return 1; };  // the system refuses the window
  EXPECT_THROW(form.HandleNeeded(), EOutOfResources);
  EXPECT_FALSE(form.HandleAllocated());

  const HWND raw = RawFormWindow();
  ASSERT_NE(nullptr, raw);
  EXPECT_EQ(nullptr, TWinControl::FindControl(raw));
  EXPECT_FALSE(form.HandleAllocated());
  DestroyWindow(raw);
}

TEST_F(CreationTest, ControlMadeWhileAnotherIsBeingCreatedLeavesItsWindowAlone) {
  TForm outer(nullptr);
  TForm inner(nullptr);
  wintest::MessageLog log;
  const wintest::ControlRecorder recorder(log, outer);
  // Hooks that skin windows make objects of their own at this point.
  onCreate = [&inner](HWND) -> LRESULT {
    inner.HandleNeeded();
    return 0;
  };
  outer.HandleNeeded();
  ASSERT_TRUE(inner.HandleAllocated());
  EXPECT_NE(inner.Handle(), outer.Handle());
  EXPECT_EQ(&outer, TWinControl::FindControl(outer.Handle()));
  EXPECT_EQ(&inner, TWinControl::FindControl(inner.Handle()));
  // The outer window's creation went through its own handler.
  EXPECT_TRUE(log.Saw(WM_NCCREATE));
  EXPECT_TRUE(log.Saw(WM_CREATE));
}

struct OtherThreadResult {
  bool created = false;
  bool tookAControl = true;
};

DWORD WINAPI CreateOnOtherThread(void* parameter) {
  auto* result = static_cast<OtherThreadResult*>(parameter);
  const HWND window = CreateWindowExW(0, L"TForm", L"other thread", WS_POPUP, 0, 0, 10, 10, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
  result->created = window != nullptr;
  result->tookAControl = window && (GetPropW(window, MAKEINTATOM(ControlAtom())) != nullptr ||
                                    ControlInSlot(window) != nullptr);
  if (window) DestroyWindow(window);
  return 0;
}

TEST_F(CreationTest, WindowMadeOnAnotherThreadDoesNotTakeThisThreadsControl) {
  TForm form(nullptr);
  OtherThreadResult result;
  bool finished = false;
  // While this thread is between choosing the control and its window's first
  // message, another thread makes a window of the same class.
  onCreate = [&result, &finished](HWND) -> LRESULT {
    HANDLE thread = CreateThread(nullptr, 0, CreateOnOtherThread, &result, 0, nullptr);
    finished = thread && WaitForSingleObject(thread, 5000) == WAIT_OBJECT_0;
    if (thread) CloseHandle(thread);
    return 0;
  };
  form.HandleNeeded();
  ASSERT_TRUE(finished);
  ASSERT_TRUE(result.created);
  EXPECT_FALSE(result.tookAControl);
  EXPECT_EQ(&form, TWinControl::FindControl(form.Handle()));
}

// A class registered under a name the toolkit then asks for: its windows'
// extra bytes are its own, and it marks them when a window is made.
constexpr wchar_t kForeignClass[] = L"CreationTestForeignClass";
constexpr LONG_PTR kForeignMark = 0x5eed;

LRESULT CALLBACK ForeignClassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) SetWindowLongPtrW(window, 0, kForeignMark);
  return DefWindowProcW(window, msg, wParam, lParam);
}

class TForeignClassControl : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void CreateParams(TCreateParams& params) override {
    TCustomControl::CreateParams(params);
    params.ClassName = kForeignClass;
  }
};

TEST_F(CreationTest, ClassOfTheSameNameRegisteredElsewhereKeepsItsExtraBytes) {
  WNDCLASSEXW foreign{};
  foreign.cbSize = sizeof foreign;
  foreign.lpfnWndProc = ForeignClassProc;
  foreign.cbWndExtra = sizeof(LONG_PTR);
  foreign.hInstance = GetModuleHandleW(nullptr);
  foreign.lpszClassName = kForeignClass;
  ASSERT_NE(0, RegisterClassExW(&foreign));
  {
    TForm form(nullptr);
    auto* control = new TForeignClassControl(&form);
    control->SetParent(&form);
    const HWND window = control->Handle();
    EXPECT_EQ(kForeignMark, GetWindowLongPtrW(window, 0));
    EXPECT_EQ(nullptr, ControlInSlot(window));
    // Still the control's window for the toolkit and the skin engine.
    EXPECT_EQ(control, TWinControl::FindControl(window));
  }
  UnregisterClassW(kForeignClass, GetModuleHandleW(nullptr));
}

TEST_F(CreationTest, ControlSlotOfASystemControlFollowsItsWindowThroughARecreation) {
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  const HWND first = edit->Handle();
  EXPECT_EQ(edit, ControlInSlot(first));
  EXPECT_EQ(edit, static_cast<TControl*>(GetPropW(first, MAKEINTATOM(ControlAtom()))));
  edit->SetBorderStyle(bsNone);  // a new window
  const HWND second = edit->Handle();
  ASSERT_FALSE(IsWindow(first));
  EXPECT_EQ(edit, ControlInSlot(second));
  EXPECT_EQ(edit, TWinControl::FindControl(second));
  // The slot lies past the system class's own bytes: the edit still works.
  SendMessageW(second, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"42"));
  EXPECT_EQ("42", edit->Text());
}

}  // namespace
