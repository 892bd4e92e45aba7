#include "skin/controls/ComboxScrollBar.h"

#include <algorithm>

#include "skin/controls/ScrollBarPicture.h"
#include "skin/data/SkinSystem.h"
#include "skin/controls/SkinDrawing.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/core/ClassBuilder.h"

namespace {

// The list box's own message that moves its bar when its top item changes.
constexpr UINT kListScrolled = 0x1AE;

bool ReadBar(HWND list, SCROLLBARINFO& info) {
  info = SCROLLBARINFO{};
  info.cbSize = sizeof info;
  return SkinGetScrollBarInfo(list, OBJID_VSCROLL, &info) &&
         !(info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN));
}

// The system's arrow height, as the covers use: some systems report the
// bar's line-button field as something else.
int ArrowOf(const SCROLLBARINFO& /*info*/) { return GetSystemMetrics(SM_CYVSCROLL); }

}  // namespace

int ComboxDragPosition(int startOffset, int moved, int track, int min, int max, int page) {
  if (track <= 0 || max <= min) return min;
  const int offset = std::clamp(startOffset + moved, 0, track);
  // With a page the top can go as far as max - page + 1, so that is the span.
  const int last = page > 0 ? std::max(max - page + 1, min) : max;
  const int span = last - min;
  return std::clamp(min + MulDiv(offset, span, track), min, last);
}

const TClassInfo& TComboxScrollBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComboxScrollBar>("TComboxScrollBar", &TSkinControl::StaticClass()).Build();
  return info;
}

TComboxScrollBar::TComboxScrollBar(TControl* control) : TSkinControl(control) {
  ArrowSize = GetSystemMetrics(SM_CYVSCROLL);
}

TComboxScrollBar::~TComboxScrollBar() { *alive_ = false; }

void TComboxScrollBar::Unskin() {
  const bool wasActive = Active;
  TSkinControl::Unskin();
  // The native bar comes back with the next frame paint.
  if (wasActive && State != scsGone && Handle && IsWindow(Handle)) {
    SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool TComboxScrollBar::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      CallDefault(message);
      PaintBar();
      return false;
    case WM_NCLBUTTONDOWN:
      if (message.WParam == HTVSCROLL) {
        const POINT at{static_cast<short>(LOWORD(message.LParam)),
                       static_cast<short>(HIWORD(message.LParam))};
        if (DragThumb(at)) {
          message.Result = 0;
          return false;
        }
      }
      break;
    default:
      break;
  }
  return TSkinControl::BeforeProc(message);
}

void TComboxScrollBar::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case kListScrolled:
    case WM_MOUSEWHEEL:
    case WM_PAINT:
    case WM_SHOWWINDOW:
      // The list redraws its native bar whenever it scrolls; ours goes back
      // on top (a client paint cannot reach the bar, so the window's DC).
      PaintBar();
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TComboxScrollBar::PaintBar() {
  if (State == scsGone || !Handle || !IsWindow(Handle)) return;
  PaintControl(nullptr);
}

void TComboxScrollBar::DrawControl(HDC dc, const RECT& /*rect*/) {
  SCROLLBARINFO info{};
  if (!SkinData || !ReadBar(Handle, info)) return;
  RECT window{};
  if (!GetWindowRect(Handle, &window)) return;
  ArrowSize = ArrowOf(info);
  TScrollBarLook look;
  look.Vertical = true;
  look.Width = info.rcScrollBar.right - info.rcScrollBar.left;
  look.Height = info.rcScrollBar.bottom - info.rcScrollBar.top;
  look.ArrowSize = ArrowSize;
  look.Part = Part;
  look.Pressed = Pressed;
  look.Enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  if (!Dragging) {
    ThumbStart = info.xyThumbTop;
    ThumbEnd = info.xyThumbBottom;
  }
  look.ThumbStart = ThumbStart;
  look.ThumbEnd = ThumbEnd;
  DrawScrollBarPicture(dc, info.rcScrollBar.left - window.left, info.rcScrollBar.top - window.top,
                       *SkinData, look);
}

// A thumb drag: the bar's measures when the press came, and the list's top.
struct TComboxScrollBar::TThumbDrag {
  HWND list = nullptr;
  POINT start{};
  int arrow = 0;
  int thumbLength = 0;
  int track = 0;
  int startOffset = 0;
  SCROLLINFO range{};
  int position = 0;
};

namespace {

void ScrollListTo(HWND list, int position, int code, const bool& alive) {
  SendMessageW(list, WM_VSCROLL, MAKEWPARAM(code, position), 0);
  // Lists that read the position from their own tracking state rather
  // than from the message still land where the thumb is.
  if (alive && IsWindow(list) &&
      SendMessageW(list, LB_GETTOPINDEX, 0, 0) != static_cast<LRESULT>(position)) {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(position), 0);
  }
}

}  // namespace

bool TComboxScrollBar::DragThumb(POINT screenPoint) {
  TThumbDrag drag;
  if (!MeasureThumbDrag(screenPoint, drag)) return false;
  // The object may go during the drag; this keeps the flag that says so.
  const std::shared_ptr<bool> alive = alive_;
  Part = SB_THUMBTRACK;
  Pressed = Dragging = true;
  SetCapture(drag.list);
  PaintBar();
  RunThumbDrag(drag, *alive);
  if (GetCapture() == drag.list) ReleaseCapture();
  if (!*alive) return true;
  Pressed = Dragging = false;
  Part = -1;
  PaintBar();
  return true;
}

bool TComboxScrollBar::MeasureThumbDrag(POINT screenPoint, TThumbDrag& drag) const {
  SCROLLBARINFO info{};
  if (!ReadBar(Handle, info)) return false;
  const int along = screenPoint.y - info.rcScrollBar.top;
  if (along < info.xyThumbTop || along >= info.xyThumbBottom) return false;
  drag.list = Handle;
  drag.start = screenPoint;
  drag.arrow = ArrowOf(info);
  drag.thumbLength = info.xyThumbBottom - info.xyThumbTop;
  const int barLength = info.rcScrollBar.bottom - info.rcScrollBar.top;
  drag.track = barLength - 2 * drag.arrow - drag.thumbLength;
  drag.range.cbSize = sizeof drag.range;
  drag.range.fMask = SIF_ALL;
  if (drag.track <= 0 || !GetScrollInfo(Handle, SB_VERT, &drag.range)) return false;
  drag.startOffset = info.xyThumbTop - drag.arrow;
  drag.position = drag.range.nPos;
  return true;
}

// The loop ends with the button's release, and also when the list goes,
// this object goes or someone else takes the capture away.
void TComboxScrollBar::RunThumbDrag(TThumbDrag& drag, const bool& alive) {
  const HWND list = drag.list;
  while (alive && IsWindow(list) && GetCapture() == list) {
    MSG msg{};
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
      ScrollListTo(list, drag.position, SB_THUMBPOSITION, alive);
      if (alive && IsWindow(list)) PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE) continue;
    if (!alive || !IsWindow(list)) return;
    FollowPointer(drag, alive);
  }
}

void TComboxScrollBar::FollowPointer(TThumbDrag& drag, const bool& alive) {
  POINT cursor{};
  GetCursorPos(&cursor);
  const int moved = cursor.y - drag.start.y;
  const int offset = std::clamp(drag.startOffset + moved, 0, drag.track);
  ThumbStart = drag.arrow + offset;
  ThumbEnd = ThumbStart + drag.thumbLength;
  const int next = ComboxDragPosition(drag.startOffset, moved, drag.track, drag.range.nMin,
                                      drag.range.nMax, static_cast<int>(drag.range.nPage));
  if (next != drag.position) {
    drag.position = next;
    ScrollListTo(drag.list, drag.position, SB_THUMBTRACK, alive);
  }
  if (alive) PaintBar();
}

// The list's bar is the system's while the skin has no usable strip.
bool TComboxScrollBar::HasPicture() const {
  return !SkinData || UsablePicture(SkinData->Skin().Scrollbar.get());
}
