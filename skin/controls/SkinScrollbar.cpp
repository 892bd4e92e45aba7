#include "skin/controls/SkinScrollbar.h"

#include "skin/controls/SkinDrawing.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

// The scrolled window's own scrolling shows on its cover.
void CoverFollowsScroll(TWScrollbar* bar, WPARAM code) {
  if (!bar) return;
  bar->Part = LOWORD(code);
  bar->Invalidate();
}

}  // namespace

const TClassInfo& TSkinScrollbar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinScrollbar>("TSkinScrollbar", &TSkinControl::StaticClass()).Build();
  return info;
}

void TSkinScrollbar::InitScroll(TControl* control, TSkinData* skinData, TWinSkinForm* form,
                                TCanvas* canvas) {
  if (Attached) return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed || !skinData) return;
  Control = control;
  SkinData = skinData;
  Form = form;
  Canvas = canvas;
  Handle = windowed->Handle();
  DrawBorder = LowerCase(GetEnumProp(control, "BorderStyle")) != "bsnone" &&
               control->ClassName() != "TImageScrollBox" && Mode != 1;
  // Kept apart from ChangeColor: the base would put this value back into
  // the control's Color.
  if (PropType(control, "FixedColor") == tkInteger) {
    SavedColor = static_cast<TColor>(GetOrdProp(control, "FixedColor"));
    SetOrdProp(control, "FixedColor", SkinData->Skin().Colour(scButtonFace));
    fixedColorChanged_ = true;
  }
  Covers.Create(SkinData, Handle);
  Covers.Place();
  Covers.SetEnabled(control->Enabled());
  if (!control->Visible()) Covers.Hide();
  TSkinControl::InitSkin(form, skinData, false, canvas);
}

void TSkinScrollbar::Unskin() {
  if (unskinned_) return;
  unskinned_ = true;
  const bool gone = State == scsGone || ControlDying();
  if (fixedColorChanged_ && !gone) SetOrdProp(Control, "FixedColor", SavedColor);
  TSkinControl::Unskin();
  // The covers are ours: a control that went first leaves them hidden
  // until the object is freed.
  if (gone) {
    Covers.Hide();
  } else {
    Covers.Free();
  }
}

void TSkinScrollbar::SkinChange() {
  if (fixedColorChanged_ && Control && SkinData) {
    SetOrdProp(Control, "FixedColor", SkinData->Skin().Colour(scButtonFace));
  }
  TSkinControl::SkinChange();
  Covers.InvalidateShown();
}

bool TSkinScrollbar::BeforeProc(TMessage& message) {
  if (message.Msg == WM_NCPAINT && DrawBorder) {
    CallDefault(message);
    const TWindowDC dc(Handle, TDCArea::Window);
    if (dc.Get()) DrawSkinBorder(dc.Get());
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinScrollbar::ActiveChanged() { Covers.PlaceOrHide(Active); }

void TSkinScrollbar::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      Covers.Place();
      break;
    case WM_HSCROLL:
      CoverFollowsScroll(Covers.HorzBar.get(), message.WParam);
      break;
    case WM_VSCROLL:
      CoverFollowsScroll(Covers.VertBar.get(), message.WParam);
      break;
    case WM_MOUSEWHEEL:
      Covers.InvalidateShown();
      break;
    case CM_VISIBLECHANGED:
      if (message.WParam) {
        Covers.Place();
      } else {
        Covers.Hide();
      }
      break;
    case CM_ENABLEDCHANGED:
      if (Control) Covers.SetEnabled(Control->Enabled());
      TSkinControl::AfterProc(message);
      break;
    case CM_RECREATEWND:
      // The control has a new window now; the form makes a new object for it.
      if (Form && Form->Handle) {
        PostMessageW(Form->Handle, SKIN_RESKINSCROLL, reinterpret_cast<WPARAM>(Handle), 0);
      }
      break;
    case SKIN_PAINTFRAME:
      if (message.LParam != kSkinMagic) {
        TSkinControl::AfterProc(message);
        break;
      }
      if (message.WParam) DrawSkinBorder(reinterpret_cast<HDC>(message.WParam));
      message.Result = kSkinMagic;
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinScrollbar::DrawControl(HDC dc, const RECT& /*rect*/) {
  // A bar that has just appeared gets its cover here.
  const LONG_PTR style = WindowLong(GWL_STYLE);
  const std::pair<TWScrollbar*, LONG_PTR> bars[] = {{Covers.HorzBar.get(), WS_HSCROLL},
                                                    {Covers.VertBar.get(), WS_VSCROLL}};
  for (const auto& [bar, flag] : bars) {
    if (!bar) continue;
    if (bar->Shown) {
      bar->Invalidate();
    } else if (style & flag) {
      bar->Place();
    }
  }
  RECT corner{};
  if (Covers.Corner(Handle, corner)) FillFace(dc, corner, SkinData);
}

// A shadow line and a face line inside it, over the control's own border.
void TSkinScrollbar::DrawSkinBorder(HDC dc) {
  RECT rect{};
  if (!SkinData || !GetWindowRect(Handle, &rect)) return;
  OffsetRect(&rect, -rect.left, -rect.top);
  const TBrushHandle shadow(
      CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(SkinData->Skin().Colour(scButtonShadow)))));
  FrameRect(dc, &rect, shadow.Get());
  InflateRect(&rect, -1, -1);
  const TBrushHandle face(
      CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(SkinData->Skin().Colour(scButtonFace)))));
  FrameRect(dc, &rect, face.Get());
}

const TClassInfo& TSkinScrollbarH::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinScrollbarH>("TSkinScrollbarH", &TSkinControl::StaticClass()).Build();
  return info;
}

void TSkinScrollbarH::InitWindow(HWND handle, TSkinData* skinData, TWinSkinForm* form,
                                 TCanvas* canvas) {
  if (Attached || !handle) return;
  Covers.Create(skinData, handle);
  Covers.Place();
  TSkinControl::InitWindow(handle, skinData, form, canvas);
}

void TSkinScrollbarH::Unskin() {
  if (unskinned_) return;
  unskinned_ = true;
  TSkinControl::Unskin();
  if (State == scsGone) {
    Covers.Hide();
  } else {
    Covers.Free();
  }
}

void TSkinScrollbarH::AfterProc(TMessage& message) {
  if (!IsWindowVisible(Handle)) Covers.Hide();
  switch (message.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
      Covers.Place();
      break;
    case WM_HSCROLL:
      CoverFollowsScroll(Covers.HorzBar.get(), message.WParam);
      break;
    case WM_VSCROLL:
      CoverFollowsScroll(Covers.VertBar.get(), message.WParam);
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinScrollbarH::ActiveChanged() { Covers.PlaceOrHide(Active); }

void TSkinScrollbarH::DrawControl(HDC dc, const RECT& /*rect*/) {
  Covers.InvalidateShown();
  RECT corner{};
  if (Covers.Corner(Handle, corner)) FillFace(dc, corner, SkinData);
}
