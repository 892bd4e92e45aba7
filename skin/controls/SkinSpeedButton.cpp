#include "skin/controls/SkinSpeedButton.h"

#include "skin/core/SkinControlHost.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/ImgUtil.h"
#include "skin/draw/SwallowedException.h"
#include "toolkit/controls/GraphicControl.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

bool ReadsTrue(TControl* control, const char* name) {
  return LowerCase(GetEnumProp(control, name)) == "true";
}

}  // namespace

const TClassInfo& TSkinSpeedButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinSpeedButton>("TSkinSpeedButton", &TSkinBitButton::StaticClass()).Build();
  return info;
}

TSkinSpeedButton::TSkinSpeedButton(TControl* control) : TSkinBitButton(control) {
  GraphicControl = control;
}

void TSkinSpeedButton::InitSpeed(TSkinControlHost* form, TSkinData* skinData, TCanvas* canvas) {
  if (Attached || !Control) return;
  Form = form;
  SkinData = skinData;
  Canvas = canvas;
  GraphicControl = Control;
  HookControlHandler();
  if (Form) Form->AddSkinObject(this);
  Transparent = Control->Tag() == kTransparentTag || SkinData->Options().Contains(xoTransparent);
  Attached = true;
  State = scsAttached;
  PaintNow();
}

void TSkinSpeedButton::PaintNow() {
  if (!GraphicControl) return;
  GraphicControl->Invalidate();
  if (TWinControl* parent = GraphicControl->Parent(); parent && parent->HandleAllocated()) {
    UpdateWindow(parent->Handle());
  }
}

bool TSkinSpeedButton::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: {
      // The parent's DC, its origin at the button: ours for this draw.
      const auto dc = reinterpret_cast<HDC>(message.WParam);
      if (dc) PaintControl(dc);
      message.Result = 1;
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The button keeps its own press logic (groups, Down, the click).
      CallDefault(message);
      MouseState |= msPressed;
      PaintNow();
      return false;
    case WM_LBUTTONUP:
      return true;
    default:
      return TSkinControl::BeforeProc(message);
  }
}

void TSkinSpeedButton::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED:
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) break;
      if (message.Msg == WM_KEYDOWN) {
        MouseState |= msPressed;
      } else {
        MouseState &= static_cast<std::uint8_t>(~msPressed);
      }
      PaintNow();
      break;
    case WM_LBUTTONUP:
      MouseState &= static_cast<std::uint8_t>(~msPressed);
      PaintNow();
      break;
    case CM_MOUSEENTER:
      MouseState |= msHot;
      PaintNow();
      break;
    case CM_MOUSELEAVE:
      MouseState &= static_cast<std::uint8_t>(~(msHot | msPressed));
      if (GraphicControl && GraphicControl->Visible()) PaintNow();
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinSpeedButton::PaintControl(HDC dc) {
  auto* graphic = dynamic_cast<TGraphicControl*>(GraphicControl);
  if (!dc && graphic && graphic->Canvas()->HandleAllocated()) dc = graphic->Canvas()->Handle();
  if (!dc || !GraphicControl) return;
  const RECT rect{0, 0, GraphicControl->Width(), GraphicControl->Height()};
  try {
    DrawControl(dc, rect);
  } catch (...) {
    Painting = false;  // a failed draw leaves the button as it was
    ReportSwallowedException("TSkinSpeedButton::PaintControl");
  }
}

int TSkinSpeedButton::SpeedFrame() const {
  int frame = bfNormal;
  if (MouseState & msPressed) {
    frame = bfPressed;
  } else if (MouseState & msHot) {
    frame = bfHot;
  }
  if (!GraphicControl->Enabled()) frame = bfDisabled;
  if (ReadsTrue(GraphicControl, "Down")) frame = bfPressed;
  return frame;
}

void TSkinSpeedButton::DrawControl(HDC dc, const RECT& rect) {
  if (Painting || !GraphicControl || SkinData->Skin().Buttons->Image->Empty()) return;
  const SIZE client{rect.right - rect.left, rect.bottom - rect.top};
  if (client.cx < 1 || client.cy < 1) return;
  Painting = true;
  ReadLiveState();
  Enabled = GraphicControl->Enabled();
  Focused = false;  // a windowless button never has the focus
  const int frame = SpeedFrame();
  const bool flat = ReadsTrue(GraphicControl, "Flat");
  const bool framed = !flat || frame == bfPressed || frame == bfHot;
  const HDC buffer = ComposeFace(rect, framed ? frame : 0);
  if (!buffer) {
    Painting = false;
    return;
  }
  const TSelection selectedFont(buffer, CaptionFont());
  SetTextColor(buffer, static_cast<COLORREF>(ColorToRGB(CaptionColour(frame))));
  SetBkMode(buffer, TRANSPARENT);
  const TGlyphSource glyph = ReadGlyph(GraphicControl);
  const WideString lines = ButtonCaptionLines(Caption);
  if (!glyph.Strip && !glyph.Picture && !glyph.Images) {
    // No glyph: the caption centred as on a plain button (from the inner
    // rectangle's corner, 2 px in).
    RECT text{2, 2, client.cx - 2, client.cy - 2};
    WideString copy = lines;
    DrawSkinText(buffer, copy, text, DT_CALCRECT | DT_NOCLIP | DT_WORDBREAK | DT_CENTER);
    const int tw = text.right - text.left, th = text.bottom - text.top;
    text = RECT{0, 0, tw, th};
    OffsetRect(&text, 2 + (client.cx - 4 - tw) / 2, 2 + (client.cy - 4 - th) / 2 - 1);
    DrawSkinText(buffer, copy, text, DT_CENTER | DT_WORDBREAK | TextFlags());
    LastTextRect = text;
  } else {
    TGlyphLayoutInput layout = ReadGlyphLayout(GraphicControl, client, glyph.Size);
    layout.SpeedButton = true;
    layout.Text = MeasureCaption(buffer, lines, client, glyph.Size, layout.Layout);
    const bool disabled = !GraphicControl->Enabled();
    const int cell = GlyphCellFor(glyph.NumGlyphs, disabled, frame == bfPressed,
                                  ReadsTrue(GraphicControl, "Down"));
    DrawGlyphAndCaption(buffer, glyph, PlaceSkinGlyph(layout), lines, layout.Text, cell, disabled);
  }
  BitBlt(dc, rect.left, rect.top, client.cx, client.cy, buffer, 0, 0, SRCCOPY);
  Painting = false;
}
