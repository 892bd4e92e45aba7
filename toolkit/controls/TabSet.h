// An older-style tab set: a row of tabs the control paints itself, not the
// system's tab control. When the tabs do not fit, a horizontal up-down at
// the right (its scroller) moves FirstIndex, the first tab shown.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/controls/WinControl.h"
#include "toolkit/core/Strings.h"

class TTabSet;

// The native up-down that scrolls a tab set; always the tab set's first
// owned component, so that code which only sees the tab set finds it.
class TTabSetScroller : public TWinControl {
  TAPVANE_CLASS(TTabSetScroller)
 public:
  explicit TTabSetScroller(TTabSet* tabSet);

  void SetRange(int max, int position);
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  TTabSet& tabSet_;
  int max_ = 0;
  int position_ = 0;
};

class TTabSet : public TCustomControl {
  TAPVANE_CLASS(TTabSet)
 public:
  // Room the scroller takes at the right edge while it shows, and the
  // width a tab gets beyond its text.
  static constexpr int kScrollerRoom = 21;
  static constexpr int kTabPadding = 9;

  explicit TTabSet(TComponent* owner);
  ~TTabSet() override;

  TStrings* Tabs() const { return tabs_.get(); }
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int value);
  int FirstIndex() const { return firstIndex_; }
  void SetFirstIndex(int value);
  int StartMargin() const { return startMargin_; }
  void SetStartMargin(int value);
  int EndMargin() const { return endMargin_; }
  void SetEndMargin(int value);

  TTabSetScroller* Scroller() const { return scroller_; }
  // How many tabs, from FirstIndex on, are shown whole.
  int VisibleTabs() const { return static_cast<int>(shown_.size()); }
  // Where a shown tab is drawn, in client coordinates; false for a tab
  // scrolled away or cut off at the right.
  bool TabRect(int index, RECT& rect) const;
  // The shown tab at a client point, -1 where there is none.
  int TabAtPos(POINT point) const;

  // A tab the user picks; setting TabIndex in code raises nothing.
  TNotifyEvent OnChange;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void CreateParams(TCreateParams& params) override;
  void Loaded() override;
  void CreateHandleDone() override;

 private:
  // Which tabs fit, whether the scroller shows, and where it sits.
  void Layout();
  std::vector<int> TabWidths() const;
  // The tabs from `first` that fit when `room` pixels are kept at the right.
  std::vector<RECT> FittingTabs(const std::vector<int>& widths, int first, int room) const;

  std::unique_ptr<TStringList> tabs_;
  TTabSetScroller* scroller_ = nullptr;  // owned as a component
  int tabIndex_ = -1;
  int firstIndex_ = 0;
  int startMargin_ = 5;
  int endMargin_ = 5;
  std::vector<RECT> shown_;  // rectangles of the tabs from firstIndex_ on
  bool laying_ = false;
};
