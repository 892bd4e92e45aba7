// The window procedure of a skinned window, in three stages: what every
// hooked window needs, what skinned frames need, and the non-client work
// that only runs once the skin is initialised. The handlers are in
// FrameMessages.cpp.
#include "skin/core/SkinMessages.h"
#include "skin/form/WinSkinForm.h"

namespace {

constexpr UINT WM_THEMED_CAPTION_PAINT = 0x00AE;

}  // namespace

LRESULT TWinSkinForm::HookedMessage(TWindowHook& hook, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hook.Role() == THookRole::MdiClient) return MDIClientWndProc(msg, wParam, lParam);
  return FrameWndProc(msg, wParam, lParam);
}

LRESULT TWinSkinForm::FrameWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  // Nothing is painted before the skin is initialised.
  if (attachState_ == asAttached && msg == WM_NCPAINT) return 0;
  LRESULT result = 0;
  if (HookedWindowMessage(msg, wParam, lParam, result)) return result;
  // A plain child window keeps its own frame.
  if (window_.MDIKind != mkChild && (window_.Style & WS_CHILD)) return PassOn(msg, wParam, lParam);
  if (SkinnedFrameMessage(msg, wParam, lParam, result)) return result;
  if (MaximisedMdiChild() || attachState_ == asAttached) return PassOn(msg, wParam, lParam);
  return NonClientMessage(msg, wParam, lParam);
}

// Every hooked window, framed or not. True when the message is done.
bool TWinSkinForm::HookedWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = EraseBackground(wParam, lParam);
      return true;
    case WM_NCDESTROY:
      result = NcDestroy(wParam, lParam);
      return true;
    case WM_NCACTIVATE:
      return NcActivateBeforeInit(wParam, lParam, result);
    case WM_THEMED_CAPTION_PAINT:
      result = 0;
      return true;
    case WM_PARENTNOTIFY:
      result = ParentNotify(wParam, lParam);
      return true;
    case WM_INITMENUPOPUP:
      result = InitMenuPopup(wParam, lParam);
      return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      result = ControlColour(msg, wParam, lParam);
      return true;
    case SKIN_INIT:
    case SKIN_RESKINSCROLL:
    case SKIN_QUERY:
      result = SkinRequest(msg, wParam);
      return true;
    default:
      // A window without a skinned frame has nothing more skinned.
      if (window_.SkinFrame) return false;
      result = PassOn(msg, wParam, lParam);
      return true;
  }
}

// A skinned frame's window messages. True when the message is done.
bool TWinSkinForm::SkinnedFrameMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_SIZE:
      result = Sized(wParam, lParam);
      return true;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      window_.Active = LOBYTE(wParam) != 0;
      return false;
    case WM_GETMINMAXINFO:
    case WM_WINDOWPOSCHANGED:
    case WM_SETICON:
      result = WindowChanged(msg, wParam, lParam);
      return true;
    case WM_COMMAND:
      result = Command(wParam, lParam);
      return true;
    case WM_SYSCOMMAND:
      if (!SysCommand(wParam, lParam, result)) result = PassOn(msg, wParam, lParam);
      return true;
    case WM_MEASUREITEM:
      return !wParam && menuHost_.MeasureMenuItem(lParam, result);
    case WM_DRAWITEM:
      return !wParam && menuHost_.DrawMenuItem(lParam, result);
    case CM_MENUCHANGED:
    case WM_MENUSELECT:
    case SKIN_OPENMENUBAR:
      result = MenuMessage(msg, wParam, lParam);
      return true;
    case WM_STYLECHANGED:
      // A window may turn to or from right to left once skinned; the frame
      // reads the flag when it lays out and paints.
      if (wParam == static_cast<WPARAM>(GWL_EXSTYLE))
        window_.RightToLeft =
            LaysOutRightToLeft(reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew);
      return false;
    case WM_SETTEXT:
      // A toolkit form hears of it in its own handler. The system draws
      // its own caption over ours while it sets the text, so ours follows.
      if (formProcReplaced_) return false;
      result = PassOn(msg, wParam, lParam);
      CaptionTextChanged();
      return true;
    default:
      return false;
  }
}

// The non-client area of an initialised skinned frame.
LRESULT TWinSkinForm::NonClientMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (msg) {
    case WM_NCCALCSIZE:
      return NcCalcSize(wParam, lParam);
    case WM_NCHITTEST:
      return NcHitTest(wParam, lParam);
    case WM_NCPAINT:
      return NcPaint(wParam, lParam);
    case WM_NCACTIVATE:
      return NcActivate(wParam, lParam);
    case SKIN_REPAINTFRAME:
      PaintFrame(nullptr);
      return 0;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      if (NcMouse(msg, wParam, lParam, result)) return result;
      return PassOn(msg, wParam, lParam);
    default:
      return PassOn(msg, wParam, lParam);
  }
}
