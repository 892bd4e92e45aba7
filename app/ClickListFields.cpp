#include "app/ClickListFields.h"

#include <windows.h>

#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/ListControls.h"

namespace app {

namespace {

constexpr std::array kActionsInOrder{TClickAction::LeftClick, TClickAction::LeftDoubleClick,
                                     TClickAction::RightClick, TClickAction::MoveMouse};

}  // namespace

TClickAction CheckedAction(const TClickListFields& fields) {
  for (std::size_t i = 0; i < kActionsInOrder.size(); ++i)
    if (fields.actions[i]->Checked()) return kActionsInOrder[i];
  return TClickAction::MoveMouse;
}

void CheckAction(const TClickListFields& fields, TClickAction action) {
  for (std::size_t i = 0; i < kActionsInOrder.size(); ++i)
    if (kActionsInOrder[i] == action) fields.actions[i]->SetChecked(true);
}

bool ActionOfKeyword(const std::string& keyword, TClickAction& action) {
  for (const TClickAction candidate : kActionsInOrder) {
    if (keyword == ClickActionKeyword(candidate)) {
      action = candidate;
      return true;
    }
  }
  return false;
}

std::vector<std::string> ListItems(const TListBox& list) {
  std::vector<std::string> items;
  const int count = list.Items()->Count();
  items.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) items.push_back(list.Items()->Get(i));
  return items;
}

TClickListState CurrentState(const TClickListFields& fields) {
  TClickListState state;
  state.items = ListItems(*fields.list);
  state.period = fields.period->Text();
  state.action = ClickActionKeyword(CheckedAction(fields));
  return state;
}

void AddItems(TListBox& list, const std::vector<std::string>& items) {
  const bool quiet = list.HandleAllocated();
  if (quiet) SendMessageW(list.Handle(), WM_SETREDRAW, FALSE, 0);
  for (const std::string& item : items) list.Items()->Add(item);
  if (quiet) {
    SendMessageW(list.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list.Handle(), nullptr, TRUE);
  }
}

}  // namespace app
