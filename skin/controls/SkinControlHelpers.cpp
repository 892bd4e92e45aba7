// What the skinned-control classes share beyond routing: mouse-down
// forwarding, text flags, the focus rectangle, the parent's background and
// the objects of up-down children.
#include <memory>

#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinDrawing.h"
#include "skin/controls/SkinObjectFactory.h"
#include "skin/draw/ImgUtil.h"
#include "skin/draw/ParentBackground.h"
#include "toolkit/core/TypInfo.h"

namespace {

// lParam carries signed 16-bit coordinates; beyond them the point wraps.
constexpr int kWidestPackedCoordinate = 0x8000;

}  // namespace

void TSkinControl::ForwardMouseDown(TMessage& message) {
  if (!Control) return;
  POINT point{static_cast<short>(LOWORD(message.LParam)),
              static_cast<short>(HIWORD(message.LParam))};
  if (Control->Width() > kWidestPackedCoordinate || Control->Height() > kWidestPackedCoordinate) {
    GetCursorPos(&point);
    ScreenToClient(Handle, &point);
  }
  Control->MouseDown(mbLeft, KeysToShiftState(message.WParam), point.x, point.y);
}

bool ReadsRightToLeft(const String& biDiMode) {
  return !biDiMode.empty() && biDiMode != "bdlefttoright";
}

UINT TSkinControl::TextFlags() const {
  TControl* source = GraphicControl ? GraphicControl : Control;
  if (source) {
    return ReadsRightToLeft(LowerCase(GetEnumProp(source, "BiDiMode"))) ? DT_RTLREADING : 0;
  }
  if (Handle && (WindowLong(GWL_EXSTYLE) & WS_EX_RTLREADING)) return DT_RTLREADING;
  return 0;
}

void TSkinControl::DrawFocusAroundText(HDC dc, UINT alignment, const RECT& rect) {
  RECT text = rect;
  WideString caption = Caption;
  DrawSkinText(dc, caption, text, alignment | DT_CALCRECT | DT_NOCLIP);
  const int freeWidth = (rect.right - rect.left) - (text.right - text.left);
  const int freeHeight = (rect.bottom - rect.top) - (text.bottom - text.top);
  if (alignment & DT_CENTER) {
    OffsetRect(&text, freeWidth / 2, freeHeight / 2);
  } else if (alignment & DT_RIGHT) {
    OffsetRect(&text, freeWidth, 0);
  }
  InflateRect(&text, 2, 1);
  RECT clipped{};
  if (!IntersectRect(&clipped, &text, &rect)) return;
  DrawFocusRect(dc, &clipped);
}

void TSkinControl::EraseWithParentBackground(TMessage& message) {
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  if (Control) {
    PaintParentBackground(Control, dc);
  } else {
    RECT client{};
    GetClientRect(Handle, &client);
    FillParentColour(dc, client, nullptr, SkinData);
  }
  message.Result = 1;
}

void TSkinControl::SkinArrowsChild(HWND& arrows) {
  if (arrows && IsWindow(arrows)) return;
  arrows = FindWindowExW(Handle, nullptr, L"msctls_updown32", nullptr);
  if (!arrows) return;
  // The arrows' own object lives in the form's list like any other.
  TSkinChoice choice;
  choice.Class = TSkinClass::UpDown;
  choice.Attach = TAttachKind::Window;
  choice.Window = arrows;
  const TSkinObjectFactory& factory = SkinObjectFactory();
  std::unique_ptr<TSkinControl> object(factory ? factory(choice) : nullptr);
  if (!object) return;
  object->InitWindow(arrows, SkinData, Form, Canvas);
  if (object->Attached && Form) (void)object.release();
}
