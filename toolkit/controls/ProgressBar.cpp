#include "toolkit/controls/ProgressBar.h"

#include <commctrl.h>

#include <algorithm>

namespace {

const TEnumInfo& OrientationInfo() {
  static const TEnumInfo info{"TProgressBarOrientation", {"pbHorizontal", "pbVertical"}};
  return info;
}

}  // namespace

const TClassInfo& TProgressBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TProgressBar>("TProgressBar", &TWinControl::StaticClass())
          .Integer("Min", &TProgressBar::Min, &TProgressBar::SetMin)
          .Integer("Max", &TProgressBar::Max, &TProgressBar::SetMax)
          .Integer("Position", &TProgressBar::Position, &TProgressBar::SetPosition)
          .Integer("Step", &TProgressBar::Step, &TProgressBar::SetStep)
          .Enum("Orientation", OrientationInfo(), &TProgressBar::Orientation,
                &TProgressBar::SetOrientation)
          .Bool("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth)
          .Build();
  return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = PROGRESS_CLASSW;
  if (orientation_ == pbVertical) params.Style |= PBS_VERTICAL;
  if (smooth_) params.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateHandleDone() {
  ApplyRange();
  SendMessageW(Handle(), PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
}

void TProgressBar::ApplyRange() {
  // While a layout is read Min may arrive before Max: the range is settled
  // in Loaded.
  if (ComponentState().Contains(csLoading)) return;
  position_ = std::clamp(position_, min_, ShownMax());
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), ShownMax());
  SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::Loaded() {
  TWinControl::Loaded();
  ApplyRange();
}

void TProgressBar::SetMin(int value) {
  min_ = value;
  ApplyRange();
}

void TProgressBar::SetMax(int value) {
  max_ = value;
  ApplyRange();
}

void TProgressBar::SetPosition(int value) {
  position_ = value;
  ApplyRange();
}

void TProgressBar::SetStep(int value) {
  step_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETSTEP, static_cast<WPARAM>(value), 0);
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  RecreateWnd();
}

void TProgressBar::SetSmooth(bool value) {
  if (value == smooth_) return;
  smooth_ = value;
  RecreateWnd();
}

void TProgressBar::StepIt() {
  const long long next = static_cast<long long>(position_) + step_;
  SetPosition(next > ShownMax() || next < min_ ? min_ : static_cast<int>(next));
}
