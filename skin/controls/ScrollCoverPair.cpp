#include "skin/controls/ScrollCover.h"

void TScrollCoverPair::Create(TSkinData* skinData, HWND target) {
  HorzBar = std::make_unique<TWScrollbar>(skinData, target, sbkHorizontal);
  VertBar = std::make_unique<TWScrollbar>(skinData, target, sbkVertical);
}

void TScrollCoverPair::Place() {
  for (TWScrollbar* bar : {HorzBar.get(), VertBar.get()}) {
    if (bar) bar->Place();
  }
}

void TScrollCoverPair::Hide() {
  for (TWScrollbar* bar : {HorzBar.get(), VertBar.get()}) {
    if (bar) bar->Hide();
  }
}

void TScrollCoverPair::InvalidateShown() {
  for (TWScrollbar* bar : {HorzBar.get(), VertBar.get()}) {
    if (bar && bar->Shown) bar->Invalidate();
  }
}

void TScrollCoverPair::SetEnabled(bool enabled) {
  for (TWScrollbar* bar : {HorzBar.get(), VertBar.get()}) {
    if (bar) bar->SetEnabled(enabled);
  }
}

void TScrollCoverPair::Free() {
  HorzBar.reset();
  VertBar.reset();
}

bool TScrollCoverPair::Corner(HWND target, RECT& corner) const {
  if (!HorzBar || !VertBar || !HorzBar->Shown || !VertBar->Shown) return false;
  // Bar rectangles are in client coordinates; the client area starts past
  // whatever border the window has.
  RECT window{};
  POINT origin{0, 0};
  if (!GetWindowRect(target, &window) || !ClientToScreen(target, &origin)) return false;
  const int dx = origin.x - window.left, dy = origin.y - window.top;
  corner = RECT{VertBar->BarRect.left + dx, HorzBar->BarRect.top + dy, VertBar->BarRect.right + dx,
                HorzBar->BarRect.bottom + dy};
  return true;
}
