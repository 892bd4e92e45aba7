#include "toolkit/controls/Application.h"

#include <commctrl.h>
#include <objbase.h>

#include "toolkit/controls/DeferredFree.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/HintWindow.h"
#include "toolkit/controls/MouseControl.h"
#include "toolkit/controls/WideText.h"

const TClassInfo& TApplication::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TApplication>("TApplication", &TComponent::StaticClass()).Build();
  return info;
}

namespace {

constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;

int SystemMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                     UINT flags) {
  return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

// The window whose CM_RELEASE frees the controls queued after a dispatch:
// the application window, made on first use.
HWND ApplicationWindow();

// The screen outlives the application, whose forms leave the screen's list
// as they go; both pointers are cleared before the objects die.
struct Globals {
  std::unique_ptr<TScreen> screen = std::make_unique<TScreen>(nullptr);
  std::unique_ptr<TApplication> application = std::make_unique<TApplication>(nullptr);
  Globals() {
    SetControlEventSink(application.get());
    SetMainFormOwner(application.get());
    SetReleaseWindow(ApplicationWindow);
  }
  ~Globals();
} globals;

// The form that gets dialog keys for a window: the toolkit form at the top.
TCustomForm* FormOfWindow(HWND window) {
  for (HWND w = window; w; w = GetParent(w)) {
    if (auto* form = dynamic_cast<TCustomForm*>(TWinControl::FindControl(w))) return form;
    if (!(GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

// A key pressed in a form that one of the form's menu items takes as its
// shortcut clicks that item instead of reaching the focused control.
bool IsMenuShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  const auto key = static_cast<uint16_t>(msg.wParam);
  if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key > 0xFF) return false;
  TCustomForm* form = FormOfWindow(msg.hwnd);
  if (!form) return false;
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0 || (msg.lParam & (1 << 29))) shift.Include(ssAlt);
  return form->IsShortCut(ShortCut(key, shift));
}

// The toolkit control of a window or of the nearest ancestor that has one
// (the edit inside a combo box belongs to the combo box).
TWinControl* ControlOfWindow(HWND window) {
  for (HWND w = window; w; w = GetParent(w)) {
    if (TWinControl* control = TWinControl::FindControl(w)) return control;
  }
  return nullptr;
}

}  // namespace

TApplication* Application = globals.application.get();
TScreen* Screen = globals.screen.get();

Globals::~Globals() {
  application.reset();
  Application = nullptr;
  screen.reset();
  Screen = nullptr;
}

namespace {

HWND ApplicationWindow() { return Application ? Application->Handle() : nullptr; }

}  // namespace

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), MessageBoxFunc(SystemMessageBox) {}

TApplication::~TApplication() {
  CancelHint();
  DestroyComponents();
  if (ControlEventSink() == this) SetControlEventSink(nullptr);
  if (MainFormOwner() == this) SetMainFormOwner(nullptr);
  if (comInitialized_) CoUninitialize();
}

void TApplication::Initialize() {
  if (!comInitialized_) {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    comInitialized_ = SUCCEEDED(result);
  }
  INITCOMMONCONTROLSEX controls{
      sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterToolkitClasses();
}

void TApplication::SetTitle(const String& value) {
  title_ = value;
  if (handle_) SetWindowTextW(handle_.Get(), ToWide(value).c_str());
}

HWND TApplication::Handle() {
  if (!handle_) {
    static const ATOM cls = [] {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = AppWindowProc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"TApplication";
      return RegisterClassExW(&wc);
    }();
    if (!cls) throw Exception("Cannot register the application window class");
    handle_.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, L"TApplication", ToWide(title_).c_str(),
                                  WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU, 0, 0, 0, 0,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!handle_) throw Exception("Cannot create the application window");
  }
  return handle_.Get();
}

LRESULT CALLBACK TApplication::AppWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == CM_RELEASE) {
    FreeReleasedControls();
    return 0;
  }
  if (msg == WM_TIMER && Application) {
    try {
      if (wParam == kHintShowTimer) {
        KillTimer(window, kHintShowTimer);
        Application->ActivateHint();
      } else if (wParam == kHintHideTimer) {
        Application->CancelHint();
      }
    } catch (...) {
      Application->HandleException(Application);
    }
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

void TApplication::FormCreated(TCustomForm* form) {
  if (!mainForm_) mainForm_ = form;
  form->AfterConstruction();
}

void TApplication::Run() {
  terminated_ = false;
  if (mainForm_ && ShowMainForm) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  DispatchOne(msg);
  return true;
}

void TApplication::DispatchOne(const MSG& msg) {
  if (IsDialogMessage(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  // GetMessageW waits in the same call that finds the queue empty; a peek
  // followed by WaitMessage costs Wine one more server round trip per wake,
  // which is most of what an idle program does.
  MSG msg;
  const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
  if (got == 0) terminated_ = true;
  if (got > 0) DispatchOne(msg);
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

bool TApplication::IsDialogMessage(const MSG& msg) {
  if (IsMenuShortCut(msg)) return true;
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSCHAR) return false;
  TCustomForm* form = FormOfWindow(msg.hwnd);
  if (!form) return false;
  if (msg.message == WM_SYSCHAR) return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;

  const LRESULT code =
      SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  if (code & DLGC_WANTALLKEYS) return false;
  switch (msg.wParam) {
    case VK_TAB:
      if ((code & DLGC_WANTTAB) || GetKeyState(VK_CONTROL) < 0) return false;
      form->SelectNext(ControlOfWindow(msg.hwnd), GetKeyState(VK_SHIFT) >= 0, true);
      return true;
    case VK_RETURN:
    case VK_ESCAPE:
      return form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam) != 0;
    default:
      return false;
  }
}

void TApplication::HandleException(TObject* sender) {
  const std::exception_ptr error = std::current_exception();
  try {
    if (OnException) {
      OnException(sender, error);
      return;
    }
    String message = "Unknown exception";
    try {
      if (error) std::rethrow_exception(error);
    } catch (const Exception& e) {
      message = e.Message;
    } catch (const std::exception& e) {
      message = e.what();
    } catch (...) {
    }
    ShowException(message);
  } catch (...) {
    // The report itself failed; there is nobody left to tell.
  }
}

void TApplication::ShowException(const String& message) {
  MessageBox(message, title_, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const String& text, const String& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner && mainForm_ && mainForm_->HandleAllocated()) owner = mainForm_->Handle();
  if (!MessageBoxFunc) return 0;
  return MessageBoxFunc(owner, ToWide(text), ToWide(caption), flags);
}

void TApplication::SetShowHint(bool value) {
  showHint_ = value;
  if (!value) CancelHint();
}

void TApplication::HintMouseEnter(TControl* control) {
  CancelHint();
  if (!showHint_ || !control->ShowHint() || control->Hint().empty()) return;
  hintControl_ = control;
  SetTimer(Handle(), kHintShowTimer, static_cast<UINT>(HintPause > 0 ? HintPause : 1), nullptr);
}

void TApplication::HintMouseLeave(TControl* control) {
  if (control == hintControl_) CancelHint();
}

void TApplication::ActivateHint() {
  if (!hintControl_ || MouseControl() != hintControl_) return;
  if (!hintWindow_) hintWindow_ = new THintWindow(this);
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT rect = hintWindow_->CalcHintRect(300, hintControl_->Hint());
  OffsetRect(&rect, cursor.x, cursor.y + 20);
  hintWindow_->ActivateHint(rect, hintControl_->Hint());
  if (HintHidePause > 0)
    SetTimer(Handle(), kHintHideTimer, static_cast<UINT>(HintHidePause), nullptr);
}

void TApplication::CancelHint() {
  hintControl_ = nullptr;
  if (handle_) {
    KillTimer(handle_.Get(), kHintShowTimer);
    KillTimer(handle_.Get(), kHintHideTimer);
  }
  if (hintWindow_) hintWindow_->ReleaseHandle();
}

void TApplication::ControlDestroyed(TControl* control) {
  if (control == hintControl_) CancelHint();
  if (control == hintWindow_) hintWindow_ = nullptr;
  if (control == mainForm_) mainForm_ = nullptr;
}
