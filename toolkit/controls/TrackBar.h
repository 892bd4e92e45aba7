// A track bar over the system's msctls_trackbar32 window.
#pragma once

#include "toolkit/controls/WinControl.h"

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };

// Min and Max are kept as given; the window is never handed a range whose
// top lies below its bottom. OnChange runs once for every change of
// Position, whether the user moved the thumb or code set it.
class TTrackBar : public TWinControl {
  TAPVANE_CLASS(TTrackBar)
 public:
  explicit TTrackBar(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle value);
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark value);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  int LineSize() const { return lineSize_; }
  void SetLineSize(int value);

  TNotifyEvent OnChange;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void Loaded() override;

 private:
  int ShownMax() const { return max_ > min_ ? max_ : min_; }
  void ApplyRange();
  void PositionChanged(int value);

  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  TTrackBarOrientation orientation_ = trHorizontal;
  int frequency_ = 1;
  TTickStyle tickStyle_ = tsAuto;
  TTickMark tickMarks_ = tmBottomRight;
  int pageSize_ = 2;
  int lineSize_ = 1;
};
