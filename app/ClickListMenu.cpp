#include "app/ClickListMenu.h"

#include <algorithm>

#include "app/AppConstants.h"
#include "app/ClickListTransfer.h"
#include "app/SplitText.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/Timer.h"

namespace app {

TClickListMenu::TClickListMenu(TPopupMenu& menu, const TClickListFields& fields, TAskUser ask)
    : menu_(menu), fields_(fields), ask_(std::move(ask)) {
  Bind("ListMenuEdit", [this] { EditSelected(); });
  Bind("ListMenuUp", [this] { MoveSelected(-1); });
  Bind("ListMenuDown", [this] { MoveSelected(1); });
  Bind("ListMenuCopy", [this] { DuplicateSelected(); });
  Bind("ListMenuDelete", [this] { DeleteSelected(); });
  Bind("ListMenuClear", [this] { ClearList(); });
  Bind("ListMenuImport", [this] { ImportClickList(fields_, ask_); });
  Bind("ListMenuExport", [this] { ExportClickList(fields_, ask_); });
  menu_.OnPopup = [this](TObject*) { UpdateItems(); };
  TNotifyEvent previous = fields_.list->OnDblClick;
  fields_.list->OnDblClick = [this, previous](TObject* sender) {
    if (previous) previous(sender);
    LoadSelectedIntoFields();
  };
  listHook_ = std::make_unique<TWindowProcHook>(
      *fields_.list,
      [this](TMessage& message, const TWndMethod& previous) { ListMessage(message, previous); });
}

TClickListMenu::~TClickListMenu() = default;

TMenuItem& TClickListMenu::Item(const char* name) const {
  auto* item = dynamic_cast<TMenuItem*>(menu_.Owner()->FindComponent(name));
  if (!item) throw Exception(String("The list's menu has no ") + name);
  return *item;
}

void TClickListMenu::Bind(const char* name, std::function<void()> command) {
  Item(name).OnClick = [command = std::move(command)](TObject*) { command(); };
}

void TClickListMenu::UpdateItems() {
  const int count = fields_.list->Items()->Count();
  const int selected = fields_.list->ItemIndex();
  const bool any = selected >= 0 && selected < count;
  Item("ListMenuEdit").SetEnabled(any);
  Item("ListMenuUp").SetEnabled(any && selected > 0);
  Item("ListMenuDown").SetEnabled(any && selected < count - 1);
  Item("ListMenuCopy").SetEnabled(any);
  Item("ListMenuDelete").SetEnabled(any);
  Item("ListMenuClear").SetEnabled(count > 0);
  Item("ListMenuExport").SetEnabled(count > 0);
}

void TClickListMenu::ListMessage(TMessage& message, const TWndMethod& previous) {
  if (message.Msg == WM_CONTEXTMENU) {
    OpenAt(message.LParam);
    message.Result = 0;
    return;
  }
  if (message.Msg == WM_KEYDOWN && KeyDown(message.WParam)) {
    message.Result = 0;
    return;
  }
  previous(message);
}

bool TClickListMenu::KeyDown(WPARAM key) {
  const bool control = GetKeyState(VK_CONTROL) < 0;
  if (key == VK_DELETE && !control) {
    DeleteSelected();
    return true;
  }
  if ((key == VK_UP || key == VK_DOWN) && control) {
    MoveSelected(key == VK_UP ? -1 : 1);
    return true;
  }
  return false;
}

// A right click picks the item under the pointer first, as lists elsewhere
// do; from the keyboard (lParam -1) the menu opens at the selected item.
void TClickListMenu::OpenAt(LPARAM screenPoint) {
  const HWND list = fields_.list->Handle();
  POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  if (screenPoint == -1) {
    RECT item{};
    if (SendMessageW(list, LB_GETITEMRECT,
                     static_cast<WPARAM>(std::max(0, fields_.list->ItemIndex())),
                     reinterpret_cast<LPARAM>(&item)) == LB_ERR)
      item = RECT{};
    at = {item.left, item.bottom};
    ClientToScreen(list, &at);
  } else {
    POINT client = at;
    ScreenToClient(list, &client);
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    if (HIWORD(hit) == 0) fields_.list->SetItemIndex(LOWORD(hit));
  }
  menu_.Popup(at.x, at.y);
}

void TClickListMenu::EditSelected() {
  const int selected = fields_.list->ItemIndex();
  if (selected < 0) return;
  const String x = fields_.x->Text(), y = fields_.y->Text();
  const std::string item = BuildClickItem(x, y, CheckedAction(fields_));
  if (!IsCoordinateText(x) || !IsCoordinateText(y) || !IsClickListItem(item)) {
    ask_(String(kBadCoordinateText), MB_OK | MB_ICONINFORMATION);
    return;
  }
  // As after "添加": the fields follow the cursor again.
  fields_.capture->SetEnabled(true);
  TStrings& items = *fields_.list->Items();
  items.Delete(selected);
  items.Insert(selected, item);
  fields_.list->SetItemIndex(selected);
}

void TClickListMenu::MoveSelected(int by) {
  TStrings& items = *fields_.list->Items();
  const int selected = fields_.list->ItemIndex();
  const int target = selected + by;
  if (selected < 0 || target < 0 || target >= items.Count()) return;
  const String item = items.Get(selected);
  items.Delete(selected);
  items.Insert(target, item);
  fields_.list->SetItemIndex(target);
}

void TClickListMenu::DuplicateSelected() {
  TStrings& items = *fields_.list->Items();
  const int selected = fields_.list->ItemIndex();
  if (selected < 0) return;
  items.Insert(selected + 1, items.Get(selected));
  fields_.list->SetItemIndex(selected + 1);
}

// The item that takes the deleted one's place is selected, so Delete can
// be pressed again.
void TClickListMenu::DeleteSelected() {
  TStrings& items = *fields_.list->Items();
  const int selected = fields_.list->ItemIndex();
  if (selected < 0) return;
  items.Delete(selected);
  if (items.Count() > 0) fields_.list->SetItemIndex(std::min(selected, items.Count() - 1));
}

void TClickListMenu::ClearList() { fields_.list->Items()->Clear(); }

// The fields are frozen (as by Ctrl+S) so the capture does not overwrite them.
void TClickListMenu::LoadSelectedIntoFields() {
  const int selected = fields_.list->ItemIndex();
  if (selected < 0) return;
  const std::vector<std::string> parts = SplitText(fields_.list->Items()->Get(selected), "|");
  if (parts.size() < 2) return;
  fields_.capture->SetEnabled(false);
  fields_.x->SetText(parts[0]);
  fields_.y->SetText(parts[1]);
  TClickAction action = TClickAction::LeftClick;
  if (parts.size() > 2 && ActionOfKeyword(parts[2], action)) CheckAction(fields_, action);
}

}  // namespace app
