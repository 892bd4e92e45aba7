// The skinned system menu: an owner-drawn copy of the window's own system
// menu, with the skin's menu glyphs, popped up where the caption was
// clicked. Its items post the system command they copy.
#include <cwctype>
#include <memory>
#include <string>

#include "skin/data/WinSkinData.h"
#include "skin/form/MenuBarHost.h"
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

// What the window allows of a system command entry now, and its glyph.
struct TEntryLook {
  bool enabled = true;
  int image = -1;
};

TEntryLook EntryLook(UINT id, const TWinSkinForm& form) {
  const TPlacement placement = form.Window().Placement;
  const int flags = form.Window().SysFlags;
  switch (id & 0xFFF0) {
    case SC_SIZE:
      // A window of fixed size cannot be sized, whatever its menu says.
      return {placement != plMaximised && form.Window().ThickFrame, -1};
    case SC_MOVE:
      return {placement != plMaximised, -1};
    case SC_MINIMIZE:
      return {placement != plMinimised && (flags & sfMinimizeBox) != 0, kMinimiseGlyph};
    case SC_MAXIMIZE:
      return {placement != plMaximised && (flags & sfMaximizeBox) != 0, kMaximiseGlyph};
    case SC_CLOSE:
      return {true, kCloseGlyph};
    case SC_RESTORE:
      return {placement != plNormal, kRestoreGlyph};
    default:
      return {};
  }
}

// The copy of entry i of the system menu source; null when it cannot be read.
std::unique_ptr<TMenuItem> CopyEntry(HMENU source, int i, const TWinSkinForm& form) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STATE;
  if (!GetMenuItemInfoW(source, static_cast<UINT>(i), TRUE, &info)) return nullptr;
  auto item = std::make_unique<TMenuItem>(nullptr);
  const String text = NativeMenuText(source, static_cast<UINT>(i), true);
  SetCaptionAndKeys(*item, text.empty() ? String("-") : text);
  item->SetTag(static_cast<int>(info.wID));
  const TEntryLook look = EntryLook(info.wID, form);
  // Grayed or disabled alone is enough: the window refuses that command.
  item->SetEnabled(look.enabled && !(info.fState & MFS_GRAYED));
  item->SetChecked((info.fState & MFS_CHECKED) != 0);
  item->SetImageIndex(look.image);
  const HWND window = form.Handle();
  item->OnClick = [window](TObject* sender) {
    const auto* clicked = static_cast<TMenuItem*>(sender);
    PostMessageW(window, WM_SYSCOMMAND, static_cast<WPARAM>(clicked->Tag()), 0);
  };
  return item;
}

}  // namespace

void TMenuBarHost::ShowSystemMenu(int x, int y) {
  if (form_.ManagerId() != 0) return;
  // The menu is being shown already: its items must not change under it.
  if (systemMenuShowing_) return;
  const DWORD now = GetTickCount();
  if (now - lastSystemMenuTick_ <= doubleClickTime_) {
    if (form_.Caption().HotObject()) form_.Caption().EnableHover(false);
    return;
  }
  if (TSkinSession* session = form_.Session()) session->MenuOpening(mkSystemMenu);
  lastSystemMenuTick_ = now;
  RebuildSystemMenuPopup();
  const TRestoreOnExit<bool> showing(systemMenuShowing_, true);
  systemMenuPopup_->Popup(x, y);
}

void TMenuBarHost::RebuildSystemMenuPopup() {
  if (!systemMenuPopup_) {
    systemMenuPopup_ = std::make_unique<TPopupMenu>(nullptr);
    systemMenuPopup_->SetTag(kSystemMenuTag);
  }
  TPopupMenu& popup = *systemMenuPopup_;
  popup.Items()->Clear();
  popup.SetOwnerDraw(true);
  TSkinData* skinData = form_.SkinData();
  popup.SetImages(skinData ? skinData->MenuGlyphs() : nullptr);
  const HMENU source = GetSystemMenu(form_.Handle(), FALSE);
  const int count = source ? GetMenuItemCount(source) : 0;
  for (int i = 0; i < count; ++i) {
    if (auto item = CopyEntry(source, i, form_)) popup.Items()->Add(item.release());
  }
  if (skinData) InstallSkinMenuHandlers(popup, *skinData, form_.Session());
}

void TMenuBarHost::ReleaseSystemMenuPopup() {
  if (!systemMenuShowing_) systemMenuPopup_.reset();
}
