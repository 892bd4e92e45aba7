// The cover's window: placement over the native bar and the mouse, which
// goes back to the native bar as the non-client presses it expects.
#include "skin/controls/ScrollCover.h"

#include "skin/controls/ScrollControlGeometry.h"
#include "skin/controls/ScrollCoverHint.h"
#include "skin/controls/SkinDrawing.h"
#include "skin/core/SkinMessages.h"
#include "skin/data/SkinSystem.h"
#include "skin/data/WinSkinData.h"

namespace {

constexpr wchar_t kCoverClass[] = L"TWScrollbar";

void RegisterCoverClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = procedure;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.lpszClassName = kCoverClass;
    return RegisterClassExW(&cls) != 0;
  }();
  (void)registered;
}

POINT PointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// A window's own bar hears the right button as a non-client one.
UINT NonClientRightButton(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
      return WM_NCRBUTTONDOWN;
    case WM_RBUTTONDBLCLK:
      return WM_NCRBUTTONDBLCLK;
    default:
      return WM_NCRBUTTONUP;
  }
}

}  // namespace

TWScrollbar::TWScrollbar(TSkinData* skinData, HWND target, TScrollCoverKind kind)
    : SkinData(skinData),
      Target(target),
      BarKind(kind),
      Vertical(kind != sbkHorizontal),
      ArrowSize(GetSystemMetrics(SM_CXHSCROLL)) {
  RegisterCoverClass(&TWScrollbar::CoverProc);
  const HWND parent = target ? GetParent(target) : nullptr;
  if (!parent) return;
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kCoverClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0,
                            0, parent, nullptr, GetModuleHandleW(nullptr), this);
}

TWScrollbar::~TWScrollbar() {
  // A cover whose parent went first was destroyed with it (WM_NCDESTROY
  // cleared window_), and its handle may already name another window.
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

LRESULT CALLBACK TWScrollbar::CoverProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<TWScrollbar*>(create->lpCreateParams)->window_ = window;
  }
  auto* cover = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!cover) return DefWindowProcW(window, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    cover->window_ = nullptr;
    cover->Shown = false;
    return DefWindowProcW(window, msg, wParam, lParam);
  }
  return cover->Handle(msg, wParam, lParam);
}

LRESULT TWScrollbar::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE:
      MouseMove(PointOf(lParam));
      return 0;
    case WM_MOUSELEAVE:
      MouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ButtonDown(PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      ButtonUp(PointOf(lParam));
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      // Not to DefWindowProc: the bar's own release raises its context menu.
      RightButton(msg, wParam, PointOf(lParam));
      return 0;
    case WM_CONTEXTMENU:
      return SendMessageW(Target, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Target), lParam);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintWindow();
      return 0;
    case SKIN_QUERY:
      return 1;  // our own window: never skinned
    default:
      return DefWindowProcW(window_, msg, wParam, lParam);
  }
}

bool TWScrollbar::ReadBar(SCROLLBARINFO& info) const {
  if (!Target) return false;
  if (BarKind == sbkControl) return ReadScrollControl(Target, ArrowSize, Vertical, info);
  info = SCROLLBARINFO{};
  info.cbSize = sizeof info;
  return SkinGetScrollBarInfo(Target, Vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info);
}

void TWScrollbar::Place() {
  if (!window_) return;
  SCROLLBARINFO info{};
  // Without a usable strip the system's own bar stays uncovered.
  if (!SkinData || !UsablePicture(SkinData->Skin().Scrollbar.get()) || !ReadBar(info)) {
    Hide();
    return;
  }
  const RECT bar = info.rcScrollBar;
  const bool visible = (GetWindowLongPtrW(Target, GWL_STYLE) & WS_VISIBLE) != 0;
  if (!visible || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) || bar.right <= bar.left ||
      bar.bottom <= bar.top) {
    Hide();
    return;
  }
  POINT corners[2] = {{bar.left, bar.top}, {bar.right, bar.bottom}};
  MapWindowPoints(nullptr, Target, corners, 2);
  BarRect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  const int width = bar.right - bar.left, height = bar.bottom - bar.top;
  Length = Vertical ? height : width;
  ScreenOrigin = POINT{bar.left, bar.top};
  POINT corner = ScreenOrigin;
  ScreenToClient(GetParent(window_), &corner);
  Shown = true;
  RECT now{};
  GetWindowRect(window_, &now);
  const bool above = AboveTarget();
  if (above && IsWindowVisible(window_) && EqualRect(&now, &bar)) {
    Invalidate();  // moving nothing spares the target a repaint, and us its echo
    return;
  }
  // Directly above the target, so that the target's own drawing of the bar
  // is clipped away under the cover.
  HWND after = GetWindow(Target, GW_HWNDPREV);
  if (!after) after = HWND_TOP;
  SetWindowPos(window_, after, corner.x, corner.y, width, height,
               (above ? SWP_NOZORDER : 0) | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Invalidate();
}

// The windows just above the target are its covers, ours among them.
bool TWScrollbar::AboveTarget() const {
  for (HWND above = GetWindow(Target, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
    if (above == window_) return true;
    wchar_t name[16] = {};
    GetClassNameW(above, name, 16);
    if (lstrcmpW(name, kCoverClass) != 0) return false;
    const auto* other =
        reinterpret_cast<const TWScrollbar*>(GetWindowLongPtrW(above, GWLP_USERDATA));
    if (!other || other->Target != Target) return false;
  }
  return false;
}

void TWScrollbar::Hide() {
  Shown = false;
  if (window_ && IsWindowVisible(window_)) ShowWindow(window_, SW_HIDE);
}

void TWScrollbar::Invalidate() const {
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void TWScrollbar::SetEnabled(bool enabled) const {
  if (window_) EnableWindow(window_, enabled ? TRUE : FALSE);
  Invalidate();
}

int TWScrollbar::HitTest(int along) const {
  if (along < ArrowSize) return spFirstArrow;
  if (along < ThumbStart) return spTrackBefore;
  if (along < ThumbEnd) return spThumb;
  if (along < Length - ArrowSize) return spTrackAfter;
  return spSecondArrow;
}

void TWScrollbar::MouseMove(POINT point) {
  const int part = HitTest(Along(point));
  if (part != Part) {
    Part = part;
    Invalidate();
  }
  if (!hint_) hint_ = std::make_unique<TCoverHint>();
  hint_->PointerOver(Target);
  // After the hint's tracking, which asks for the covered control's leave.
  SkinTrackMouseLeave(window_);
}

void TWScrollbar::MouseLeave() {
  if (hint_) hint_->PointerLeft(window_);
  if (Pressed) return;
  Part = spNone;
  Invalidate();
}

void TWScrollbar::ButtonDown(POINT point) {
  GetCursorPos(&DragCursor);
  SCROLLBARINFO info{};
  if (ReadBar(info)) {
    DragThumbStart = info.xyThumbTop;
    ThumbStart = info.xyThumbTop;
    ThumbEnd = info.xyThumbBottom;
    ScreenOrigin = POINT{info.rcScrollBar.left, info.rcScrollBar.top};
  }
  Part = HitTest(Along(point));
  POINT screen = point;
  ClientToScreen(window_, &screen);
  Pressed = true;
  Invalidate();
  ReleaseCapture();
  // The native bar runs its own tracking loop inside this call; the scroll
  // notifications it sends meanwhile repaint the cover.
  const std::weak_ptr<bool> alive = alive_;
  if (BarKind == sbkControl) {
    // The control lies under the whole cover: the same point is its own.
    SendMessageW(Target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  } else {
    SendMessageW(Target, WM_NCLBUTTONDOWN, Vertical ? HTVSCROLL : HTHSCROLL,
                 MAKELPARAM(screen.x, screen.y));
  }
  if (alive.expired()) return;
  Pressed = false;
  ReleaseCapture();
  Invalidate();
}

void TWScrollbar::ButtonUp(POINT point) {
  Pressed = false;
  ReleaseCapture();
  if (BarKind == sbkControl) {
    PostMessageW(Target, WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    Invalidate();
    return;
  }
  POINT screen = point;
  ClientToScreen(window_, &screen);
  PostMessageW(Target, WM_NCLBUTTONUP, Vertical ? HTVSCROLL : HTHSCROLL,
               MAKELPARAM(screen.x, screen.y));
}

void TWScrollbar::RightButton(UINT msg, WPARAM keys, POINT point) {
  if (BarKind == sbkControl) {
    SendMessageW(Target, msg, keys, MAKELPARAM(point.x, point.y));
    return;
  }
  POINT screen = point;
  ClientToScreen(window_, &screen);
  SendMessageW(Target, NonClientRightButton(msg), Vertical ? HTVSCROLL : HTHSCROLL,
               MAKELPARAM(screen.x, screen.y));
}

void TWScrollbar::PaintWindow() {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window_, &paint);
  if (dc) Paint(dc);
  EndPaint(window_, &paint);
}
