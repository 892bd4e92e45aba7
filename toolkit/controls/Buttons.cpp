#include "toolkit/controls/Buttons.h"

#include "toolkit/controls/PropertyTypes.h"

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info = TClassBuilder<TButton>("TButton", &TWinControl::StaticClass())
                                     .Str("Caption", &TControl::Caption, &TControl::SetCaption)
                                     .Bool("Default", &TButton::Default, &TButton::SetDefault)
                                     .Bool("Cancel", &TButton::Cancel, &TButton::SetCancel)
                                     .Build();
  return info;
}

const TClassInfo& TCheckBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCheckBox>("TCheckBox", &TWinControl::StaticClass())
          .Str("Caption", &TControl::Caption, &TControl::SetCaption)
          .Bool("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed)
          .Enum("State", CheckBoxStateInfo(), &TCheckBox::State, &TCheckBox::SetState)
          .Bool("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked)
          .Build();
  return info;
}

const TClassInfo& TRadioButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRadioButton>("TRadioButton", &TWinControl::StaticClass())
          .Str("Caption", &TControl::Caption, &TControl::SetCaption)
          .Bool("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
          .Build();
  return info;
}

namespace {

bool IsClicked(const TMessage& message) {
  return message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED;
}

}  // namespace

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = L"BUTTON";
  params.Style |= PushStyle();
}

void TButton::SetDefault(bool value) {
  default_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, PushStyle(), TRUE);
}

void TButton::WndProc(TMessage& message) {
  if (IsClicked(message)) {
    Click();
    return;
  }
  if (message.Msg == CM_DIALOGKEY) {
    const bool take = (message.WParam == VK_RETURN && (Focused() || default_)) ||
                      (message.WParam == VK_ESCAPE && cancel_);
    if (take && Enabled()) {
      Click();
      message.Result = 1;
    }
    return;
  }
  TWinControl::WndProc(message);
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = L"BUTTON";
  params.Style |= BS_3STATE;
}

void TCheckBox::CreateHandleDone() { SendMessageW(Handle(), BM_SETCHECK, state_, 0); }

void TCheckBox::SetState(TCheckBoxState value) {
  if (value == state_) return;
  state_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, state_, 0);
  if (!ComponentState().Contains(csLoading)) Click();
}

void TCheckBox::WndProc(TMessage& message) {
  if (IsClicked(message)) {
    switch (state_) {
      case cbUnchecked:
        SetState(allowGrayed_ ? cbGrayed : cbChecked);
        break;
      case cbGrayed:
        SetState(cbChecked);
        break;
      case cbChecked:
        SetState(cbUnchecked);
        break;
    }
    return;
  }
  TWinControl::WndProc(message);
}

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = L"BUTTON";
  params.Style |= BS_RADIOBUTTON;
}

void TRadioButton::CreateHandleDone() { SendMessageW(Handle(), BM_SETCHECK, checked_, 0); }

void TRadioButton::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  SetTabStop(value);
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, value, 0);
  if (!value) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (sibling && sibling != this) sibling->SetChecked(false);
    }
  }
  if (!ComponentState().Contains(csLoading)) Click();
}

void TRadioButton::WndProc(TMessage& message) {
  if (IsClicked(message)) {
    SetChecked(true);
    return;
  }
  TWinControl::WndProc(message);
}
