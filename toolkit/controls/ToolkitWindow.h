// The toolkit's window classes and what ties a window to its control: the
// control atom, the control slot and the control being created. The window
// procedure that uses them lives with the windowed control
// (ToolkitWindowProc); this knows controls only by pointer.
#pragma once

#include <windows.h>

struct TCreateParams;
class TWinControl;

// The atom whose property on a toolkit window holds its control:
// "ControlOfs" + module instance + thread id, eight hex digits each.
ATOM ControlAtom();

// The control of a toolkit window is also kept in the last pointer-sized
// slot of the window's extra bytes, which every toolkit class reserves:
// reading it is answered inside the process, where Wine takes GetPropW to
// its server for every message. The property stays for code outside the
// toolkit. Both calls do nothing for a window of another class.
TWinControl* ControlInSlot(HWND window);
void SetControlSlot(HWND window, TWinControl* control);

// Registers the window class params names (once per process) with
// windowProc, the toolkit's one window procedure, and returns the procedure
// messages fall through to: the base system class's own procedure, or
// DefWindowProcW.
WNDPROC RegisterToolkitClass(const TCreateParams& params, WNDPROC windowProc);

// Names the control whose window CreateWindowExW is making on this thread,
// for the scope of the call: the new window's first message attaches it.
// The previous name comes back however the scope is left (a creation hook
// may make another control meanwhile; creation may fail or throw).
class TCreatingControlScope {
 public:
  explicit TCreatingControlScope(TWinControl* control);
  ~TCreatingControlScope();
  TCreatingControlScope(const TCreatingControlScope&) = delete;
  TCreatingControlScope& operator=(const TCreatingControlScope&) = delete;

 private:
  TWinControl* previous_;
};

// The control named by the innermost TCreatingControlScope, handed over once:
// the window's first message takes it (nullptr when none is waiting).
TWinControl* TakeCreatingControl();
