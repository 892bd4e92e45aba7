// TCoverHint: a cover window in the toolkit's hint bookkeeping. The toolkit
// tracks the pointer over its own controls only; over a cover it would go
// on seeing the last control it saw (the cover's parent, as a rule) and
// show that one's hint. While the pointer is over the cover, the toolkit
// sees it over this windowless control instead, which carries the hint and
// hint switch of the control under the cover.
#pragma once

#include <windows.h>

#include "toolkit/controls/Controls.h"

class TCoverHint : public TControl {
 public:
  TCoverHint();

  // The pointer moved over a cover that lies over `covered`; nothing for a
  // window that is no toolkit control.
  void PointerOver(HWND covered);
  // The cover heard WM_MOUSELEAVE. One that comes while the pointer is still
  // over it (asking the toolkit's tracking for another window posts such a
  // leave) keeps the hint going.
  void PointerLeft(HWND cover);
};
