// Editing the click list in place: the list box's popup menu (修改, 上移, 下移,
// 复制, 删除, 清空, 导入…, 导出…), Delete and Ctrl+Up/Down on the list, and a
// double click that loads an item into the fields.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/ClickListFields.h"
#include "app/WindowProcHook.h"
#include "toolkit/core/SysUtils.h"

class TPopupMenu;
class TMenuItem;

namespace app {

// A message box of the application: text, MB_* flags -> the button pressed.
using TAskUser = std::function<int(const String& text, UINT flags)>;

class TClickListMenu {
 public:
  TClickListMenu(TPopupMenu& menu, const TClickListFields& fields, TAskUser ask);
  ~TClickListMenu();
  TClickListMenu(const TClickListMenu&) = delete;
  TClickListMenu& operator=(const TClickListMenu&) = delete;

  // The commands, each on the selected item where it needs one.
  void EditSelected();
  void MoveSelected(int by);
  void DuplicateSelected();
  void DeleteSelected();
  void ClearList();
  void LoadSelectedIntoFields();
  // Enables the items that apply to the list and selection now.
  void UpdateItems();

 private:
  void ListMessage(TMessage& message, const TWndMethod& previous);
  bool KeyDown(WPARAM key);
  void OpenAt(LPARAM screenPoint);
  TMenuItem& Item(const char* name) const;
  void Bind(const char* name, std::function<void()> command);

  TPopupMenu& menu_;
  TClickListFields fields_;
  TAskUser ask_;
  std::unique_ptr<TWindowProcHook> listHook_;
};

}  // namespace app
