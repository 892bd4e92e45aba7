#include "toolkit/controls/TrackBar.h"

#include <commctrl.h>

#include <algorithm>

namespace {

const TEnumInfo& OrientationInfo() {
  static const TEnumInfo info{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};
  return info;
}

const TEnumInfo& TickStyleInfo() {
  static const TEnumInfo info{"TTickStyle", {"tsNone", "tsAuto", "tsManual"}};
  return info;
}

const TEnumInfo& TickMarkInfo() {
  static const TEnumInfo info{"TTickMark", {"tmBottomRight", "tmTopLeft", "tmBoth"}};
  return info;
}

}  // namespace

const TClassInfo& TTrackBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTrackBar>("TTrackBar", &TWinControl::StaticClass())
          .Integer("Min", &TTrackBar::Min, &TTrackBar::SetMin)
          .Integer("Max", &TTrackBar::Max, &TTrackBar::SetMax)
          .Integer("Position", &TTrackBar::Position, &TTrackBar::SetPosition)
          .Enum("Orientation", OrientationInfo(), &TTrackBar::Orientation,
                &TTrackBar::SetOrientation)
          .Integer("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency)
          .Enum("TickStyle", TickStyleInfo(), &TTrackBar::TickStyle, &TTrackBar::SetTickStyle)
          .Enum("TickMarks", TickMarkInfo(), &TTrackBar::TickMarks, &TTrackBar::SetTickMarks)
          .Integer("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize)
          .Integer("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize)
          .Event("OnChange", &TTrackBar::OnChange)
          .Build();
  return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = TRACKBAR_CLASSW;
  params.Style |= orientation_ == trVertical ? TBS_VERT : TBS_HORZ;
  switch (tickStyle_) {
    case tsNone:
      params.Style |= TBS_NOTICKS;
      break;
    case tsAuto:
      params.Style |= TBS_AUTOTICKS;
      break;
    case tsManual:
      break;
  }
  switch (tickMarks_) {
    case tmBottomRight:
      params.Style |= TBS_BOTTOM;
      break;
    case tmTopLeft:
      params.Style |= TBS_TOP;
      break;
    case tmBoth:
      params.Style |= TBS_BOTH;
      break;
  }
}

void TTrackBar::CreateHandleDone() {
  const HWND window = Handle();
  SendMessageW(window, TBM_SETLINESIZE, 0, lineSize_);
  SendMessageW(window, TBM_SETPAGESIZE, 0, pageSize_);
  ApplyRange();
  if (tickStyle_ == tsAuto)
    SendMessageW(window, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TTrackBar::ApplyRange() {
  // While a layout is read Min may arrive before Max: the range is settled
  // in Loaded.
  if (ComponentState().Contains(csLoading)) return;
  const int previous = position_;
  position_ = std::clamp(position_, min_, ShownMax());
  if (HandleAllocated()) {
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, ShownMax());
    SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
  }
  if (position_ != previous) PositionChanged(position_);
}

void TTrackBar::PositionChanged(int value) {
  position_ = value;
  if (!ComponentState().Contains(csLoading) && OnChange) OnChange(this);
}

void TTrackBar::Loaded() {
  TWinControl::Loaded();
  ApplyRange();
}

void TTrackBar::SetMin(int value) {
  min_ = value;
  ApplyRange();
}

void TTrackBar::SetMax(int value) {
  max_ = value;
  ApplyRange();
}

void TTrackBar::SetPosition(int value) {
  const int previous = position_;
  position_ = value;
  if (ComponentState().Contains(csLoading)) return;
  ApplyRange();
  // ApplyRange told only what clamping moved.
  if (position_ == value && value != previous) PositionChanged(value);
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  RecreateWnd();
}

void TTrackBar::SetFrequency(int value) {
  frequency_ = value < 1 ? 1 : value;
  if (HandleAllocated() && tickStyle_ == tsAuto)
    SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TTrackBar::SetTickStyle(TTickStyle value) {
  if (value == tickStyle_) return;
  tickStyle_ = value;
  RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark value) {
  if (value == tickMarks_) return;
  tickMarks_ = value;
  RecreateWnd();
}

void TTrackBar::SetPageSize(int value) {
  pageSize_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPAGESIZE, 0, value);
}

void TTrackBar::SetLineSize(int value) {
  lineSize_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETLINESIZE, 0, value);
}

void TTrackBar::WndProc(TMessage& message) {
  // The bar tells its parent of every step of a key press or a drag, the
  // closing TB_ENDTRACK included: only a moved position is a change.
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    const int value = static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
    if (value != position_) PositionChanged(value);
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}
