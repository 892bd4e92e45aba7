// Menu items: the tree of children, their published settings, and the
// native entries that show them.
#include <algorithm>
#include <bitset>
#include <vector>

#include "toolkit/controls/Controls.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/WideText.h"

namespace {

// Ids from 0xF000 up are the system menu's commands.
constexpr UINT LastCommand = 0xEFFF;

// Constant-initialised and trivially destroyed: items of a form the
// application frees at exit give their ids back after every function-local
// static is gone, so the set must never be destroyed before them.
constinit std::bitset<LastCommand + 1> commandsInUse;

std::bitset<LastCommand + 1>& CommandsInUse() { return commandsInUse; }

UINT AllocateCommand() {
  std::bitset<LastCommand + 1>& used = CommandsInUse();
  for (UINT id = 1; id <= LastCommand; ++id) {
    if (!used[id]) {
      used[id] = true;
      return id;
    }
  }
  throw EOutOfResources("No menu command id left");
}

void ReleaseCommand(UINT id) {
  if (id >= 1 && id <= LastCommand) CommandsInUse()[id] = false;
}

}  // namespace

const TClassInfo& TMenuItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMenuItem>("TMenuItem", &TComponent::StaticClass())
          .Str("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
          .Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
          .Default(0)
          .Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
          .Default(0)
          .Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
          .Default(1)
          .Integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
          .Default(-1)
          .Integer("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
          .Default(0)
          .Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
          .Default(1)
          .Event("OnClick", &TMenuItem::OnClick)
          .Event("OnMeasureItem", &TMenuItem::OnMeasureItem)
          .Event("OnDrawItem", &TMenuItem::OnDrawItem)
          .Event("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem)
          .Build();
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateCommand()) {}

TMenuItem::~TMenuItem() {
  Destroying();
  if (parent_) parent_->Remove(this);
  Clear();
  handle_.Reset();
  ReleaseCommand(command_);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EListError(Format("Menu index out of bounds (%d)", index));
  return items_[static_cast<size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  if (item->parent_) throw EComponentError("Menu item is already in a menu");
  for (const TMenuItem* up = this; up; up = up->parent_)
    if (up == item) throw EComponentError("A menu item cannot hold itself");
  if (index < 0 || index > Count())
    throw EListError(Format("Menu index out of bounds (%d)", index));
  const bool hadChildren = !items_.empty();
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  RebuildHandle();
  // Its entry in the parent now leads to a submenu.
  if (!hadChildren && parent_) parent_->RebuildHandle();
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  const auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  RebuildHandle();
  if (items_.empty() && !menu_ && handle_) {
    // The parent's entry lets go of the submenu before it is destroyed.
    TMenuHandle emptied(handle_.Release());
    if (parent_) parent_->RebuildHandle();
  }
  Changed();
}

void TMenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

bool TMenuItem::IsTopLevel() const { return parent_ && parent_->menu_; }

bool TMenuItem::IsBarItem() const {
  return IsTopLevel() && dynamic_cast<const TMainMenu*>(parent_->menu_) != nullptr;
}

TImageList* TMenuItem::Images() const {
  const TMenu* menu = GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

bool TMenuItem::OwnerDrawn() const {
  const TMenu* menu = GetParentMenu();
  return menu && menu->OwnerDraw();
}

void TMenuItem::SetCaption(const String& value) {
  if (value == caption_) return;
  caption_ = value;
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  // One default item per menu, as the system shows only one in bold.
  if (value && parent_)
    for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
  default_ = value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (value == shortCut_) return;
  shortCut_ = value;
  Changed();
}

void TMenuItem::SetImageIndex(int value) {
  if (value < -1) value = -1;
  if (value == imageIndex_) return;
  imageIndex_ = value;
  Changed();
}

void TMenuItem::Changed() {
  if (ComponentState().Contains(csDestroying)) return;
  if (parent_) parent_->RebuildHandle();
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

HMENU TMenuItem::Handle() {
  if (!handle_ && (menu_ || !items_.empty())) {
    handle_.Reset(menu_ ? menu_->CreateMenuHandle() : CreatePopupMenu());
    if (!handle_) throw EOutOfResources("Cannot create a menu");
    RebuildHandle();
  }
  return handle_.Get();
}

// The entries are laid down again from the children: hidden ones have none.
// RemoveMenu leaves the children's own submenus alive.
void TMenuItem::RebuildHandle() {
  if (!handle_) return;
  const HMENU menu = handle_.Get();
  while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
  for (TMenuItem* child : items_)
    if (child->visible_) child->AppendEntry(menu);
}

void TMenuItem::AppendEntry(HMENU menu) {
  std::wstring text = ToWide(caption_);
  // A menu bar has no room for shortcut texts.
  const String keys = IsBarItem() ? String() : ShortCutToText(shortCut_);
  if (!keys.empty()) text += L'\t' + ToWide(keys);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
  info.fType = IsLine() ? MFT_SEPARATOR : MFT_STRING;
  if (OwnerDrawn()) info.fType |= MFT_OWNERDRAW;
  if (!IsLine()) {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
  }
  if (checked_) info.fState |= MFS_CHECKED;
  if (!enabled_) info.fState |= MFS_GRAYED;
  if (default_) info.fState |= MFS_DEFAULT;
  info.wID = command_;
  info.hSubMenu = items_.empty() ? nullptr : Handle();
  InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  if (OnMeasureItem)
    OnMeasureItem(this, &canvas, width, height);
  else
    DefaultMeasure(canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas& canvas, RECT rect, TOwnerDrawState state) {
  if (OnAdvancedDrawItem)
    OnAdvancedDrawItem(this, &canvas, rect, state);
  else if (OnDrawItem)
    OnDrawItem(this, &canvas, rect, state.Contains(odSelected));
  else
    DefaultDraw(canvas, rect, state);
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TMenuItem* child : items_)
    if (child->Owner() == root) proc(child);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (parent_) parent_->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(parent))
    menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent))
    item->Add(this);
}
