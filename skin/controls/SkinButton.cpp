#include "skin/controls/SkinButton.h"

#include "skin/controls/SkinDrawing.h"
#include "skin/data/SkinSystem.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/ImgUtil.h"
#include "skin/draw/ParentBackground.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/TypInfo.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

// The button's own focus-blink timer; skinned buttons have nothing to blink.
constexpr UINT_PTR kButtonTimer = 1;

bool StartsWith(const String& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

WideString ButtonCaptionLines(const WideString& caption) {
  WideString lines = caption;
  const size_t at = lines.find(u"||");
  if (at != WideString::npos) lines.replace(at, 2, u"\r\n");
  return lines;
}

const TClassInfo& TSkinButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinButton>("TSkinButton", &TSkinControl::StaticClass()).Build();
  return info;
}

TSkinButton::TSkinButton(TControl* control)
    : TSkinControl(control), Buffer(std::make_unique<TBitmap>()) {}

TSkinButton::~TSkinButton() = default;

void TSkinButton::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool /*changeColor*/,
                           TCanvas* canvas) {
  TSkinControl::InitSkin(form, skinData, false, canvas);
  if (!Attached) return;
  // These libraries' buttons raise their own click from the press.
  const String name = LowerCase(Control->ClassName());
  Mode = StartsWith(name, "trz") || StartsWith(name, "tel") ? 1 : 0;
  Transparent = Control->Tag() == kTransparentTag || SkinData->Options().Contains(xoTransparent);
}

bool TSkinButton::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintInPlace(message);
      return false;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    case WM_TIMER:
      KillTimer(Handle, kButtonTimer);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The button never sees its press: we draw it pressed and click on
      // the release ourselves.
      if (GetFocus() != Handle) SetFocus(Handle);
      MouseState |= msPressed;
      PaintControl(nullptr);
      if (Mode == 0 && Control) ForwardMouseDown(message);
      return false;
    default:
      return TSkinControl::BeforeProc(message);
  }
}

void TSkinButton::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT:
      PaintControl(nullptr);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam == VK_SPACE) {
        if (message.Msg == WM_KEYDOWN) {
          MouseState |= msPressed;
        } else {
          MouseState &= static_cast<std::uint8_t>(~msPressed);
        }
        RequestRepaint();
      }
      break;
    case WM_MOUSEMOVE:
      if (IsWindowEnabled(Handle) && !(MouseState & msHot)) {
        MouseState |= msHot;
        RequestRepaint();
      }
      SkinTrackMouseLeave(Handle);
      break;
    case WM_MOUSELEAVE:
      MouseState &= static_cast<std::uint8_t>(~(msHot | msPressed));
      RequestRepaint();
      break;
    case WM_LBUTTONUP:
      if (MouseState & msPressed) {
        MouseState &= static_cast<std::uint8_t>(~msPressed);
        RequestRepaint();
        Click();
      }
      break;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
      RequestRepaint();
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinButton::Click() {
  if (Control) {
    Control->Click();
    return;
  }
  wchar_t name[16] = {};
  GetClassNameW(Handle, name, 16);
  const bool toolkitButton =
      LowerCase(WideToUtf8(WideString(name, name + wcslen(name)))) == "tbutton";
  const WPARAM id = toolkitButton ? 0 : static_cast<WPARAM>(GetDlgCtrlID(Handle));
  PostMessageW(GetParent(Handle), WM_COMMAND, id, reinterpret_cast<LPARAM>(Handle));
}

int TSkinButton::StateFrame() {
  const auto style = WindowLong(GWL_STYLE);
  if (style & WS_DISABLED) return bfDisabled;
  if (MouseState & msPressed) return bfPressed;
  if (MouseState & msHot) return bfHot;
  const bool isDefault = Control && LowerCase(GetEnumProp(Control, "Default")) == "true";
  if (Focused || isDefault) return bfFocused;
  return bfNormal;
}

void TSkinButton::ReadLiveState() {
  Focused = Handle && GetFocus() == Handle;
  Enabled = !(WindowLong(GWL_STYLE) & WS_DISABLED);
  if (TControl* source = GraphicControl ? GraphicControl : Control) {
    Caption = GetWideStrProp(source, "Caption");
  } else {
    Caption = ReadWindowText();
  }
}

HDC TSkinButton::ComposeFace(const RECT& rect, int frame) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  Buffer->SetSize(width, height);
  const HDC buffer = Buffer->PixelDC();
  if (!buffer) return nullptr;
  const RECT whole{0, 0, width, height};
  if (Transparent && Control) {
    PaintParentBackground(Control, buffer);
  } else {
    FillFace(buffer, whole, SkinData);
  }
  if (frame > 0) DrawElementFrame(buffer, *SkinData->Skin().Buttons, whole, frame);
  return buffer;
}

HFONT TSkinButton::CaptionFont() const {
  if (Control) return Control->Font()->Handle();
  return reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
}

TColor TSkinButton::CaptionColour(int frame) const {
  const TDataSkinButton& element = *SkinData->Skin().Buttons;
  TColor colour = Control ? Control->Font()->Color() : SkinData->Skin().Colour(scButtonText);
  if (element.HasNormalColour2) colour = element.NormalColour2;
  if (frame == bfHot && element.HasMouseOverColour2) colour = element.MouseOverColour2;
  if (frame == bfPressed && element.HasPressedColour2) colour = element.PressedColour2;
  if (frame == bfDisabled) colour = SystemColor(COLOR_BTNSHADOW);
  return colour;
}

void TSkinButton::DrawFocusFrame(HDC dc, const RECT& text) const {
  if (!Focused || SkinData->Options().Contains(xoNoFocusRect)) return;
  RECT focus = text;
  InflateRect(&focus, 2, 2);
  DrawFocusRect(dc, &focus);
}

void TSkinButton::DrawControl(HDC dc, const RECT& rect) {
  if (SkinData->Skin().Buttons->Image->Empty()) return;
  ReadLiveState();
  const int frame = StateFrame();
  const HDC buffer = ComposeFace(rect, frame);
  if (!buffer) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const RECT whole{0, 0, width, height};

  const TSelection selectedFont(buffer, CaptionFont());
  SetTextColor(buffer, static_cast<COLORREF>(ColorToRGB(CaptionColour(frame))));
  SetBkMode(buffer, TRANSPARENT);
  const WideString lines = ButtonCaptionLines(Caption);
  RECT inner = whole;
  InflateRect(&inner, -2, -2);
  RECT text = inner;
  DrawSkinText(buffer, lines, text,
               DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK | DT_CENTER);
  const int textWidth = text.right - text.left, textHeight = text.bottom - text.top;
  text = RECT{0, 0, textWidth, textHeight};
  // Centred in the inner rectangle, so counted from its corner: counted from
  // the button's own corner the caption would sit 2 px up and left of the
  // middle; the one pixel up is kept.
  OffsetRect(&text, inner.left + ((inner.right - inner.left) - textWidth) / 2,
             inner.top + ((inner.bottom - inner.top) - textHeight) / 2 - 1);
  DrawSkinText(buffer, lines, text, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | TextFlags());
  LastTextRect = text;
  DrawFocusFrame(buffer, text);
  BitBlt(dc, rect.left, rect.top, width, height, buffer, 0, 0, SRCCOPY);
}

// Buttons without a usable picture keep the system's look.
bool TSkinButton::HasPicture() const {
  return !SkinData || UsablePicture(SkinData->Skin().Buttons.get());
}
