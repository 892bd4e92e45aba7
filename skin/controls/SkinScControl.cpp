#include "skin/controls/SkinScControl.h"

#include "toolkit/controls/WinControl.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"

const TClassInfo& TSkinScControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinScControl>("TSkinScControl", &TSkinControl::StaticClass()).Build();
  return info;
}

TSkinScControl::~TSkinScControl() = default;

void TSkinScControl::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool /*changeColor*/,
                              TCanvas* canvas) {
  TSkinControl::InitSkin(form, skinData, false, canvas);
  if (!Attached) return;
  Cover = std::make_unique<TWScrollbar>(SkinData, Handle, sbkControl);
  PlaceCover();
  if (Control && !Control->Visible()) Cover->Hide();
}

void TSkinScControl::PlaceCover() {
  if (!Cover) return;
  // Turning the bar on its side makes the control a new window.
  if (auto* windowed = dynamic_cast<TWinControl*>(Control);
      windowed && windowed->HandleAllocated() && windowed->Handle() != Handle) {
    Handle = windowed->Handle();
    Cover->Target = Handle;
  }
  if (Control) {
    Cover->Vertical = LowerCase(GetEnumProp(Control, "Kind")) != "sbhorizontal";
  } else {
    Cover->Vertical = (WindowLong(GWL_STYLE) & SBS_VERT) != 0;
  }
  Cover->Place();
}

// The old window's WM_NCDESTROY switched us off on the way; the control
// itself is still hooked, so the skin simply carries on over the new one.
void TSkinScControl::TakeNewWindow() {
  auto* windowed = dynamic_cast<TWinControl*>(Control);
  if (State != scsGone || !windowed || !windowed->HandleAllocated() || ControlDying()) return;
  State = scsAttached;
  Active = true;
  unskinned_ = false;
  if (!Cover) Cover = std::make_unique<TWScrollbar>(SkinData, windowed->Handle(), sbkControl);
  PlaceCover();
}

void TSkinScControl::Unskin() {
  if (unskinned_) return;
  unskinned_ = true;
  TSkinControl::Unskin();
  if (!Cover) return;
  if (State == scsGone || ControlDying()) {
    Cover->Hide();
  } else {
    Cover.reset();
  }
}

void TSkinScControl::ActiveChanged() {
  if (!Cover) return;
  if (Active) {
    PlaceCover();
  } else {
    Cover->Hide();
  }
}

void TSkinScControl::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT:
      PlaceCover();
      break;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case CN_HSCROLL:
    case CN_VSCROLL:
      if (Cover) Cover->Invalidate();
      break;
    case CM_RECREATEWND:
      TakeNewWindow();
      break;
    case CM_VISIBLECHANGED:
      if (!Cover) break;
      if (message.WParam) {
        PlaceCover();
      } else {
        Cover->Hide();
      }
      break;
    case CM_ENABLEDCHANGED:
      if (Cover && Control) Cover->SetEnabled(Control->Enabled());
      TSkinControl::AfterProc(message);
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinScControl::DrawControl(HDC /*dc*/, const RECT& /*rect*/) {
  if (Cover) Cover->Invalidate();
}
