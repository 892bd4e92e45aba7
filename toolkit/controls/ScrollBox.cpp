#include "toolkit/controls/ScrollBox.h"

#include <algorithm>

const TClassInfo& TScrollBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TScrollBox>("TScrollBox", &TWinControl::StaticClass()).Build();
  return info;
}

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 41);
  customPaint_ = true;
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::CreateHandleDone() { UpdateScrollRange(); }

void TScrollBox::Loaded() {
  TWinControl::Loaded();
  UpdateScrollRange();
}

void TScrollBox::ChildBoundsChanged(TControl* /*child*/) { UpdateScrollRange(); }

SIZE TScrollBox::ContentExtent() const {
  SIZE extent{0, 0};
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* child = Controls(i);
    if (!child->Visible()) continue;
    const RECT bounds = child->BoundsRect();
    extent.cx = std::max<LONG>(extent.cx, bounds.right + scrollX_);
    extent.cy = std::max<LONG>(extent.cy, bounds.bottom + scrollY_);
  }
  return extent;
}

int TScrollBox::MaxScroll(int bar) const {
  const RECT client = ClientRect();
  const int page = bar == SB_HORZ ? client.right : client.bottom;
  const int range = bar == SB_HORZ ? extent_.cx : extent_.cy;
  return std::max(range - page, 0);
}

// The system shows a bar while its page is smaller than its range, which
// changes the client area, so the ranges are set until they settle.
void TScrollBox::UpdateScrollRange() {
  if (!HandleAllocated() || moving_ || ComponentState().Contains(csLoading)) return;
  extent_ = ContentExtent();
  for (int pass = 0; pass < 3; ++pass) {
    const RECT before = ClientRect();
    for (int bar : {SB_HORZ, SB_VERT}) {
      SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
      const RECT client = ClientRect();
      const int page = bar == SB_HORZ ? client.right : client.bottom;
      const int range = bar == SB_HORZ ? extent_.cx : extent_.cy;
      info.nMax = range > page ? range - 1 : 0;
      info.nPage = range > page ? static_cast<UINT>(std::max(page, 0)) : 0;
      SetScrollInfo(Handle(), bar, &info, TRUE);
    }
    const RECT after = ClientRect();
    if (EqualRect(&before, &after)) break;
  }
  ScrollTo(std::min(scrollX_, MaxScroll(SB_HORZ)), std::min(scrollY_, MaxScroll(SB_VERT)));
}

void TScrollBox::ScrollTo(int x, int y) {
  x = std::clamp(x, 0, MaxScroll(SB_HORZ));
  y = std::clamp(y, 0, MaxScroll(SB_VERT));
  const int dx = x - scrollX_, dy = y - scrollY_;
  if (HandleAllocated()) {
    SetScrollPos(Handle(), SB_HORZ, x, TRUE);
    SetScrollPos(Handle(), SB_VERT, y, TRUE);
  }
  if (dx == 0 && dy == 0) return;
  scrollX_ = x;
  scrollY_ = y;
  moving_ = true;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    child->SetBounds(child->Left() - dx, child->Top() - dy, child->Width(), child->Height());
  }
  moving_ = false;
  Invalidate();
}

void TScrollBox::Scrolled(int bar, int code) {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(Handle(), bar, &info);
  const int page = static_cast<int>(info.nPage);
  int position = bar == SB_HORZ ? scrollX_ : scrollY_;
  switch (code) {
    case SB_LINEUP:
      position -= kLineStep;
      break;
    case SB_LINEDOWN:
      position += kLineStep;
      break;
    case SB_PAGEUP:
      position -= page;
      break;
    case SB_PAGEDOWN:
      position += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = MaxScroll(bar);
      break;
    default:
      return;
  }
  if (bar == SB_HORZ) {
    ScrollTo(position, scrollY_);
  } else {
    ScrollTo(scrollX_, position);
  }
}

void TScrollBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      // LParam names a scroll bar control among the children; 0 is ours.
      if (message.LParam == 0) {
        Scrolled(message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(message.WParam));
        message.Result = 0;
        return;
      }
      break;
    case WM_MOUSEWHEEL: {
      const int notches = GET_WHEEL_DELTA_WPARAM(message.WParam) / WHEEL_DELTA;
      ScrollTo(scrollX_, scrollY_ - notches * 3 * kLineStep);
      message.Result = 0;
      return;
    }
    case WM_SIZE:
      TWinControl::WndProc(message);
      UpdateScrollRange();
      return;
    case WM_PARENTNOTIFY:
      TWinControl::WndProc(message);
      if (LOWORD(message.WParam) == WM_CREATE) UpdateScrollRange();
      return;
    case CM_SHOWINGCHANGED:
      TWinControl::WndProc(message);
      UpdateScrollRange();
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
