// Opening a menu bar item's drop-down. While it is open a message-filter
// hook watches the menu loop: Left and Right move to the neighbouring bar
// item (wrapping), the pointer moving onto another bar item opens that one,
// and a click on the open item closes it. A switch ends the open drop-down
// first and has the window open the next one, so drop-downs never nest.
#include "skin/data/WinSkinData.h"
#include "skin/form/CaptionBar.h"
#include "skin/form/DropDownOwnerDraw.h"
#include "skin/form/MenuBarHost.h"
#include "skin/form/SkinMenuBar.h"
#include "skin/form/WinSkinForm.h"

namespace {

// One menu loop at a time per process, as the system allows.
struct TTrackingState {
  HHOOK hook = nullptr;
  TWinSkinMenu* bar = nullptr;
  int openIndex = -1;
  HMENU trackedPopup = nullptr;
  bool firstSeen = false;
  bool switching = false;
  int switchTarget = -1;
  bool anySelected = false;
  HMENU selectedMenu = nullptr;
  bool selectedHasChildren = false;
  POINT lastCursor{-1, -1};
};

TTrackingState tracking;

void RemoveHook() {
  if (tracking.hook) UnhookWindowsHookEx(tracking.hook);
  tracking.hook = nullptr;
}

HWND OpenMenuWindow(const MSG& msg) {
  wchar_t name[16] = {};
  if (msg.hwnd && GetClassNameW(msg.hwnd, name, 16) && lstrcmpW(name, L"#32768") == 0) {
    return msg.hwnd;
  }
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        wchar_t className[16] = {};
        if (IsWindowVisible(window) && GetClassNameW(window, className, 16) &&
            lstrcmpW(className, L"#32768") == 0) {
          *reinterpret_cast<HWND*>(param) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

bool Openable(const TMenuBtn* item) { return item && item->Visible && !item->Caption.empty(); }

// The next bar item that can open, in the given direction, wrapping around.
int Neighbour(const TWinSkinMenu& bar, int from, int step) {
  const int count = bar.ItemCount();
  for (int n = 1; n <= count; ++n) {
    const int index = ((from + step * n) % count + count) % count;
    if (Openable(bar.Item(index))) return index;
  }
  return -1;
}

int ItemUnder(const TWinSkinMenu& bar, POINT screen) {
  const TMenuBtn* item =
      bar.ItemAt(bar.Form.Frame().ScreenToWindow(MAKELPARAM(screen.x, screen.y)));
  return item ? item->Index : -1;
}

LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT next = CallNextHookEx(tracking.hook, code, wParam, lParam);
  if (next || code != MSGF_MENU || !tracking.bar || !lParam) return next;
  MSG& msg = *reinterpret_cast<MSG*>(lParam);
  TWinSkinMenu& bar = *tracking.bar;
  // A right-to-left bar runs leftwards and its submenus open to the left,
  // so the arrows trade places for the menu loop and for the bar alike.
  if (msg.message == WM_KEYDOWN && bar.Form.Window().RightToLeft &&
      (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT)) {
    msg.wParam = msg.wParam == VK_LEFT ? VK_RIGHT : VK_LEFT;
  }
  if (!tracking.firstSeen) {
    // Opened from the bar, the drop-down starts with its first item selected.
    tracking.firstSeen = true;
    if (const HWND menu = OpenMenuWindow(msg)) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  }
  int target = -1;
  switch (msg.message) {
    case WM_KEYDOWN:
      if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) tracking.switching = false;
      if (msg.wParam == VK_LEFT &&
          (!tracking.anySelected || tracking.selectedMenu == tracking.trackedPopup)) {
        target = Neighbour(bar, tracking.openIndex, -1);
      }
      // Right on an item with children opens its submenu instead.
      if (msg.wParam == VK_RIGHT && (!tracking.anySelected || !tracking.selectedHasChildren)) {
        target = Neighbour(bar, tracking.openIndex, 1);
      }
      break;
    case WM_SYSKEYDOWN:
      if (msg.wParam == VK_MENU) bar.Form.MenuHost().MenuLoopLeft();
      break;
    case WM_MOUSEMOVE:
      if (msg.pt.x != tracking.lastCursor.x || msg.pt.y != tracking.lastCursor.y) {
        target = ItemUnder(bar, msg.pt);
        tracking.lastCursor = msg.pt;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
      // A click on the open item closes it rather than opening it again.
      if (ItemUnder(bar, msg.pt) == tracking.openIndex) {
        EndMenu();
        return 1;
      }
      break;
    default:
      break;
  }
  if (target < 0 || target == tracking.openIndex) return 0;
  tracking.switching = true;
  tracking.switchTarget = target;
  EndMenu();
  return 1;
}

// The hook and the shared state for one drop-down, gone however the
// tracking ends.
class TTrackingScope {
 public:
  TTrackingScope(TWinSkinMenu& bar, int index, HMENU popup) {
    tracking = TTrackingState{};
    tracking.bar = &bar;
    tracking.openIndex = index;
    tracking.trackedPopup = popup;
    GetCursorPos(&tracking.lastCursor);
    tracking.hook = SetWindowsHookExW(WH_MSGFILTER, &MessageFilter, nullptr, GetCurrentThreadId());
  }
  ~TTrackingScope() {
    RemoveHook();
    tracking = TTrackingState{};
  }
  TTrackingScope(const TTrackingScope&) = delete;
  TTrackingScope& operator=(const TTrackingScope&) = delete;
  int SwitchTarget() const { return tracking.switching ? tracking.switchTarget : -1; }
};

}  // namespace

bool MenuBarHookInstalled() { return tracking.hook != nullptr; }

void MenuBarMenuSelect(const TWinSkinForm& form, WPARAM wParam, LPARAM lParam) {
  if (!tracking.bar || &tracking.bar->Form != &form) return;
  if (HIWORD(wParam) == 0xFFFF && lParam == 0) {
    if (!tracking.switching) tracking.bar->Form.MenuHost().MenuLoopLeft();
    return;
  }
  tracking.switching = false;
  tracking.anySelected = true;
  tracking.selectedMenu = reinterpret_cast<HMENU>(lParam);
  tracking.selectedHasChildren = (HIWORD(wParam) & MF_POPUP) != 0;
}

bool TWinSkinMenu::OpenItem(TMenuBtn* item) {
  if (!item || tracking.bar) return false;
  const HWND window = Form.Handle();
  // A toolkit item hears its own click as its drop-down opens; a native
  // item with a submenu has no command of its own to send.
  if (item->MenuItem || !item->SubMenu) PostMessageW(window, WM_COMMAND, item->Command, 0);
  if (!item->SubMenu) return false;
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  const int index = item->Index;
  const HMENU popup = item->SubMenu;
  const bool enabled = item->Enabled;
  const POINT point{
      (Form.Window().RightToLeft ? item->Rect.right : item->Rect.left) + windowRect.left,
      item->Rect.bottom + windowRect.top};
  UINT flags = TPM_RIGHTBUTTON | TPM_RETURNCMD;
  if (Form.Window().RightToLeft) flags |= TPM_RIGHTALIGN;
  if (TSkinSession* session = Form.Session()) session->MenuBarDropDownOpening();
  // The open item looks pressed until its drop-down closes.
  TCaptionBar& caption = Form.Caption();
  if (caption.HotObject() != item) {
    if (caption.HotObject()) caption.HotObject()->MouseLeave();
    caption.SetHotObject(item);
  }
  item->State = nsPressed;
  item->Paint();
  Form.MenuHost().TrackingStarted(popup);
  const std::shared_ptr<const bool> alive = alive_;
  UINT chosen = 0;
  int switchTo = -1;
  {
    const TOwnerDrawnDropDown ownerDrawn(popup);
    const TTrackingScope scope(*this, index, popup);
    if (enabled)
      chosen =
          static_cast<UINT>(TrackPopupMenu(popup, flags, point.x, point.y, 0, window, nullptr));
    switchTo = scope.SwitchTarget();
  }
  // The window, its skin object or this bar may be gone by now.
  if (!*alive) return true;
  Form.MenuHost().TrackingEnded();
  if (chosen) PostMessageW(window, WM_COMMAND, chosen, 0);
  if (auto* hot = dynamic_cast<TMenuBtn*>(Form.Caption().HotObject())) hot->MouseLeave();
  if (const TMenuBtn* target = Item(switchTo)) PostOpenItem(*target);
  return true;
}

void TWinSkinMenu::PostOpenItem(const TMenuBtn& item) const {
  RECT window{};
  GetWindowRect(Form.Handle(), &window);
  const int x = item.Rect.left + window.left + 1;
  const int y = item.Rect.top + window.top + 1;
  PostMessageW(Form.Handle(), WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(x, y));
}

void TWinSkinMenu::EndTracking() {
  if (tracking.bar != this) return;
  RemoveHook();
  tracking.bar = nullptr;
  EndMenu();
}
