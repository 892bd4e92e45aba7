#include "toolkit/controls/ToolkitWindow.h"

#include <commctrl.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "toolkit/controls/CreateParams.h"
#include "toolkit/controls/WideText.h"
#include "toolkit/core/SysUtils.h"

namespace {

// Per thread, as the control atom is: a window made on another thread must
// not take this thread's control.
thread_local TWinControl* creatingControl = nullptr;

// The window procedure every toolkit class was registered with; a window
// whose class has another is not ours.
std::atomic<WNDPROC> toolkitProc{nullptr};

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
  const WNDPROC ours = toolkitProc.load(std::memory_order_relaxed);
  if (!ours || reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC)) != ours) {
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

TWinControl* TakeCreatingControl() { return std::exchange(creatingControl, nullptr); }

WNDPROC RegisterToolkitClass(const TCreateParams& params, WNDPROC windowProc) {
  toolkitProc.store(windowProc, std::memory_order_relaxed);
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
  cls.lpfnWndProc = windowProc;
  cls.hInstance = instance;
  cls.lpszClassName = params.ClassName.c_str();
  cls.lpszMenuName = nullptr;
  if (!RegisterClassExW(&cls) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw Exception("Cannot register window class " + FromWide(params.ClassName));
  }
  classes.emplace(params.ClassName, RegisteredClass{defaultProc});
  return defaultProc;
}
