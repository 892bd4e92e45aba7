// The controls of the main window that hold the click list and its settings,
// read and written as one state.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/ClickItem.h"
#include "app/ClickListFile.h"

class TListBox;
class TEdit;
class TRadioButton;
class TTimer;

namespace app {

struct TClickListFields {
  TListBox* list = nullptr;
  TEdit* x = nullptr;
  TEdit* y = nullptr;
  TEdit* period = nullptr;
  // In the order of TClickAction: left click, double click, right click, move.
  std::array<TRadioButton*, 4> actions{};
  TTimer* capture = nullptr;
};

// The first checked action in the order "添加" tests them.
TClickAction CheckedAction(const TClickListFields& fields);
void CheckAction(const TClickListFields& fields, TClickAction action);
bool ActionOfKeyword(const std::string& keyword, TClickAction& action);

std::vector<std::string> ListItems(const TListBox& list);
TClickListState CurrentState(const TClickListFields& fields);
// Adds the items in one go, the list box not repainting in between.
void AddItems(TListBox& list, const std::vector<std::string>& items);

}  // namespace app
