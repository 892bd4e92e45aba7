// What the skinned window procedure does with each message it takes: the
// handlers its stages call.
#include "skin/controls/ControlDiscovery.h"
#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/MenuBarHost.h"
#include "skin/form/SkinMenuBar.h"
#include "skin/form/WinSkinForm.h"

namespace {

bool IsSystemCommandId(WPARAM id) {
  switch (id) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      return true;
    default:
      return false;
  }
}

}  // namespace

// A plain window's client is filled with the skin's face colour.
LRESULT TWinSkinForm::EraseBackground(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = PassOn(WM_ERASEBKGND, wParam, lParam);
  if (toolkitForm_) return result;
  RECT client{};
  GetClientRect(handle_, &client);
  FillRect(reinterpret_cast<HDC>(wParam), &client, skinData_->Skin().FaceBrush.Get());
  return 1;
}

LRESULT TWinSkinForm::NcDestroy(WPARAM wParam, LPARAM lParam) {
  attachState_ = asDestroying;
  ReleaseWindow();
  const LRESULT result = PassOn(WM_NCDESTROY, wParam, lParam);
  attachState_ = asGone;
  return result;
}

// Before SKIN_INIT a frame stays as it is; a window without a skinned frame
// activates as the system does. True when the message is done.
bool TWinSkinForm::NcActivateBeforeInit(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (attachState_ == asAttached && window_.MDIKind != mkChild) {
    result = 0;
    return true;
  }
  if (window_.SkinFrame) return false;
  result = PassOn(WM_NCACTIVATE, wParam, lParam);
  return true;
}

// A size grip created after SKIN_INIT is skinned once it exists.
LRESULT TWinSkinForm::ParentNotify(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = PassOn(WM_PARENTNOTIFY, wParam, lParam);
  if (LOWORD(wParam) == WM_CREATE && attachState_ == asSkinned && !sizeGrips_.empty()) {
    SkinSizeGrips();
  }
  return result;
}

LRESULT TWinSkinForm::InitMenuPopup(WPARAM wParam, LPARAM lParam) {
  if (session_) {
    session_->MenuOpening(reinterpret_cast<HMENU>(wParam) == window_.SystemMenu ? mkSystemMenu
                                                                                : mkMenuBar);
  }
  return PassOn(WM_INITMENUPOPUP, wParam, lParam);
}

// A plain window's buttons and labels show the skin's face through them.
LRESULT TWinSkinForm::ControlColour(UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = PassOn(msg, wParam, lParam);
  if (toolkitForm_) return result;
  SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
  if (msg != WM_CTLCOLORSTATIC) return result;
  return reinterpret_cast<LRESULT>(skinData_->Skin().FaceBrush.Get());
}

// The skin's own messages to the window.
LRESULT TWinSkinForm::SkinRequest(UINT msg, WPARAM wParam) {
  switch (msg) {
    case SKIN_INIT:
      SkinInit();
      return 0;
    case SKIN_RESKINSCROLL:
      if (skinData_) {
        TControlDiscovery(*this, *skinData_).ReskinScroll(reinterpret_cast<HWND>(wParam));
      }
      return 0;
    default:
      PostMessageW(handle_, SKIN_APPLIED, 0, kSkinMagic);
      return 1;
  }
}

LRESULT TWinSkinForm::Sized(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = PassOn(WM_SIZE, wParam, lParam);
  if (wParam == SIZE_MINIMIZED) {
    window_.Placement = plMinimised;
    return result;
  }
  window_.Placement = wParam == SIZE_MAXIMIZED ? plMaximised : plNormal;
  const bool mdiAllows = window_.MDIKind != mkChild ||
                         (window_.Placement == plNormal && session_ && !session_->MdiMaximised());
  if (mdiAllows && (attachState_ == asSkinned || attachState_ == asReapplying))
    frame_.BuildRegion();
  return result;
}

// Placement and icon are read again once the system has changed them.
LRESULT TWinSkinForm::WindowChanged(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_WINDOWPOSCHANGED) ReadPlacement();
  const LRESULT result = PassOn(msg, wParam, lParam);
  if (msg == WM_GETMINMAXINFO) ReadPlacement();
  if (msg == WM_SETICON) caption_.RebuildIcon();
  return result;
}

// A system command sent as WM_COMMAND (the skinned system menu of a plain
// window) goes on as the command it is.
LRESULT TWinSkinForm::Command(WPARAM wParam, LPARAM lParam) {
  if (!IsSystemCommandId(wParam)) return PassOn(WM_COMMAND, wParam, lParam);
  PostMessageW(handle_, WM_SYSCOMMAND, wParam, 0);
  return 0;
}

LRESULT TWinSkinForm::MenuMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case CM_MENUCHANGED: {
      skinData_->FramePaint = 0;
      const LRESULT result = PassOn(msg, wParam, lParam);
      skinData_->FramePaint = 1;
      menuHost_.MenuChanged();
      return result;
    }
    case WM_MENUSELECT:
      if (menuHost_.Tracking()) MenuBarMenuSelect(*this, wParam, lParam);
      return PassOn(msg, wParam, lParam);
    default:
      // The form may be gone once the drop-down closed.
      menuHost_.OpenAt(lParam);
      return 0;
  }
}
