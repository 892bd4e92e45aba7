#include "toolkit/controls/ScrollBar.h"

#include <algorithm>
#include <cstdint>

namespace {

const TEnumInfo& KindInfo() {
  static const TEnumInfo info{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};
  return info;
}

int Clamp64(int64_t value, int low, int high) {
  return static_cast<int>(std::clamp<int64_t>(value, low, high));
}

}  // namespace

const TClassInfo& TScrollBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TScrollBar>("TScrollBar", &TWinControl::StaticClass())
          .Enum("Kind", KindInfo(), &TScrollBar::Kind, &TScrollBar::SetKind)
          .Integer("Min", &TScrollBar::Min, &TScrollBar::SetMin)
          .Integer("Max", &TScrollBar::Max, &TScrollBar::SetMax)
          .Integer("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize)
          .Integer("Position", &TScrollBar::Position, &TScrollBar::SetPosition)
          .Integer("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange)
          .Integer("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange)
          .Event("OnChange", &TScrollBar::OnChange)
          .Event("OnScroll", &TScrollBar::OnScroll)
          .Build();
  return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = L"SCROLLBAR";
  params.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateHandleDone() { ApplyParams(); }

void TScrollBar::Loaded() {
  TWinControl::Loaded();
  ApplyParams();
}

int TScrollBar::MaxPosition() const {
  const int64_t top = std::max(max_, min_);
  const int64_t last = pageSize_ > 1 ? top - pageSize_ + 1 : top;
  return static_cast<int>(std::max<int64_t>(last, min_));
}

void TScrollBar::ApplyParams() {
  // While a layout is read Min may arrive before Max: all is settled in
  // Loaded.
  if (ComponentState().Contains(csLoading)) return;
  const int previous = position_;
  position_ = std::clamp(position_, min_, MaxPosition());
  if (HandleAllocated()) {
    const int top = std::max(max_, min_);
    // A page larger than the whole range is shown as the whole range.
    const int64_t span = static_cast<int64_t>(top) - min_ + 1;
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    min_,
                    top,
                    static_cast<UINT>(std::clamp<int64_t>(pageSize_, 0, span)),
                    position_,
                    0};
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
  }
  if (position_ != previous && OnChange) OnChange(this);
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (value == kind_) return;
  kind_ = value;
  // A bar turned on its side keeps its proportions.
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::SetMin(int value) {
  min_ = value;
  ApplyParams();
}

void TScrollBar::SetMax(int value) {
  max_ = value;
  ApplyParams();
}

void TScrollBar::SetPageSize(int value) {
  pageSize_ = std::max(value, 0);
  ApplyParams();
}

void TScrollBar::SetPosition(int value) {
  const int previous = position_;
  position_ = value;
  if (ComponentState().Contains(csLoading)) return;
  ApplyParams();
  // ApplyParams told only what clamping moved.
  if (position_ == value && value != previous && OnChange) OnChange(this);
}

int TScrollBar::TrackPosition() {
  // The 32-bit place of the thumb: the message's own word holds only 16 bits.
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_TRACKPOS;
  if (!GetScrollInfo(Handle(), SB_CTL, &info)) return position_;
  return info.nTrackPos;
}

void TScrollBar::Scroll(TScrollCode code) {
  int64_t next = position_;
  switch (code) {
    case scLineUp:
      next -= smallChange_;
      break;
    case scLineDown:
      next += smallChange_;
      break;
    case scPageUp:
      next -= largeChange_;
      break;
    case scPageDown:
      next += largeChange_;
      break;
    case scPosition:
    case scTrack:
      next = TrackPosition();
      break;
    case scTop:
      next = min_;
      break;
    case scBottom:
      next = MaxPosition();
      break;
    case scEndScroll:
      break;
  }
  int scrollPos = Clamp64(next, min_, MaxPosition());
  if (OnScroll) OnScroll(this, code, scrollPos);
  SetPosition(scrollPos);
}

void TScrollBar::WndProc(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    const WORD code = LOWORD(message.WParam);
    if (code <= SB_ENDSCROLL) Scroll(static_cast<TScrollCode>(code));
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}
