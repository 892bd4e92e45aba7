// A single-line edit over the system's EDIT window.
#pragma once

#include "toolkit/controls/WinControl.h"

class TEdit : public TWinControl {
  TAPVANE_CLASS(TEdit)
 public:
  explicit TEdit(TComponent* owner);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  void SelectAll();

  TNotifyEvent OnChange;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  bool readOnly_ = false;
  TBorderStyle borderStyle_ = bsSingle;
  int maxLength_ = 0;
};
