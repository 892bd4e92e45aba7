// The caption under the mouse: non-client mouse messages, what a clicked
// caption button does, system commands and the keyboard's way into the menus.
#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/CaptionBar.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/MenuBarHost.h"
#include "skin/form/SkinMenuBar.h"
#include "skin/form/WinSkinForm.h"

namespace {

bool HasCloseItem(HMENU menu) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  return menu && GetMenuItemInfoW(menu, SC_CLOSE, FALSE, &info);
}

}  // namespace

TWinSkinForm::TNcTarget TWinSkinForm::NcTargetAt(LPARAM screenPoint) const {
  const POINT p = frame_.ScreenToWindow(screenPoint);
  TNcTarget target;
  target.button = caption_.ButtonAt(p);
  const TWinSkinMenu* bar = menuHost_.Bar();
  target.item = target.button || !bar ? nullptr : bar->ItemAt(p);
  target.object = target.button ? static_cast<TNCObject*>(target.button) : target.item;
  return target;
}

// Handled messages answer 0 and never reach the previous procedure.
bool TWinSkinForm::NcMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const TNcTarget target = NcTargetAt(lParam);
  result = 0;
  switch (msg) {
    case WM_NCMOUSEMOVE:
      return NcMouseMove(target);
    case WM_NCLBUTTONDOWN:
      return NcLeftButtonDown(target, wParam, lParam, result);
    case WM_NCLBUTTONUP:
      return NcLeftButtonUp(target, lParam);
    case WM_NCLBUTTONDBLCLK:
      return NcDoubleClick(target);
    case WM_NCRBUTTONDOWN:
      return NcRightButtonDown(wParam, lParam);
    default:
      return false;
  }
}

bool TWinSkinForm::NcMouseMove(const TNcTarget& target) {
  if (!window_.Active) return true;
  if (target.object) {
    target.object->MouseEnter();
    return true;
  }
  caption_.LeaveHotObject();
  return false;
}

bool TWinSkinForm::NcLeftButtonDown(const TNcTarget& target, WPARAM hit, LPARAM lParam,
                                    LRESULT& result) {
  caption_.HintReset();
  if (target.object) {
    if (!window_.Active) SetForegroundWindow(handle_);
    // A bar item opens its drop-down here; nothing of this object is
    // touched once it closed.
    target.object->MouseDown();
    return true;
  }
  // A maximised window cannot be dragged by its caption.
  if (window_.Placement == plMaximised && window_.Active && hit == HTCAPTION) {
    result = PassOn(WM_NCLBUTTONDOWN, HTMENU, lParam);
    return true;
  }
  return false;
}

bool TWinSkinForm::NcLeftButtonUp(const TNcTarget& target, LPARAM lParam) {
  caption_.HintReset();
  if (target.button && target.button == caption_.HotObject()) {
    target.button->MouseUp();
    caption_.ButtonAction(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    return true;
  }
  return target.item != nullptr;
}

bool TWinSkinForm::NcDoubleClick(const TNcTarget& target) {
  // A double click on the menu bar is two presses of an item, never a
  // maximise.
  if (target.item) return true;
  if (target.button) {
    if (target.button->IsIcon()) {
      caption_.EnableHover(false);
      PostMessageW(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return true;
  }
  if (window_.Placement != plNormal) {
    window_.Placement = plNormal;
    PostMessageW(handle_, WM_SYSCOMMAND, SC_RESTORE, 0);
    return true;
  }
  if (window_.SysFlags & sfMaximizeBox) {
    window_.Placement = plMaximised;
    PostMessageW(handle_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    return true;
  }
  return false;
}

bool TWinSkinForm::NcRightButtonDown(WPARAM hit, LPARAM lParam) {
  caption_.HintReset();
  if (hit != HTCAPTION || window_.MDIKind == mkChild) return false;
  menuHost_.ShowSystemMenu(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
  return true;
}

void TCaptionBar::ButtonAction(int x, int y) {
  auto* button = dynamic_cast<TWinSysButton*>(hotObject_);
  if (!button) return;
  const int action = button->Element->Action;
  switch (action) {
    case cbClose:
      CloseAction();
      break;
    case cbMaximize:
    case cbMaximizeAlt:
      if (button->Enabled) MaximiseAction();
      break;
    case cbMinimize:
    case cbMinimizeAlt:
      if (button->Enabled) MinimiseAction();
      break;
    case cbIcon:
    case cbIconAlt:
    case cbIconMenu:
      form_.MenuHost().ShowSystemMenu(x + 1, y + 1);
      break;
    case cbHelp:
      PostMessageW(form_.Handle(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case cbMdiMinimize:
    case cbMdiMinimizeAlt:
    case cbMdiRestore:
    case cbMdiRestoreAlt:
    case cbMdiClose:
    case cbMdiCloseAlt:
      MdiChildCommand(action);
      break;
    default:
      PostMessageW(form_.Handle(), SKIN_CAPTIONACTION, static_cast<WPARAM>(action), 0);
      break;
  }
}

void TCaptionBar::CloseAction() {
  const HWND window = form_.Handle();
  if (!HasCloseItem(form_.Window().SystemMenu ? form_.Window().SystemMenu
                                              : GetSystemMenu(window, FALSE)))
    return;
  EnableHover(false);
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void TCaptionBar::MaximiseAction() {
  const HWND window = form_.Handle();
  if (form_.Window().Placement == plMaximised) {
    form_.SetPlacement(plNormal);
    PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    return;
  }
  if (form_.Window().MDIKind == mkChild && form_.Session()) form_.Session()->SetMdiMaximised(true);
  form_.SetPlacement(plMaximised);
  PostMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  hotObject_ = nullptr;
}

void TCaptionBar::MinimiseAction() {
  const HWND window = form_.Handle();
  if (form_.Window().Placement == plMinimised) {
    form_.SetPlacement(plNormal);
    PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    return;
  }
  form_.SetPlacement(plMinimised);
  form_.SetSysMenuStyle(false);
  PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

// The buttons of a maximised MDI child on its frame act on the active child.
void TCaptionBar::MdiChildCommand(int action) const {
  const HWND client = form_.Window().MDIClient;
  if (form_.Window().MDIKind != mkFrame || !client) return;
  const auto child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0));
  if (!child) return;
  const WPARAM command = action == cbMdiMinimize || action == cbMdiMinimizeAlt ? SC_MINIMIZE
                         : action == cbMdiRestore || action == cbMdiRestoreAlt ? SC_RESTORE
                                                                               : SC_CLOSE;
  SendMessageW(child, WM_SYSCOMMAND, command, 0);
}

// Returns true when the command is consumed here.
bool TWinSkinForm::SysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const WPARAM command = wParam & 0xFFF0;
  if (command == SC_KEYMENU && !menuHost_.Tracking() && KeyMenu(wParam, lParam, result)) {
    return true;
  }
  switch (command) {
    case SC_MINIMIZE:
      window_.Placement = plMinimised;
      break;
    case SC_MAXIMIZE:
      frame_.PrepareMaximisedRegion();
      window_.Placement = plMaximised;
      break;
    case SC_RESTORE:
      window_.Placement = plNormal;
      if (window_.MDIKind == mkChild && session_) session_->SetMdiMaximised(false);
      break;
    default:
      break;
  }
  return false;
}

// The keyboard's way into the menus; true when the key is taken here.
bool TWinSkinForm::KeyMenu(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const auto character = static_cast<wchar_t>(lParam);
  const bool barKey = character != L' ' && character != L'-';
  // A child has no bar: its frame's bar takes Alt and Alt+letter, as the
  // system's own menu mode would look for the frame's menu.
  if (window_.MDIKind == mkChild && barKey) {
    const HWND frame = GetAncestor(handle_, GA_ROOT);
    if (frame && frame != handle_) {
      result = SendMessageW(frame, WM_SYSCOMMAND, wParam, lParam);
      return true;
    }
  }
  // Alt alone (or F10) opens the bar's first item, Alt+letter the item it
  // is the accelerator of; the system's own menu mode never starts on a
  // skinned caption. Nothing of this object is touched once the drop-down
  // closed.
  if (barKey && !GetCapture() && menuHost_.OpenForKey(character)) {
    result = 1;
    return true;
  }
  // A space is the system menu at the client origin.
  if (character != L' ') return false;
  POINT origin{0, 0};
  ClientToScreen(handle_, &origin);
  menuHost_.ShowSystemMenu(origin.x, origin.y);
  result = 0;
  return true;
}
