#include "toolkit/controls/Edit.h"

#include "toolkit/controls/PropertyTypes.h"

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TEdit>("TEdit", &TWinControl::StaticClass())
          .Str("Text", &TControl::Text, &TControl::SetText)
          .Bool("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly)
          .Enum("BorderStyle", BorderStyleInfo(), &TEdit::BorderStyle, &TEdit::SetBorderStyle)
          .Integer("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength)
          .Event("OnChange", &TEdit::OnChange)
          .Build();
  return info;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = L"EDIT";
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (readOnly_) params.Style |= ES_READONLY;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::CreateHandleDone() {
  if (maxLength_ > 0) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

void TEdit::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TEdit::SetMaxLength(int value) {
  maxLength_ = value < 0 ? 0 : value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TEdit::SelectAll() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
    if (OnChange && !ComponentState().Contains(csLoading)) OnChange(this);
    return;
  }
  TWinControl::WndProc(message);
}
