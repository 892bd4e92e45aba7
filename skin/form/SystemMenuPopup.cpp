// The skinned system menu: an owner-drawn copy of the window's own system
// menu, with the skin's menu glyphs, popped up where the caption was
// clicked. Its items post the system command they copy.
#include <cwctype>
#include <memory>
#include <string>

#include "skin/data/WinSkinData.h"
#include "skin/form/MenuSkinHandlers.h"
#include "skin/form/MenuText.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/WideText.h"
#include "toolkit/core/ScopeExit.h"

namespace {

// Pictures of the skin's menu glyph list.
constexpr int kRestoreGlyph = 0;
constexpr int kMaximiseGlyph = 1;
constexpr int kMinimiseGlyph = 2;
constexpr int kCloseGlyph = 3;

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

bool AllDigits(const std::wstring& text) {
  if (text.empty()) return false;
  for (const wchar_t c : text)
    if (c < L'0' || c > L'9') return false;
  return true;
}

// "Alt+F4", "Ctrl+Shift+W": the key text the system puts after a tab; 0
// when it is something else.
TShortCut ParseKeyText(const String& keys) {
  std::wstring rest = Lower(ToWide(keys));
  TShiftState shift;
  for (const auto& [name, member] :
       {std::pair{L"ctrl+", ssCtrl}, std::pair{L"shift+", ssShift}, std::pair{L"alt+", ssAlt}}) {
    const std::wstring prefix(name);
    if (rest.starts_with(prefix)) {
      shift.Include(member);
      rest.erase(0, prefix.size());
    }
  }
  if (rest.size() == 1 && std::iswalnum(rest[0]))
    return ShortCut(static_cast<uint16_t>(std::towupper(rest[0])), shift);
  if (rest.size() >= 2 && rest.size() <= 3 && rest[0] == L'f' && AllDigits(rest.substr(1))) {
    const int number = std::stoi(rest.substr(1));
    if (number >= 1 && number <= 24)
      return ShortCut(static_cast<uint16_t>(VK_F1 + number - 1), shift);
  }
  return 0;
}

// The entry's text as caption and shortcut; a key text we cannot read
// stays in the caption after its tab.
void SetCaptionAndKeys(TMenuItem& item, const String& text) {
  String caption, keys;
  SplitMenuText(text, caption, keys);
  const TShortCut shortCut = keys.empty() ? 0 : ParseKeyText(keys);
  item.SetCaption(shortCut ? caption : text);
  item.SetShortCut(shortCut);
}

}  // namespace

void TWinSkinForm::ShowSystemMenu(int x, int y) {
  if (ManagerId != 0) return;
  // The menu is being shown already: its items must not change under it.
  if (systemMenuShowing_) return;
  const DWORD now = GetTickCount();
  if (now - LastSysMenuTick <= DoubleClickTime) {
    if (caption_.HotObject()) caption_.EnableHover(false);
    return;
  }
  if (session_) session_->MenuOpening(mkSystemMenu);
  LastSysMenuTick = now;
  RebuildSystemMenuPopup();
  const TRestoreOnExit<bool> showing(systemMenuShowing_, true);
  systemMenuPopup_->Popup(x, y);
}

void TWinSkinForm::RebuildSystemMenuPopup() {
  if (!systemMenuPopup_) {
    systemMenuPopup_ = std::make_unique<TPopupMenu>(nullptr);
    systemMenuPopup_->SetTag(kSystemMenuTag);
  }
  TPopupMenu& popup = *systemMenuPopup_;
  popup.Items()->Clear();
  popup.SetOwnerDraw(true);
  popup.SetImages(SkinData ? SkinData->MenuGlyphs() : nullptr);
  const HMENU source = GetSystemMenu(Handle, FALSE);
  const int count = source ? GetMenuItemCount(source) : 0;
  const HWND window = Handle;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE;
    if (!GetMenuItemInfoW(source, static_cast<UINT>(i), TRUE, &info)) continue;
    auto item = std::make_unique<TMenuItem>(nullptr);
    const String text = NativeMenuText(source, static_cast<UINT>(i), true);
    SetCaptionAndKeys(*item, text.empty() ? String("-") : text);
    item->SetTag(static_cast<int>(info.wID));
    bool enabled = true;
    int image = -1;
    switch (info.wID & 0xFFF0) {
      case SC_SIZE:
        // A window of fixed size cannot be sized, whatever its menu says.
        enabled = Placement != plMaximised && ThickFrame;
        break;
      case SC_MOVE:
        enabled = Placement != plMaximised;
        break;
      case SC_MINIMIZE:
        image = kMinimiseGlyph;
        enabled = Placement != plMinimised && (SysFlags & sfMinimizeBox);
        break;
      case SC_MAXIMIZE:
        image = kMaximiseGlyph;
        enabled = Placement != plMaximised && (SysFlags & sfMaximizeBox);
        break;
      case SC_CLOSE:
        image = kCloseGlyph;
        break;
      case SC_RESTORE:
        image = kRestoreGlyph;
        enabled = Placement != plNormal;
        break;
      default:
        break;
    }
    // Grayed or disabled alone is enough: the window refuses that command.
    if (info.fState & MFS_GRAYED) enabled = false;
    item->SetEnabled(enabled);
    item->SetChecked((info.fState & MFS_CHECKED) != 0);
    item->SetImageIndex(image);
    item->OnClick = [window](TObject* sender) {
      const auto* clicked = static_cast<TMenuItem*>(sender);
      PostMessageW(window, WM_SYSCOMMAND, static_cast<WPARAM>(clicked->Tag()), 0);
    };
    popup.Items()->Add(item.release());
  }
  if (SkinData) InstallSkinMenuHandlers(popup, *SkinData, session_);
}
