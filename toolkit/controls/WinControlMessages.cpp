// How a windowed control handles its messages: the window procedure that
// brings them, WndProc and its named parts (child notifications reflected,
// painting, bevels, mouse, window state).
#include <algorithm>

#include "toolkit/controls/Application.h"
#include "toolkit/controls/DeferredFree.h"
#include "toolkit/controls/MouseTracking.h"
#include "toolkit/controls/ToolkitWindow.h"
#include "toolkit/controls/WinControl.h"

namespace {

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK; }

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
         msg == WM_LBUTTONDBLCLK;
}

bool IsButtonUp(UINT msg) {
  return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
}

// The toolkit's own notifications mean nothing to a system window procedure.
bool IsToolkitMessage(UINT msg) { return msg >= CM_BASE && msg < 0xC000; }

}  // namespace

LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = TWinControl::FindControl(window);
  if (!control) {
    control = TakeCreatingControl();
    if (!control) return DefWindowProcW(window, msg, wParam, lParam);
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

void TWinControl::DefaultHandler(TMessage& message) {
  if (!handle_ || IsToolkitMessage(message.Msg)) {
    message.Result = 0;
    return;
  }
  message.Result =
      CallWindowProcW(defWndProc_, handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::WndProc(TMessage& message) {
  if (ReflectToChild(message) || PaintMessage(message) || BevelMessage(message) ||
      MouseMessage(message)) {
    return;
  }
  FollowWindowState(message);
  TControl::WndProc(message);
}

// Notifications a child window sends its parent go back to the child's own
// control as CN_BASE + the message; every kind names its child differently.
HWND TWinControl::NotifyingChild(const TMessage& message) const {
  switch (message.Msg) {
    case WM_COMMAND:  // LParam 0: a menu or an accelerator
    case WM_HSCROLL:  // LParam 0: the window's own scroll bar
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
      return reinterpret_cast<HWND>(message.LParam);
    case WM_NOTIFY:
      return message.LParam ? reinterpret_cast<const NMHDR*>(message.LParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      return item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_DELETEITEM:
      return reinterpret_cast<const DELETEITEMSTRUCT*>(message.LParam)->hwndItem;
    case WM_COMPAREITEM:
      return reinterpret_cast<const COMPAREITEMSTRUCT*>(message.LParam)->hwndItem;
    case WM_MEASUREITEM: {
      // The window of the item does not exist yet: find it by its id.
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam);
      if (item->CtlType == ODT_MENU || !handle_) return nullptr;
      return GetDlgItem(handle_, static_cast<int>(item->CtlID));
    }
    default:
      return nullptr;
  }
}

bool TWinControl::ReflectToChild(TMessage& message) {
  const HWND child = NotifyingChild(message);
  if (!child) return false;
  TWinControl* control = FindControl(child);
  if (!control || control == this) return false;
  message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

bool TWinControl::PaintMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: {
      const bool hasGraphicChildren =
          std::any_of(controls_.begin(), controls_.end(),
                      [](TControl* c) { return !c->IsWindowed() && c->Visible(); });
      if (!customPaint_ && !hasGraphicChildren) return false;
      PaintHandler(message);
      return true;
    }
    case WM_ERASEBKGND:
      if (!customPaint_) return false;
      EraseBackground(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return true;
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: {
      // The parent asks for this control's colours on its behalf.
      const HDC dc = reinterpret_cast<HDC>(message.WParam);
      SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
      SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(Color())));
      message.Result = reinterpret_cast<LRESULT>(ColorBrush());
      return true;
    }
    default:
      return false;
  }
}

bool TWinControl::BevelMessage(TMessage& message) {
  if (bevelKind_ == bkNone) return false;
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      CalcBevelSize(message);
      return true;
    case WM_NCPAINT:
      TControl::WndProc(message);
      PaintBevel();
      return true;
    default:
      return false;
  }
}

bool TWinControl::MouseMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETCURSOR:
      HandleSetCursor(message);
      return message.Result != 0;
    case WM_MOUSELEAVE:
      MouseLeftWindow(this);
      return false;
    default:
      if (!IsMouseMessage(message.Msg)) return false;
      HandleMouseForChildren(message);
      return true;
  }
}

// What the window and the toolkit report about size, focus and settings;
// the message goes on to the base afterwards.
void TWinControl::FollowWindowState(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      UpdateBoundsFromWindow();
      Realign();
      break;
    case WM_MOVE:
      UpdateBoundsFromWindow();
      break;
    case WM_SETFOCUS:
      FocusReceived();
      break;
    case CM_ENABLEDCHANGED:
      if (handle_) EnableWindow(handle_, Enabled());
      break;
    case CM_VISIBLECHANGED:
      if (handle_) ShowWindow(handle_, message.WParam ? SW_SHOWNOACTIVATE : SW_HIDE);
      break;
    case CM_FONTCHANGED:
      ApplyFontToWindow();
      if (customPaint_) Invalidate();
      for (TControl* child : std::vector<TControl*>(controls_))
        child->Perform(CM_PARENTFONTCHANGED);
      break;
    case CM_COLORCHANGED:
      Invalidate();
      for (TControl* child : std::vector<TControl*>(controls_))
        child->Perform(CM_PARENTCOLORCHANGED);
      break;
    case CM_BIDIMODECHANGED:
      ApplyBiDiModeToWindow();
      for (TControl* child : std::vector<TControl*>(controls_))
        child->Perform(CM_PARENTBIDIMODECHANGED);
      break;
    case CM_FOCUSCHANGED:
      // Children that show focus (skinned ones) repaint when it moves away.
      Broadcast(message);
      break;
    case CM_RECREATEWND:
      DestroyHandle();
      HandleNeeded();
      break;
    case CM_TABSTOPCHANGED:
      if (handle_) {
        const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
        SetWindowLongPtrW(handle_, GWL_STYLE, tabStop_ ? style | WS_TABSTOP : style & ~WS_TABSTOP);
      }
      break;
    default:
      break;
  }
}

// The form at the top keeps track of its active control.
void TWinControl::FocusReceived() {
  TWinControl* top = this;
  while (top->Parent()) top = top->Parent();
  if (top != this) top->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
}

void TWinControl::HandleMouseForChildren(TMessage& message) {
  const POINT point{static_cast<short>(LOWORD(message.LParam)),
                    static_cast<short>(HIWORD(message.LParam))};
  TControl* target = captureControl_;
  if (!target) {
    TControl* found = ControlAtPos(point);
    if (found && !found->IsWindowed()) target = found;
  }
  if (message.Msg == WM_MOUSEMOVE) TrackMouseControl(this, target ? target : this);
  if (!target) return TControl::WndProc(message);

  if (IsButtonDown(message.Msg)) {
    captureControl_ = target;
    SetCapture(handle_);
  }
  const bool releasing = IsButtonUp(message.Msg) && captureControl_ == target;
  if (releasing) {
    captureControl_ = nullptr;
    ReleaseCapture();
  }
  message.Result = target->Perform(message.Msg, message.WParam,
                                   MAKELPARAM(point.x - target->Left(), point.y - target->Top()));
}

void TWinControl::HandleSetCursor(TMessage& message) {
  message.Result = 0;
  if (reinterpret_cast<HWND>(message.WParam) != handle_ || LOWORD(message.LParam) != HTCLIENT)
    return;
  POINT point{};
  GetCursorPos(&point);
  ::ScreenToClient(handle_, &point);
  TControl* found = ControlAtPos(point);
  TControl* target = found && !found->IsWindowed() ? found : this;
  TCursor cursor = target->Cursor();
  if (cursor == crDefault) cursor = Cursor();
  if (cursor == crDefault) return;
  ::SetCursor(CursorHandle(cursor));
  message.Result = 1;
}
