// The caption under the mouse: non-client mouse messages, what a clicked
// caption button does, the hover check and hints, system commands.
#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/SkinMenuBar.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Timer.h"

namespace {

constexpr UINT kHoverStep = 250;
constexpr int kHintBelowCursor = 24;

bool HasCloseItem(HMENU menu) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  return menu && GetMenuItemInfoW(menu, SC_CLOSE, FALSE, &info);
}

}  // namespace

void TWinSkinForm::CaptionHintReset() {
  if (!SkinData) return;
  SkinData->HoverTime = 0;
  SkinData->HideCaptionHint();
}

// Handled messages answer 0 and never reach the previous procedure.
bool TWinSkinForm::NcMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const POINT p = ScreenToWindow(lParam);
  TWinSysButton* button = ButtonAt(p);
  TMenuBtn* item = button || !MenuBar ? nullptr : MenuBar->ItemAt(p);
  TNCObject* object = button ? static_cast<TNCObject*>(button) : item;
  result = 0;
  switch (msg) {
    case WM_NCMOUSEMOVE:
      if (!Active) return true;
      if (object) {
        object->MouseEnter();
        return true;
      }
      if (HotObject) {
        HotObject->MouseLeave();
        HotObject = nullptr;
      }
      return false;
    case WM_NCLBUTTONDOWN:
      CaptionHintReset();
      if (object) {
        if (!Active) SetForegroundWindow(Handle);
        // A bar item opens its drop-down here; nothing of this object is
        // touched once it closed.
        object->MouseDown();
        return true;
      }
      // A maximised window cannot be dragged by its caption.
      if (Placement == plMaximised && Active && wParam == HTCAPTION) {
        result = PassOn(msg, HTMENU, lParam);
        return true;
      }
      return false;
    case WM_NCLBUTTONUP:
      CaptionHintReset();
      if (button && button == HotObject) {
        button->MouseUp();
        ButtonAction(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return true;
      }
      return item != nullptr;
    case WM_NCLBUTTONDBLCLK:
      // A double click on the menu bar is two presses of an item, never a
      // maximise.
      if (item) return true;
      if (button) {
        if (button->IsIcon()) {
          hoverTimer_->SetEnabled(false);
          PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return true;
      }
      if (Placement != plNormal) {
        Placement = plNormal;
        PostMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
        return true;
      }
      if (SysFlags & sfMaximizeBox) {
        Placement = plMaximised;
        PostMessageW(Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        return true;
      }
      return false;
    case WM_NCRBUTTONDOWN:
      CaptionHintReset();
      if (wParam == HTCAPTION && MDIKind != mkChild) {
        ShowSystemMenu(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TWinSkinForm::ButtonAction(int x, int y) {
  auto* button = dynamic_cast<TWinSysButton*>(HotObject);
  if (!button) return;
  switch (button->Element->Action) {
    case cbClose:
      if (HasCloseItem(SystemMenu ? SystemMenu : GetSystemMenu(Handle, FALSE))) {
        hoverTimer_->SetEnabled(false);
        PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case cbMaximize:
    case cbMaximizeAlt:
      if (!button->Enabled) break;
      if (Placement == plMaximised) {
        Placement = plNormal;
        PostMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else {
        if (MDIKind == mkChild && session_) session_->SetMdiMaximised(true);
        Placement = plMaximised;
        PostMessageW(Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        HotObject = nullptr;
      }
      break;
    case cbMinimize:
    case cbMinimizeAlt:
      if (!button->Enabled) break;
      if (Placement == plMinimised) {
        Placement = plNormal;
        PostMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else {
        Placement = plMinimised;
        SetSysMenuStyle(false);
        PostMessageW(Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      }
      break;
    case cbIcon:
    case cbIconAlt:
    case cbIconMenu:
      ShowSystemMenu(x + 1, y + 1);
      break;
    case cbHelp:
      PostMessageW(Handle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case cbMdiMinimize:
    case cbMdiMinimizeAlt:
    case cbMdiRestore:
    case cbMdiRestoreAlt:
    case cbMdiClose:
    case cbMdiCloseAlt: {
      if (MDIKind != mkFrame || !MDIClient) break;
      const auto child = reinterpret_cast<HWND>(SendMessageW(MDIClient, WM_MDIGETACTIVE, 0, 0));
      if (!child) break;
      const int action = button->Element->Action;
      const WPARAM command = action == cbMdiMinimize || action == cbMdiMinimizeAlt ? SC_MINIMIZE
                             : action == cbMdiRestore || action == cbMdiRestoreAlt ? SC_RESTORE
                                                                                   : SC_CLOSE;
      SendMessageW(child, WM_SYSCOMMAND, command, 0);
      break;
    }
    default:
      PostMessageW(Handle, SKIN_CAPTIONACTION, static_cast<WPARAM>(button->Element->Action), 0);
      break;
  }
}

void TWinSkinForm::WatchHotObject() {
  if (hoverTimer_ && Active) hoverTimer_->SetEnabled(true);
}

void TWinSkinForm::HoverTick() {
  // The menu loop owns the pointer while a drop-down is open.
  if (MenuTracking) return;
  // Nothing to watch: an idle program should not wake four times a second.
  if (!HotObject) {
    hoverTimer_->SetEnabled(false);
    return;
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  const POINT p = ScreenToWindow(MAKELPARAM(cursor.x, cursor.y));
  if (!PtInRect(&HotObject->Rect, p)) {
    HotObject->MouseLeave();
    HotObject = nullptr;
    CaptionHintReset();
    return;
  }
  auto* button = dynamic_cast<TWinSysButton*>(HotObject);
  if (!button || !SkinData) return;
  SkinData->HoverTime += static_cast<int>(kHoverStep);
  const int pause = 2 * (Application ? Application->HintPause : 500);
  const int hide = Application ? Application->HintHidePause : 2500;
  const String text = CaptionHintText(button->Element->Action);
  if (SkinData->HoverTime >= pause && SkinData->HoverTime < pause + hide) {
    if (!text.empty()) {
      RECT window{};
      GetWindowRect(Handle, &window);
      const LONG left = button->Rect.left + window.left;
      const LONG top = cursor.y + kHintBelowCursor;
      SkinData->ShowCaptionHint(RECT{left, top, left, top}, text);
    }
  } else if (SkinData->HoverTime >= pause + hide) {
    SkinData->HideCaptionHint();
  }
}

// Returns true when the command is consumed here.
bool TWinSkinForm::SysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const WPARAM command = wParam & 0xFFF0;
  if (command == SC_KEYMENU && !MenuTracking) {
    const auto character = static_cast<wchar_t>(lParam);
    // A child has no bar: its frame's bar takes Alt and Alt+letter, as the
    // system's own menu mode would look for the frame's menu.
    if (MDIKind == mkChild && character != L' ' && character != L'-') {
      const HWND frame = GetAncestor(Handle, GA_ROOT);
      if (frame && frame != Handle) {
        result = SendMessageW(frame, WM_SYSCOMMAND, wParam, lParam);
        return true;
      }
    }
    // Alt alone (or F10) opens the bar's first item, Alt+letter the item it
    // is the accelerator of; the system's own menu mode never starts on a
    // skinned caption. A space is the system menu at the client origin.
    if (character != L' ' && character != L'-' && !GetCapture()) {
      TMenuBtn* item = nullptr;
      if (MenuBar) item = character == 0 ? MenuBar->FirstItem() : MenuBar->FindAccelItem(character);
      if (character == 0 || item) {
        result = 1;
        // Nothing of this object is touched once the drop-down closed.
        if (item) MenuBar->OpenItem(item);
        return true;
      }
    }
    if (character == L' ') {
      POINT origin{0, 0};
      ClientToScreen(Handle, &origin);
      ShowSystemMenu(origin.x, origin.y);
      result = 0;
      return true;
    }
  }
  switch (command) {
    case SC_MINIMIZE:
      Placement = plMinimised;
      break;
    case SC_MAXIMIZE:
      PrepareMaximisedRegion();
      Placement = plMaximised;
      break;
    case SC_RESTORE:
      Placement = plNormal;
      if (MDIKind == mkChild && session_) session_->SetMdiMaximised(false);
      break;
    default:
      break;
  }
  return false;
}
