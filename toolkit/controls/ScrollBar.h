// A scroll bar control over the system's SCROLLBAR window. The system's
// bar only reports what the user asked for; the control moves Position.
#pragma once

#include <functional>

#include "toolkit/controls/WinControl.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
// In the order of the system's SB_ codes.
enum TScrollCode {
  scLineUp,
  scLineDown,
  scPageUp,
  scPageDown,
  scPosition,
  scTrack,
  scTop,
  scBottom,
  scEndScroll
};

// Told before Position moves; the handler may change where it goes.
using TScrollEvent = std::function<void(TObject*, TScrollCode, int& scrollPos)>;

// Min, Max and PageSize are kept as given. The window is never handed a
// range whose top lies below its bottom: a bar whose Max is not above Min
// shows one place, Min, and Position stays there.
class TScrollBar : public TWinControl {
  TAPVANE_CLASS(TScrollBar)
 public:
  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value) { smallChange_ = value; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int value) { largeChange_ = value; }
  // The last place Position can take: Max less a page, never below Min.
  int MaxPosition() const;

  TScrollEvent OnScroll;
  TNotifyEvent OnChange;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void Loaded() override;

 private:
  void ApplyParams();
  void Scroll(TScrollCode code);
  int TrackPosition();

  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int pageSize_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
};
