// Attaching to a control, routing its messages and letting it go.
#include "skin/controls/SkinControl.h"

#include "skin/core/SkinControlHost.h"
#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SwallowedException.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/ScopedHandles.h"

// What the control's WindowProc holds while we are hooked in. Whoever
// hooked after us may keep a copy of it after we are gone; it then forwards
// straight to the handler we replaced.
struct TSkinControl::TControlHookLink {
  TSkinControl* object = nullptr;
  TWndMethod saved;
};

struct TSkinProcCall {
  std::shared_ptr<TSkinControl::TControlHookLink> link;
  void operator()(TMessage& message) const {
    if (link->object) {
      link->object->SkinWndProc(message);
    } else if (link->saved) {
      link->saved(message);
    }
  }
};

const TClassInfo& TSkinControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinControl>("TSkinControl", &TComponent::StaticClass()).Build();
  return info;
}

TSkinControl::TSkinControl(TControl* control) : TComponent(control), Control(control) {}

TSkinControl::~TSkinControl() {
  RestoreControlHandler();
  hook_.Restore();
  if (Form) Form->RemoveSkinObject(this);
}

void TSkinControl::Release(bool restoreControl) {
  if (restoreControl && State != scsGone) Unskin();
}

bool TSkinControl::ControlDying() const {
  return Control && Control->ComponentState().Contains(csDestroying);
}

void TSkinControl::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                            TCanvas* canvas) {
  if (Attached) return;
  auto* windowed = dynamic_cast<TWinControl*>(Control);
  if (!windowed) return;  // windowless controls have their own attach
  ChangeColor = changeColor;
  SkinData = skinData;
  Form = form;
  Canvas = canvas;
  Handle = windowed->Handle();
  Unicode = IsWindowUnicode(Handle) != FALSE;
  HookControlHandler();
  if (Form) Form->AddSkinObject(this);
  if (ChangeColor) {
    SwitchParentBackgroundOff();
    SavedColor = Control->Color();
    Control->SetColor(SkinData->Skin().Colour(scButtonFace));
  }
  if (ParentBackgroundWasTrue) Mode = 1;
  Control->Invalidate();
  Attached = true;
  State = scsAttached;
}

void TSkinControl::InitWindow(HWND handle, TSkinData* skinData, TSkinControlHost* form,
                              TCanvas* canvas) {
  if (Attached) return;
  SkinData = skinData;
  Canvas = canvas;
  Form = form;
  Handle = handle;
  Enabled = true;
  Mode = 0;
  if (Form) Form->AddSkinObject(this);
  Unicode = IsWindowUnicode(Handle) != FALSE;
  Caption = ReadWindowText();
  hook_.Install(Handle);
  InvalidateRect(Handle, nullptr, TRUE);
  Attached = true;
  State = scsAttached;
}

WideString TSkinControl::ReadWindowText() const {
  const int length = GetWindowTextLengthW(Handle);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(Handle, text.data(), length + 1);
  return WideString(text.begin(), text.begin() + (copied > 0 ? copied : 0));
}

void TSkinControl::HookControlHandler() {
  link_ = std::make_shared<TControlHookLink>();
  link_->object = this;
  link_->saved = Control->WindowProc;
  Control->WindowProc = TSkinProcCall{link_};
}

// Put back only while our handler is the current one; otherwise whoever
// hooked after us keeps calling the link, which now only forwards.
void TSkinControl::RestoreControlHandler() {
  if (!link_) return;
  link_->object = nullptr;
  if (Control) {
    const auto* current = Control->WindowProc.target<TSkinProcCall>();
    if (current && current->link == link_) Control->WindowProc = link_->saved;
  }
  link_.reset();
}

LRESULT TSkinControl::HookedMessage(TWindowHook& /*hook*/, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  SkinWndProc(message);
  return message.Result;
}

void TSkinControl::SkinWndProc(TMessage& message) {
  if (message.Msg == SKIN_SETACTIVE) {
    Active = static_cast<INT_PTR>(message.WParam) > 0;
    ActiveChanged();
    if (Active) RequestRepaint();
    return;
  }
  const bool skinOwn = message.Msg == SKIN_QUERY || message.Msg == WM_NCDESTROY;
  if (!Active || (!skinOwn && !HasPicture())) {
    CallDefault(message);
    return;
  }
  if (BeforeProc(message)) {
    CallDefault(message);
    AfterProc(message);
  }
}

void TSkinControl::CallDefault(TMessage& message) {
  if (link_) {
    if (link_->saved) link_->saved(message);
    return;
  }
  if (hook_.Installed()) {
    message.Result = hook_.CallOld(message.Msg, message.WParam, message.LParam);
  }
}

bool TSkinControl::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      State = scsGone;
      CallDefault(message);
      if (Active) Unskin();
      return false;
    case SKIN_QUERY:
      message.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinControl::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
      RequestRepaint();
      break;
    case WM_PAINT:
      PaintControl(reinterpret_cast<HDC>(message.WParam));
      break;
    default:
      break;
  }
}

void TSkinControl::RequestRepaint() {
  if (GraphicControl) {
    GraphicControl->Invalidate();
  } else if (Handle) {
    InvalidateRect(Handle, nullptr, TRUE);
    UpdateWindow(Handle);
  }
}

void TSkinControl::PaintControl(HDC dc) {
  RECT rect{};
  if (!GetWindowRect(Handle, &rect)) return;
  WindowRect = rect;
  OffsetRect(&rect, -rect.left, -rect.top);
  const TWindowDC windowDC(Handle, dc, TDCArea::Window);
  if (windowDC.Get()) DrawKeepingFailures(windowDC.Get(), rect, "TSkinControl::PaintControl");
}

void TSkinControl::PaintInPlace(TMessage& message) {
  // The paint ends whatever the drawing does, so the window is not asked
  // to paint again and again.
  const TPaintDC dc(Handle, reinterpret_cast<HDC>(message.WParam));
  RECT rect{};
  if (GetWindowRect(Handle, &rect)) {
    WindowRect = rect;
    OffsetRect(&rect, -rect.left, -rect.top);
    DrawKeepingFailures(dc.Get(), rect, "TSkinControl::PaintInPlace");
  }
  message.Result = 0;
}

// A paint runs inside a window message: a failure let through would reach
// the application's error box on every repaint. The control keeps what was
// drawn before the failure.
void TSkinControl::DrawKeepingFailures(HDC dc, const RECT& rect, const char* place) {
  try {
    DrawControl(dc, rect);
  } catch (...) {
    ReportSwallowedException(place);
  }
}

void TSkinControl::Unskin() {
  if (!Active) return;
  Active = false;
  if (State != scsGone && ChangeColor && Control && !ControlDying()) {
    RestoreParentBackground();
    Control->SetColor(SavedColor);
  }
}

void TSkinControl::SkinChange() {
  if (ChangeColor && Control && SkinData) Control->SetColor(SkinData->Skin().Colour(scButtonFace));
  RequestRepaint();
}

// Controls painted in the skin's face colour would otherwise still show
// their parent through; skins may ask us to leave that alone.
void TSkinControl::SwitchParentBackgroundOff() {
  if (SkinData->Options().Contains(xoParentBackGround) || !Control) return;
  if (!IsPublishedProp(Control, "ParentBackground")) return;
  if (LowerCase(GetEnumProp(Control, "ParentBackground")) != "true") return;
  ParentBackgroundWasTrue = true;
  SetEnumProp(Control, "ParentBackground", "False");
}

void TSkinControl::RestoreParentBackground() {
  if (!SkinData || SkinData->Options().Contains(xoParentBackGround) || !Control) return;
  if (ParentBackgroundWasTrue) SetEnumProp(Control, "ParentBackground", "True");
}

LONG_PTR TSkinControl::WindowLong(int index) const {
  return Unicode ? GetWindowLongPtrW(Handle, index) : GetWindowLongPtrA(Handle, index);
}
