// The toolkit form's handler while its frame is skinned, and the MDI
// client's procedure of an MDI frame.
#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/MenuBarHost.h"
#include "skin/form/SkinMenuBar.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Forms.h"

void TWinSkinForm::FormWindowProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT:
      savedFormProc_(message);
      CaptionTextChanged();
      return;
    case SKIN_REFRESH:
      RefreshSkin();
      return;
    case CM_DIALOGCHAR:
      DialogChar(message);
      return;
    case SKIN_PAINTFRAME:
      if (message.LParam != kSkinMagic) return;
      if (message.WParam) PaintFrame(reinterpret_cast<HDC>(message.WParam));
      message.Result = kSkinMagic;
      return;
    case SKIN_PING:
      message.Result = message.LParam == kSkinMagic ? kSkinMagic : 1;
      return;
    default:
      savedFormProc_(message);
      return;
  }
}

// A visible window's new text is shown where its caption shows now.
void TWinSkinForm::CaptionTextChanged() {
  if (!IsWindowVisible(handle_)) return;
  if (window_.Placement == plMaximised && window_.MDIKind == mkChild) {
    // A maximised child's title shows in the frame's bar, drawn by the client.
    if (session_ && session_->MdiClient()) {
      PostMessageW(session_->MdiClient(), SKIN_MDIREDRAW, 0, 0);
    }
  } else if (window_.Placement != plNormal) {
    // Maximised or minimised: the frame keeps its size, only its picture changes.
    PaintFrame(nullptr);
  } else {
    ForceFrameChange();
  }
}

// A character the form's controls did not take: Alt and an accelerator
// opens the bar's item; other keys go to the form that has the menus.
void TWinSkinForm::DialogChar(TMessage& message) {
  savedFormProc_(message);
  if (message.Result != 0) return;
  const auto character = static_cast<wchar_t>(message.WParam);
  if (menuHost_.Bar() && AltAlone() && menuHost_.Bar()->FindAccelItem(character)) {
    message.Result = 1;
    // Nothing of this object is touched once the drop-down closed.
    menuHost_.OpenAccelerator(character);
    return;
  }
  // Keys nobody used go to the form that has the menus: the MDI frame or
  // the main form.
  if (TCustomForm* main = Application ? Application->MainForm() : nullptr;
      main && toolkitForm_ && main != toolkitForm_) {
    TCustomForm* frame = window_.MDIKind == mkChild && session_ ? session_->MdiFrameForm() : main;
    if (frame && frame != toolkitForm_)
      frame->Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
  }
  message.Result = 0;
}

// Exactly Alt among the modifier keys.
bool TWinSkinForm::AltAlone() {
  return GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
}

LRESULT TWinSkinForm::MDIClientWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCDESTROY: {
      const LRESULT result = mdiClientHook_.CallOld(msg, wParam, lParam);
      mdiClientHook_.Forget();
      return result;
    }
    case WM_NCCALCSIZE:
      if (window_.SkinFrame && !skinData_->Options().Contains(xoMDIScrollbar)) HideMdiScrollbars();
      return mdiClientHook_.CallOld(msg, wParam, lParam);
    case WM_MDICREATE:
      skinData_->SetMenuUpdate(false);
      return mdiClientHook_.CallOld(msg, wParam, lParam);
    case WM_MDIDESTROY: {
      const LRESULT result = mdiClientHook_.CallOld(msg, wParam, lParam);
      if (window_.SkinFrame && session_) MdiChildDestroyed();
      return result;
    }
    case WM_MDISETMENU: {
      const LRESULT result = mdiClientHook_.CallOld(msg, wParam, lParam);
      menuHost_.MdiMenuSet(wParam);
      return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (window_.SkinFrame && session_ && session_->MdiMaximised())
        session_->SetMdiMaximised(false);
      return mdiClientHook_.CallOld(msg, wParam, lParam);
    case SKIN_MDIREDRAW:
      RedrawWindow(window_.MDIClient, nullptr, nullptr, kMdiRedrawFlags);
      return 0;
    default:
      return mdiClientHook_.CallOld(msg, wParam, lParam);
  }
}

void TWinSkinForm::HideMdiScrollbars() {
  const LONG_PTR style = GetWindowLongPtrW(window_.MDIClient, GWL_STYLE);
  SetWindowLongPtrW(window_.MDIClient, GWL_STYLE, style & ~LONG_PTR{WS_VSCROLL | WS_HSCROLL});
}

// The children left decide whether they show maximised; with none left the
// frame's own menu comes back.
void TWinSkinForm::MdiChildDestroyed() {
  BOOL maximised = FALSE;
  const auto active =
      SendMessageW(window_.MDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised));
  session_->SetMdiMaximised(active && maximised);
  if (active) return;
  skinData_->SetMenuUpdate(savedMenuUpdate_);
  menuHost_.MdiChildrenGone();
}
