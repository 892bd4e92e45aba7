// A progress bar over the system's msctls_progress32 window.
#pragma once

#include "toolkit/controls/WinControl.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };

// Min and Max are kept as given; the window is never handed a range whose
// top lies below its bottom, and Position stays inside the range it shows.
class TProgressBar : public TWinControl {
  TAPVANE_CLASS(TProgressBar)
 public:
  explicit TProgressBar(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  int Step() const { return step_; }
  void SetStep(int value);
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation value);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool value);

  // Position moves by Step; past Max it starts again from Min, as the
  // system's bar does.
  void StepIt();
  void StepBy(int delta) { SetPosition(position_ + delta); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void Loaded() override;

 private:
  int ShownMax() const { return max_ > min_ ? max_ : min_; }
  void ApplyRange();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int step_ = 10;
  TProgressBarOrientation orientation_ = pbHorizontal;
  bool smooth_ = false;
};
