// Reading order and alignment of controls: the mode, following the parent,
// and the extended window styles that carry it to native windows.
#include "toolkit/controls/WinControl.h"

namespace {

constexpr DWORD kBiDiExStyles = WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;

}  // namespace

void TControl::SetBiDiMode(TBiDiMode value) {
  parentBiDiMode_ = false;
  if (value == biDiMode_) return;
  biDiMode_ = value;
  Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool value) {
  parentBiDiMode_ = value;
  if (value) ParentBiDiModeChanged();
}

void TControl::ParentBiDiModeChanged() {
  if (!parentBiDiMode_ || !parent_ || parent_->BiDiMode() == biDiMode_) return;
  biDiMode_ = parent_->BiDiMode();
  Perform(CM_BIDIMODECHANGED);
}

DWORD TControl::BiDiModeExStyle() const {
  DWORD exStyle = 0;
  if (UseRightToLeftReading()) exStyle |= WS_EX_RTLREADING;
  if (UseRightToLeftScrollBar()) exStyle |= WS_EX_LEFTSCROLLBAR;
  if (UseRightToLeftAlignment()) exStyle |= WS_EX_RIGHT;
  return exStyle;
}

// A window that exists already gets the new styles in place, so that whoever
// subclassed it keeps it.
void TWinControl::ApplyBiDiModeToWindow() {
  if (!handle_) return;
  const auto old = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_EXSTYLE));
  const DWORD wanted = (old & ~kBiDiExStyles) | BiDiModeExStyle();
  if (wanted == old) return;
  SetWindowLongPtrW(handle_, GWL_EXSTYLE, static_cast<LONG_PTR>(wanted));
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(handle_, nullptr, TRUE);
}
