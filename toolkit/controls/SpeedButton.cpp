#include "toolkit/controls/SpeedButton.h"

#include "toolkit/controls/WinControl.h"

const TClassInfo& TSpeedButton::StaticClass() {
  static const TClassInfo info =
      PublishGlyphProperties(
          TClassBuilder<TSpeedButton>("TSpeedButton", &TGraphicControl::StaticClass())
              .Str("Caption", &TControl::Caption, &TControl::SetCaption)
              .Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
              .Default(0)
              .Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp)
              .Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
              .Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat))
          .Build();
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner)
    : TGraphicControl(owner), TGlyphButtonProperties([this] { Invalidate(); }) {
  SetBounds(0, 0, 23, 22);
  // The click is decided in MouseUp, where grouping is known.
  clickOnRelease_ = false;
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGroupIndex(int value) {
  if (value == groupIndex_) return;
  groupIndex_ = value;
  if (groupIndex_ == 0 && down_) {
    down_ = false;
    Invalidate();
  } else if (down_) {
    RaiseOthersInGroup();
  }
}

void TSpeedButton::SetAllowAllUp(bool value) {
  allowAllUp_ = value;
  // The group shares the choice.
  if (!Parent() || groupIndex_ == 0) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (other && other != this && other->groupIndex_ == groupIndex_) other->allowAllUp_ = value;
  }
}

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  if (down_ && !allowAllUp_ && !ComponentState().Contains(csLoading)) return;
  down_ = value;
  if (down_) RaiseOthersInGroup();
  Invalidate();
}

void TSpeedButton::RaiseOthersInGroup() {
  if (!Parent() || groupIndex_ == 0) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (!other || other == this || other->groupIndex_ != groupIndex_ || !other->down_) continue;
    other->down_ = false;
    other->Invalidate();
  }
}

void TSpeedButton::SetFlat(bool value) {
  if (value == flat_) return;
  flat_ = value;
  Invalidate();
}

TButtonState TSpeedButton::State() const {
  if (!Enabled()) return bsDisabled;
  if (pressed_) return bsDown;
  if (down_) return bsExclusive;
  return bsUp;
}

void TSpeedButton::SetPressed(bool value) {
  if (value == pressed_) return;
  pressed_ = value;
  Repaint();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  dragging_ = true;
  SetPressed(true);
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  // Dragged off, the button comes up; back on, it goes down again.
  if (dragging_) SetPressed(Inside(x, y));
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || !dragging_) return;
  dragging_ = false;
  const bool clicked = Inside(x, y);
  SetPressed(false);
  if (!clicked) return;
  if (groupIndex_ != 0) SetDown(!down_);
  Click();
}

void TSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      mouseInControl_ = message.Msg == CM_MOUSEENTER;
      if (flat_ && Enabled()) Invalidate();
      break;
    case CM_ENABLEDCHANGED:
      if (!Enabled()) dragging_ = pressed_ = false;
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(message);
}

void TSpeedButton::Paint() {
  TCanvas& canvas = *Canvas();
  HDC dc = canvas.Handle();
  RECT face{0, 0, Width(), Height()};
  const TButtonState state = State();
  const bool sunk = state == bsDown || state == bsExclusive;
  if (!flat_ || sunk || (mouseInControl_ && state != bsDisabled)) {
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (sunk ? DFCS_PUSHED : 0));
  } else {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(face);
  }
  const POINT offset = sunk ? POINT{1, 1} : POINT{0, 0};
  ButtonGlyph().Draw(canvas, RECT{0, 0, Width(), Height()}, offset, Caption(), state);
}
