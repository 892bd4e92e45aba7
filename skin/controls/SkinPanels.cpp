#include "skin/controls/SkinPanels.h"

#include "skin/controls/SkinDrawing.h"
#include "skin/core/SkinControlHost.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/core/ClassBuilder.h"

const TClassInfo& TSkinBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinBox>("TSkinBox", &TSkinControl::StaticClass()).Build();
  return info;
}

const TClassInfo& TSkinBoxH::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinBoxH>("TSkinBoxH", &TSkinControl::StaticClass()).Build();
  return info;
}

const TClassInfo& TSkinSizer::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinSizer>("TSkinSizer", &TSkinControl::StaticClass()).Build();
  return info;
}

void TSkinBox::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                        TCanvas* canvas) {
  if (Attached || !Control) return;
  ChangeColor = changeColor;
  SkinData = skinData;
  Canvas = canvas;
  Form = form;
  if (auto* windowed = dynamic_cast<TWinControl*>(Control)) Handle = windowed->Handle();
  if (Form) Form->AddSkinObject(this);
  if (ChangeColor) {
    SwitchParentBackgroundOff();
    SavedColor = Control->Color();
    Control->SetColor(SkinData->Skin().Colour(scButtonFace));
  }
  if (ParentBackgroundWasTrue) Mode = 1;
  Attached = true;
  State = scsAttached;
}

// Nothing hooks the control, so no WM_NCDESTROY tells us it is going: a
// control on its way out keeps its colour, and a released object is never
// released twice.
void TSkinBox::Unskin() {
  if (State == scsReleased) return;
  Active = false;
  if (ChangeColor && Control && !ControlDying()) {
    RestoreParentBackground();
    Control->SetColor(SavedColor);
  }
  State = scsReleased;
}

bool TSkinBoxH::BeforeProc(TMessage& message) {
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT rect{};
      GetWindowRect(Handle, &rect);
      OffsetRect(&rect, -rect.left, -rect.top);
      FillFace(dc, rect, SkinData);
      message.Result = 0;
      return false;
    }
    case WM_CTLCOLORSTATIC:
      CallDefault(message);
      if (const HBRUSH face = SkinData->Skin().FaceBrush.Get()) {
        // The text cells too, or they would keep the system's face colour.
        SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(SkinData->Skin().Colour(scButtonFace))));
        message.Result = reinterpret_cast<LRESULT>(face);
      }
      return false;
    default:
      return TSkinControl::BeforeProc(message);
  }
}

// Only a size box is covered: a plain scroll bar without a tab stop lands
// here too and must keep its arrows and thumb.
void TSkinSizer::DrawControl(HDC dc, const RECT& rect) {
  if (!(WindowLong(GWL_STYLE) & (SBS_SIZEBOX | SBS_SIZEGRIP))) return;
  FillFace(dc, rect, SkinData);
}
