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

bool TComboxScrollBar::DragThumb(POINT screenPoint) {
  SCROLLBARINFO info{};
  if (!ReadBar(Handle, info)) return false;
  const int along = screenPoint.y - info.rcScrollBar.top;
  if (along < info.xyThumbTop || along >= info.xyThumbBottom) return false;
  const int arrow = ArrowOf(info);
  const int thumbLength = info.xyThumbBottom - info.xyThumbTop;
  const int barLength = info.rcScrollBar.bottom - info.rcScrollBar.top;
  const int track = barLength - 2 * arrow - thumbLength;
  SCROLLINFO range{};
  range.cbSize = sizeof range;
  range.fMask = SIF_ALL;
  if (track <= 0 || !GetScrollInfo(Handle, SB_VERT, &range)) return false;

  const HWND list = Handle;
  const std::shared_ptr<bool> alive = alive_;
  const int startOffset = info.xyThumbTop - arrow;
  const int page = static_cast<int>(range.nPage);
  int position = range.nPos;
  Part = SB_THUMBTRACK;
  Pressed = Dragging = true;
  SetCapture(list);
  PaintBar();
  const auto scrollTo = [&](int code) {
    SendMessageW(list, WM_VSCROLL, MAKEWPARAM(code, position), 0);
    // Lists that read the position from their own tracking state rather
    // than from the message still land where the thumb is.
    if (*alive && IsWindow(list) &&
        SendMessageW(list, LB_GETTOPINDEX, 0, 0) != static_cast<LRESULT>(position)) {
      SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(position), 0);
    }
  };
  // The loop ends with the button's release, and also when the list goes,
  // this object goes or someone else takes the capture away.
  while (*alive && IsWindow(list) && GetCapture() == list) {
    MSG msg{};
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
      scrollTo(SB_THUMBPOSITION);
      if (*alive && IsWindow(list)) PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE) continue;
    if (!*alive || !IsWindow(list)) break;
    POINT cursor{};
    GetCursorPos(&cursor);
    const int moved = cursor.y - screenPoint.y;
    const int offset = std::clamp(startOffset + moved, 0, track);
    ThumbStart = arrow + offset;
    ThumbEnd = ThumbStart + thumbLength;
    const int next = ComboxDragPosition(startOffset, moved, track, range.nMin, range.nMax, page);
    if (next != position) {
      position = next;
      scrollTo(SB_THUMBTRACK);
    }
    if (*alive) PaintBar();
  }
  if (GetCapture() == list) ReleaseCapture();
  if (!*alive) return true;
  Pressed = Dragging = false;
  Part = -1;
  PaintBar();
  return true;
}

// The list's bar is the system's while the skin has no usable strip.
bool TComboxScrollBar::HasPicture() const {
  return !SkinData || UsablePicture(SkinData->Skin().Scrollbar.get());
}
