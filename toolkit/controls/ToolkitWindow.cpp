#include "toolkit/controls/ToolkitWindow.h"

#include <commctrl.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "toolkit/controls/Application.h"
#include "toolkit/controls/DeferredFree.h"
#include "toolkit/controls/WideText.h"
#include "toolkit/controls/WinControl.h"

namespace {

// Per thread, as the control atom is: a window made on another thread must
// not take this thread's control.
thread_local TWinControl* creatingControl = nullptr;

struct RegisteredClass {
  WNDPROC defaultProc;
};

std::map<std::wstring, RegisteredClass>& RegisteredClasses() {
  static std::map<std::wstring, RegisteredClass> classes;
  return classes;
}

}  // namespace

ATOM ControlAtom() {
  // Deleted at the end of the process: a global atom would outlive it. The
  // windows' properties are keyed by the value, which stays valid until then.
  static const struct TControlAtom {
    ATOM atom;
    TControlAtom() {
      char text[32];
      std::snprintf(
          text, sizeof text, "ControlOfs%.8lX%.8lX",
          static_cast<unsigned long>(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr))),
          static_cast<unsigned long>(GetCurrentThreadId()));
      atom = GlobalAddAtomA(text);
    }
    ~TControlAtom() {
      if (atom) GlobalDeleteAtom(atom);
    }
  } control;
  return control.atom;
}

namespace {

// Where a window's control slot lies, or -1 when the window's class is not
// one of ours (its extra bytes belong to somebody else).
int ControlSlotOffset(HWND window) {
  if (reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC)) != ToolkitWindowProc) {
    return -1;
  }
  const auto extra = static_cast<int>(GetClassLongPtrW(window, GCL_CBWNDEXTRA));
  return extra >= static_cast<int>(sizeof(LONG_PTR)) ? extra - static_cast<int>(sizeof(LONG_PTR))
                                                     : -1;
}

}  // namespace

TWinControl* ControlInSlot(HWND window) {
  const int offset = ControlSlotOffset(window);
  if (offset < 0) return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, offset));
}

void SetControlSlot(HWND window, TWinControl* control) {
  const int offset = ControlSlotOffset(window);
  if (offset >= 0) SetWindowLongPtrW(window, offset, reinterpret_cast<LONG_PTR>(control));
}

TCreatingControlScope::TCreatingControlScope(TWinControl* control)
    : previous_(std::exchange(creatingControl, control)) {}

TCreatingControlScope::~TCreatingControlScope() { creatingControl = previous_; }

WNDPROC RegisterToolkitClass(const TCreateParams& params) {
  auto& classes = RegisteredClasses();
  const auto found = classes.find(params.ClassName);
  if (found != classes.end()) return found->second.defaultProc;

  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  WNDPROC defaultProc = DefWindowProcW;
  if (!params.BaseClass.empty()) {
    // The common controls' classes exist once the library was initialised.
    if (!GetClassInfoExW(nullptr, params.BaseClass.c_str(), &cls)) {
      INITCOMMONCONTROLSEX controls{sizeof controls,
                                    ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_DATE_CLASSES};
      InitCommonControlsEx(&controls);
    }
    if (!GetClassInfoExW(nullptr, params.BaseClass.c_str(), &cls) &&
        !GetClassInfoExW(instance, params.BaseClass.c_str(), &cls)) {
      throw Exception("Window class " + FromWide(params.BaseClass) + " is not available");
    }
    defaultProc = cls.lpfnWndProc;
    cls.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  } else {
    cls.style = params.ClassStyle;
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = params.Background;
  }
  cls.cbSize = sizeof cls;
  cls.cbWndExtra += static_cast<int>(sizeof(LONG_PTR));  // the control slot, last
  cls.lpfnWndProc = ToolkitWindowProc;
  cls.hInstance = instance;
  cls.lpszClassName = params.ClassName.c_str();
  cls.lpszMenuName = nullptr;
  if (!RegisterClassExW(&cls) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw Exception("Cannot register window class " + FromWide(params.ClassName));
  }
  classes.emplace(params.ClassName, RegisteredClass{defaultProc});
  return defaultProc;
}

LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = TWinControl::FindControl(window);
  if (!control) {
    if (!creatingControl) return DefWindowProcW(window, msg, wParam, lParam);
    control = creatingControl;
    creatingControl = nullptr;
    control->AttachWindow(window);
  }
  // A reflected notification's LParam is trusted (an NMHDR, a child window),
  // and so is a focus change's (the control): only the toolkit's own Perform
  // may deliver one, never the window.
  if (TravelsByPerformOnly(msg)) return DefWindowProcW(window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  const TDispatchScope dispatch;
  // Nothing may unwind through the system's frames: an exception from a
  // handler ends here and is reported the standard way.
  try {
    if (control->WindowProc) {
      control->WindowProc(message);
    } else {
      control->WndProc(message);
    }
  } catch (...) {
    if (Application) Application->HandleException(control);
  }
  if (msg == WM_NCDESTROY) control->DetachWindow();
  return message.Result;
}
