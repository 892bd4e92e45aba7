#include "skin/controls/SkinUpDown.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/SkinDrawing.h"
#include "skin/data/SkinSystem.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

enum THalfState : int { hsNormal = 1, hsPressed = 2, hsDisabled = 3, hsHot = 4 };
constexpr int kSecondHalfStep = 4;
// The edit's skinned border is this thick; the arrows stay inside it.
constexpr int kEditBorder = 3;
constexpr int kArrowHeight = 3;

}  // namespace

int UpDownFrame(bool secondHalf, bool enabled, bool underCursor, bool pressed, bool hot) {
  int state = hsNormal;
  if (!enabled) {
    state = hsDisabled;
  } else if (underCursor) {
    state = pressed ? hsPressed : hot ? hsHot : hsNormal;
  }
  return state + (secondHalf ? kSecondHalfStep : 0);
}

const TClassInfo& TSkinUpDown::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinUpDown>("TSkinUpDown", &TSkinControl::StaticClass()).Build();
  return info;
}

bool TSkinUpDown::Horizontal() const {
  return TabSetScroller || (WindowLong(GWL_STYLE) & UDS_HORZ) != 0;
}

bool TSkinUpDown::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintInPlace(message);
      return false;
    case WM_ERASEBKGND:
      if (!Control && message.WParam) {
        RECT client{};
        GetClientRect(Handle, &client);
        FillColour(reinterpret_cast<HDC>(message.WParam), client, clWhite);
      }
      message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallDefault(message);
      MouseState |= msPressed;
      RequestRepaint();
      return false;
    case WM_LBUTTONUP:
      MouseState &= static_cast<std::uint8_t>(~msPressed);
      CallDefault(message);
      RequestRepaint();
      return false;
    case WM_MOUSEMOVE:
      // Hot follows the pointer from half to half, so every move repaints.
      if (IsWindowEnabled(Handle)) {
        MouseState |= msHot;
        SkinTrackMouseLeave(Handle);
        InvalidateRect(Handle, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      MouseState = 0;
      InvalidateRect(Handle, nullptr, FALSE);
      break;
    default:
      break;
  }
  return TSkinControl::BeforeProc(message);
}

RECT TSkinUpDown::DrawnArea(const RECT& client) const {
  if (!EmbeddedInEdit) return client;
  const HWND edit = GetParent(Handle);
  RECT editRect{};
  if (!edit || !GetWindowRect(edit, &editRect)) return client;
  MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&editRect), 2);
  RECT area = client;
  area.top = std::max(area.top, editRect.top + kEditBorder);
  area.bottom = std::min(area.bottom, editRect.bottom - kEditBorder);
  area.right = std::min(area.right, editRect.right - kEditBorder);
  return area;
}

void TSkinUpDown::DrawControl(HDC dc, const RECT& /*rect*/) {
  RECT client{};
  GetClientRect(Handle, &client);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) return;
  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(width, height);
  const HDC buffer = picture.PixelDC();
  if (!buffer) return;
  FillFace(buffer, client, SkinData);
  if (EmbeddedInEdit) FillColour(buffer, client, clWhite);

  const RECT area = DrawnArea(client);
  const bool horizontal = Horizontal();
  RECT first = area, second = area;
  if (horizontal) {
    first.right = second.left = area.left + (area.right - area.left) / 2;
  } else {
    first.bottom = second.top = area.top + (area.bottom - area.top) / 2;
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(Handle, &cursor);
  const bool enabled = (WindowLong(GWL_STYLE) & WS_DISABLED) == 0;
  const bool pressed = (MouseState & msPressed) != 0, hot = (MouseState & msHot) != 0;
  const RECT halves[2] = {first, second};
  for (int i = 0; i < 2; ++i) {
    const bool under = PtInRect(&halves[i], cursor) != FALSE;
    const int frame = UpDownFrame(i == 1, enabled, under, pressed, hot);
    if (halves[i].right > halves[i].left && halves[i].bottom > halves[i].top) {
      DrawHalf(buffer, halves[i], frame);
    }
  }
  BitBlt(dc, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
}

void TSkinUpDown::DrawHalf(HDC dc, const RECT& half, int frame) const {
  const TSkinElements& skin = SkinData->Skin();
  const TDataSkinBorder* element = Horizontal() ? skin.UpDownHorz.get() : skin.UpDownVert.get();
  if (!element || element->Image->Empty()) {
    DrawPlainHalf(dc, half, (frame - 1) % kSecondHalfStep + 1, frame > kSecondHalfStep);
    return;
  }
  const int frames = std::max(element->Frame, 1);
  DrawFramedImage(dc, half, *element->Image, false, element->Tile != 0, element->Trans == 1, frames,
                  std::min(frame, frames), element->Margins());
  if (!element->Image2->Empty()) {
    DrawCentredFrame(dc, half, *element->Image2, true, frames, std::min(frame, frames));
  }
}

void TSkinUpDown::DrawPlainHalf(HDC dc, const RECT& half, int state, bool secondHalf) const {
  const TSkinElements& skin = SkinData->Skin();
  const bool sunk = state == hsPressed || state == hsHot;
  FillColour(dc, half, skin.Colour(sunk ? scButtonShadow : scButtonFace));
  const TBrushHandle outline(
      CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(skin.Colour(scButtonDkShadow)))));
  FrameRect(dc, &half, outline.Get());
  // A small triangle pointing away from the middle of the control.
  const int cx = (half.left + half.right) / 2, cy = (half.top + half.bottom) / 2;
  const int h = kArrowHeight;
  POINT points[3];
  if (Horizontal()) {
    const int tip = secondHalf ? cx + h / 2 + 1 : cx - h / 2 - 1;
    const int base = secondHalf ? tip - h : tip + h;
    points[0] = {tip, cy};
    points[1] = {base, cy - h};
    points[2] = {base, cy + h};
  } else {
    const int tip = secondHalf ? cy + h / 2 + 1 : cy - h / 2 - 1;
    const int base = secondHalf ? tip - h : tip + h;
    points[0] = {cx, tip};
    points[1] = {cx - h, base};
    points[2] = {cx + h, base};
  }
  const TColor ink = skin.Colour(state == hsDisabled ? scButtonShadow : scButtonText);
  const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(ink))));
  const TPenHandle pen(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(ink))));
  const TSelection selectedBrush(dc, brush.Get());
  const TSelection selectedPen(dc, pen.Get());
  Polygon(dc, points, 3);
}
