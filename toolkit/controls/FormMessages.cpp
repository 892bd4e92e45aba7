// How a form handles its messages: WndProc and the handler of each message
// it takes.
#include <vector>

#include "toolkit/controls/DeferredFree.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/core/ScopeExit.h"

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      message.Result = 0;
      return;
    case WM_DESTROY:
      WindowDestroying();
      break;
    case CM_MENUCHANGED:
      ShowMenu();
      message.Result = 0;
      return;
    case WM_COMMAND:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (MenuMessage(message)) return;
      break;
    case CM_RELEASE:
      // Hooks around this handler still run after it returns.
      FreeAfterDispatch(this);
      return;
    case CM_VISIBLECHANGED:
      ShowOrHide(message.WParam != 0);
      return;
    case WM_ACTIVATE:
      Activation(message);
      return;
    case CM_FOCUSCHANGED:
      ControlFocused(reinterpret_cast<TWinControl*>(message.LParam));
      break;
    case CM_RECREATEWND:
      RecreateWindow(message);
      return;
    case CM_DIALOGKEY:
      message.Result = DialogKey(message) ? 1 : 0;
      return;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

void TCustomForm::WindowDestroying() {
  // Destroying a window destroys its menu; ours outlives the window.
  TakeMenuFromWindow();
  if (recreating_) return;
  DoDestroy();
  EndRunIfMain();
}

void TCustomForm::ShowOrHide(bool visible) {
  if (visible) {
    HandleNeeded();
    ApplyPosition();
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    if (OnShow) OnShow(this);
  } else if (HandleAllocated()) {
    if (OnHide) OnHide(this);
    ShowWindow(Handle(), SW_HIDE);
  }
}

void TCustomForm::Activation(TMessage& message) {
  TCustomControl::WndProc(message);
  if (LOWORD(message.WParam) == WA_INACTIVE) {
    if (OnDeactivate) OnDeactivate(this);
    return;
  }
  if (Screen) Screen->activeForm_ = this;
  if (activeControl_ && activeControl_->CanFocus()) {
    activeControl_->SetFocus();
  } else {
    SelectNext(nullptr, true, true);
  }
  if (OnActivate) OnActivate(this);
}

void TCustomForm::ControlFocused(TWinControl* control) {
  // A form placed inside another hears of focus moving in the outer one
  // too; only its own controls become its active control.
  if (IsOwnControl(control)) FocusChanged(control);
}

void TCustomForm::RecreateWindow(TMessage& message) {
  // The window goes and comes back; the form itself does not end.
  const TRestoreOnExit<bool> recreating(recreating_, true);
  TCustomControl::WndProc(message);
}

bool TCustomForm::DialogKey(const TMessage& message) {
  // Enter and Escape go to the focused control first, then to the buttons
  // that take them (default, cancel).
  std::vector<TWinControl*> list;
  if (activeControl_) list.push_back(activeControl_);
  GetTabOrderList(list);
  for (TWinControl* control : list) {
    if (control->Showing() && control->Perform(CM_DIALOGKEY, message.WParam, message.LParam)) {
      return true;
    }
  }
  return false;
}
