#include "toolkit/controls/ListControls.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>

#include "toolkit/controls/PropertyTypes.h"

const TClassInfo& TListBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TListBox>("TListBox", &TWinControl::StaticClass())
          .Enum("BorderStyle", BorderStyleInfo(), &TListBox::BorderStyle, &TListBox::SetBorderStyle)
          .Integer("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight)
          .Object("Items", &TListBox::Items)
          .Integer("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex)
          .Build();
  return info;
}

const TClassInfo& TComboBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComboBox>("TComboBox", &TWinControl::StaticClass())
          .Enum("Style", ComboStyleInfo(), &TComboBox::Style, &TComboBox::SetStyle)
          .Integer("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount)
          .Str("Text", &TControl::Text, &TControl::SetText)
          .Object("Items", &TComboBox::Items)
          .Integer("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex)
          .Event("OnChange", &TComboBox::OnChange)
          .Build();
  return info;
}

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TNativeStrings>(*this, ListBoxMessages)) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

// The window goes while the items object still exists.
TListBox::~TListBox() { DestroyHandle(); }

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = L"LISTBOX";
  params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateHandleDone() {
  SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, MAKELPARAM(itemHeight_, 0));
  items_->MoveToWindow();
  SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TListBox::DestroyWnd() {
  if (HandleAllocated()) {
    itemIndex_ = ItemIndex();
    items_->MoveFromWindow();
  }
  TWinControl::DestroyWnd();
}

int TListBox::ItemIndex() const {
  if (!HandleAllocated()) return itemIndex_;
  return static_cast<int>(SendMessageW(const_cast<TListBox*>(this)->Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int value) {
  itemIndex_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

int TListBox::ItemHeight() const {
  if (!HandleAllocated()) return itemHeight_;
  return static_cast<int>(
      SendMessageW(const_cast<TListBox*>(this)->Handle(), LB_GETITEMHEIGHT, 0, 0));
}

void TListBox::SetItemHeight(int value) {
  if (value <= 0 || value > 255) return;
  itemHeight_ = value;
  if (HandleAllocated()) {
    SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, MAKELPARAM(value, 0));
    Invalidate();
  }
}

void TListBox::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TListBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    switch (HIWORD(message.WParam)) {
      case LBN_SELCHANGE:
        Click();
        return;
      case LBN_DBLCLK:
        if (OnDblClick) OnDblClick(this);
        return;
      default:
        break;
    }
  }
  TWinControl::WndProc(message);
}

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TNativeStrings>(*this, ComboBoxMessages)) {
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TComboBox::~TComboBox() { DestroyHandle(); }

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = L"COMBOBOX";
  params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (style_) {
    case csDropDown:
      params.Style |= CBS_DROPDOWN;
      break;
    case csSimple:
      params.Style |= CBS_SIMPLE;
      break;
    case csDropDownList:
      params.Style |= CBS_DROPDOWNLIST;
      break;
  }
  // The window's height includes the dropped-down list.
  if (style_ != csSimple) params.Height += dropDownCount_ * 16;
}

void TComboBox::CreateHandleDone() {
  items_->MoveToWindow();
  SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  ApplyDropDownCount();
}

void TComboBox::SetDropDownCount(int value) {
  dropDownCount_ = value;
  if (HandleAllocated()) ApplyDropDownCount();
}

// The visual-styles combo box sizes its list by a count of items (thirty
// unless told) and not by the window's height; the older one ignores this.
void TComboBox::ApplyDropDownCount() {
  SendMessageW(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(std::max(dropDownCount_, 1)), 0);
}

void TComboBox::DestroyWnd() {
  if (HandleAllocated()) {
    itemIndex_ = ItemIndex();
    items_->MoveFromWindow();
  }
  TWinControl::DestroyWnd();
}

int TComboBox::ItemIndex() const {
  if (!HandleAllocated()) return itemIndex_;
  return static_cast<int>(SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int value) {
  itemIndex_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  if (value == style_) return;
  style_ = value;
  RecreateWnd();
}

void TComboBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    switch (HIWORD(message.WParam)) {
      case CBN_SELCHANGE:
      case CBN_EDITCHANGE:
        if (OnChange) OnChange(this);
        if (HIWORD(message.WParam) == CBN_SELCHANGE) Click();
        return;
      default:
        break;
    }
  }
  TWinControl::WndProc(message);
}
