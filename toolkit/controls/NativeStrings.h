// A string list kept by a native list window (list box, combo box). While
// the window does not exist the lines wait in memory and move into the
// window when it is made, and back when it goes.
#pragma once

#include <windows.h>

#include "toolkit/core/Strings.h"

class TWinControl;

// The message numbers of one kind of native list.
struct TNativeListMessages {
  UINT AddString, InsertString, DeleteString, ResetContent, GetCount, GetText, GetTextLen,
      SetItemData, GetItemData;
};

extern const TNativeListMessages ListBoxMessages;
extern const TNativeListMessages ComboBoxMessages;

class TNativeStrings : public TStrings {
 public:
  TNativeStrings(TWinControl& control, const TNativeListMessages& messages)
      : control_(control), messages_(messages) {}

  String Get(int index) const override;
  int GetCount() const override;
  TObject* GetObjectAt(int index) const override;
  void PutObjectAt(int index, TObject* object) override;
  void Insert(int index, const String& s) override;
  void Delete(int index) override;
  void Clear() override;

  // The window was just made: the waiting lines go into it.
  void MoveToWindow();
  // The window is about to go: its lines are kept here.
  void MoveFromWindow();

 private:
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  bool InWindow() const;

  TWinControl& control_;
  const TNativeListMessages& messages_;
  TStringList waiting_;
};
