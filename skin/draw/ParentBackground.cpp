#include "skin/draw/ParentBackground.h"

#include "skin/draw/SwallowedException.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

void AskParentToPaint(TWinControl* parent, HDC dc) {
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

}  // namespace

void PaintParentBackground(TControl* control, HDC dc) {
  if (!control || !dc) return;
  TWinControl* parent = control->Parent();
  if (!parent) return;
  TSavedDC saved(dc);
  const RECT bounds = control->BoundsRect();
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - bounds.left, origin.y - bounds.top, nullptr);
  IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
  if (control->ComponentState().Contains(csDesigning)) {
    // A parent being designed may fail to paint; the rest is skipped then.
    try {
      AskParentToPaint(parent, dc);
    } catch (...) {
      ReportSwallowedException("PaintParentBackground");
    }
  } else {
    AskParentToPaint(parent, dc);
  }
}
