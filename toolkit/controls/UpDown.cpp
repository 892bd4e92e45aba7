#include "toolkit/controls/UpDown.h"

#include <commctrl.h>

#include <algorithm>

namespace {

const TEnumInfo& OrientationInfo() {
  static const TEnumInfo info{"TUDOrientation", {"udHorizontal", "udVertical"}};
  return info;
}

const TEnumInfo& AlignButtonInfo() {
  static const TEnumInfo info{"TUDAlignButton", {"udLeft", "udRight"}};
  return info;
}

}  // namespace

const TClassInfo& TUpDown::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TUpDown>("TUpDown", &TWinControl::StaticClass())
          .Object("Associate", &TUpDown::Associate, &TUpDown::SetAssociate)
          .Enum("AlignButton", AlignButtonInfo(), &TUpDown::AlignButton, &TUpDown::SetAlignButton)
          .Bool("ArrowKeys", &TUpDown::ArrowKeys, &TUpDown::SetArrowKeys)
          .Integer("Min", &TUpDown::Min, &TUpDown::SetMin)
          .Integer("Max", &TUpDown::Max, &TUpDown::SetMax)
          .Integer("Increment", &TUpDown::Increment, &TUpDown::SetIncrement)
          .Enum("Orientation", OrientationInfo(), &TUpDown::Orientation, &TUpDown::SetOrientation)
          .Integer("Position", &TUpDown::Position, &TUpDown::SetPosition)
          .Bool("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands)
          .Bool("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap)
          .Event("OnChanging", &TUpDown::OnChanging)
          .Event("OnClick", &TUpDown::OnClick)
          .Build();
  return info;
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 17, 25); }

TUpDown::~TUpDown() {
  if (associate_) associate_->RemoveFreeNotification(this);
}

void TUpDown::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = UPDOWN_CLASSW;
  params.Style |= UDS_SETBUDDYINT;
  params.Style |= alignButton_ == udLeft ? UDS_ALIGNLEFT : UDS_ALIGNRIGHT;
  if (orientation_ == udHorizontal) params.Style |= UDS_HORZ;
  if (arrowKeys_) params.Style |= UDS_ARROWKEYS;
  if (!thousands_) params.Style |= UDS_NOTHOUSANDS;
  if (wrap_) params.Style |= UDS_WRAP;
}

void TUpDown::CreateHandleDone() {
  SetIncrement(increment_);
  ApplyBuddy();
  ApplyRange();
}

void TUpDown::Loaded() {
  TWinControl::Loaded();
  ApplyBuddy();
  ApplyRange();
}

void TUpDown::ApplyRange() {
  // While a layout is read Min may arrive before Max: the range is settled
  // in Loaded.
  if (ComponentState().Contains(csLoading)) return;
  position_ = std::clamp(position_, Low(), High());
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::ApplyBuddy() {
  if (!HandleAllocated() || ComponentState().Contains(csLoading)) return;
  if (associate_ && !buddyTaken_) {
    buddyBounds_ = associate_->BoundsRect();
    buddyTaken_ = true;
  }
  const HWND buddy = associate_ ? associate_->Handle() : nullptr;
  SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}

void TUpDown::ReleaseBuddy() {
  if (!buddyTaken_) return;
  buddyTaken_ = false;
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETBUDDY, 0, 0);
  if (associate_ && !associate_->ComponentState().Contains(csDestroying)) {
    associate_->SetBounds(buddyBounds_.left, buddyBounds_.top,
                          buddyBounds_.right - buddyBounds_.left,
                          buddyBounds_.bottom - buddyBounds_.top);
  }
}

void TUpDown::DestroyWnd() {
  Position();  // a number typed into the buddy outlives the window
  ReleaseBuddy();
  TWinControl::DestroyWnd();
}

void TUpDown::SetMin(int value) {
  Position();  // what the buddy shows now is what the new range clamps
  min_ = value;
  ApplyRange();
}

void TUpDown::SetMax(int value) {
  Position();
  max_ = value;
  ApplyRange();
}

int TUpDown::Position() {
  if (HandleAllocated() && !ComponentState().Contains(csLoading)) {
    BOOL failed = FALSE;
    const auto value = static_cast<int>(
        SendMessageW(Handle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    // A buddy holding no number leaves the last good position. Without a
    // buddy Wine reports a failure though the value is the control's own.
    if (!failed || !associate_) position_ = value;
  }
  return position_;
}

void TUpDown::SetPosition(int value) {
  position_ = value;
  ApplyRange();
}

void TUpDown::SetIncrement(int value) {
  increment_ = value;
  if (!HandleAllocated()) return;
  UDACCEL accel{0, static_cast<UINT>(value)};
  SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TUpDown::SetOrientation(TUDOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  RecreateWnd();
}

void TUpDown::SetAlignButton(TUDAlignButton value) {
  if (value == alignButton_) return;
  alignButton_ = value;
  RecreateWnd();
}

void TUpDown::SetArrowKeys(bool value) {
  if (value == arrowKeys_) return;
  arrowKeys_ = value;
  RecreateWnd();
}

void TUpDown::SetThousands(bool value) {
  if (value == thousands_) return;
  thousands_ = value;
  RecreateWnd();
}

void TUpDown::SetWrap(bool value) {
  if (value == wrap_) return;
  wrap_ = value;
  RecreateWnd();
}

void TUpDown::SetAssociate(TWinControl* value) {
  if (value == associate_) return;
  if (value == this) throw EInvalidOperation("An up-down cannot be its own buddy");
  ReleaseBuddy();
  if (associate_) associate_->RemoveFreeNotification(this);
  associate_ = value;
  if (associate_) associate_->FreeNotification(this);
  ApplyBuddy();
  ApplyRange();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove || component != associate_) return;
  associate_ = nullptr;
  buddyTaken_ = false;
  ApplyBuddy();
}

bool TUpDown::Changing(int delta) {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  lastDelta_ = allow ? delta : 0;
  return allow;
}

void TUpDown::Scrolled() {
  const int previous = position_;
  const int current = Position();
  const bool ascending = min_ <= max_;
  // The arrow pressed says which way the count went, wrapping included;
  // without it the move itself tells.
  bool up = ascending ? current > previous : current < previous;
  if (lastDelta_ != 0) {
    up = (lastDelta_ > 0) == ascending;
  } else if (current == previous) {
    return;
  }
  lastDelta_ = 0;
  if (OnClick) OnClick(this, up ? btNext : btPrev);
}

void TUpDown::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (header->code != static_cast<UINT>(UDN_DELTAPOS)) break;
      const auto* change = reinterpret_cast<const NMUPDOWN*>(message.LParam);
      // A non-zero answer keeps the position where it is.
      message.Result = Changing(change->iDelta) ? 0 : 1;
      return;
    }
    case CN_HSCROLL:
    case CN_VSCROLL:
      // Sent once per step, after the position moved.
      if (LOWORD(message.WParam) == SB_THUMBPOSITION) Scrolled();
      message.Result = 0;
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
