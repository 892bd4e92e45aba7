// List boxes and combo boxes; their Items live in the native window.
#pragma once

#include <memory>

#include "toolkit/controls/NativeStrings.h"
#include "toolkit/controls/WinControl.h"

class TListBox : public TWinControl {
  TAPVANE_CLASS(TListBox)
 public:
  explicit TListBox(TComponent* owner);
  ~TListBox() override;

  TStrings* Items() const { return items_.get(); }
  int ItemIndex() const;
  void SetItemIndex(int value);
  int ItemHeight() const;
  void SetItemHeight(int value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  void Clear() { items_->Clear(); }
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void DestroyWnd() override;

 private:
  std::unique_ptr<TNativeStrings> items_;
  int itemIndex_ = -1;
  int itemHeight_ = 13;
  TBorderStyle borderStyle_ = bsSingle;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
  TAPVANE_CLASS(TComboBox)
 public:
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;

  TStrings* Items() const { return items_.get(); }
  int ItemIndex() const;
  void SetItemIndex(int value);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value);

  TNotifyEvent OnChange;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void DestroyWnd() override;

 private:
  void ApplyDropDownCount();

  std::unique_ptr<TNativeStrings> items_;
  int itemIndex_ = -1;
  TComboBoxStyle style_ = csDropDown;
  int dropDownCount_ = 8;
};
