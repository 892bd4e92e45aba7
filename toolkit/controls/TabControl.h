// A tab strip over the system's tab control, without pages: Tabs are its
// captions, TabIndex the selected one.
#pragma once

#include <memory>

#include "toolkit/controls/WinControl.h"
#include "toolkit/core/Strings.h"

class TTabControl;

// The captions live in the native window once it exists, and wait here
// while it does not.
class TTabStrings : public TStrings {
 public:
  explicit TTabStrings(TTabControl& control) : control_(control) {}

  String Get(int index) const override;
  int GetCount() const override;
  void Put(int index, const String& s) override;
  void Insert(int index, const String& s) override;
  void Delete(int index) override;
  void Clear() override;

  void MoveToWindow();
  void MoveFromWindow();

 private:
  bool InWindow() const;
  HWND Window() const;

  TTabControl& control_;
  TStringList waiting_;
};

class TTabControl : public TWinControl {
  TAPVANE_CLASS(TTabControl)
 public:
  explicit TTabControl(TComponent* owner);
  ~TTabControl() override;

  TStrings* Tabs() const { return tabs_.get(); }
  int TabIndex() const;
  void SetTabIndex(int value);

  TNotifyEvent OnChange;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void DestroyWnd() override;
  void Loaded() override;

 private:
  std::unique_ptr<TTabStrings> tabs_;
  int tabIndex_ = -1;
};
