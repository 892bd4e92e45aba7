// TSkinUpDown: the two arrow halves of an up-down control drawn from the
// skin's "UpDown.Vert" or "UpDown.Horz" strip (8 frames: state + 4 for the
// second half) with the element's "GlyphImage" cell centred on each.
#pragma once

#include "skin/controls/SkinControl.h"

// The frame of one half: 1 normal, 2 pressed, 3 disabled, 4 hot; the
// second (down or right) half takes the same four plus 4.
int UpDownFrame(bool secondHalf, bool enabled, bool underCursor, bool pressed, bool hot);

class TSkinUpDown : public TSkinControl {
  TAPVANE_CLASS(TSkinUpDown)
 public:
  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The arrows live inside an edit and leave its skinned border visible.
  bool EmbeddedInEdit = false;
  // The arrows scroll a tab set: always side by side.
  bool TabSetScroller = false;

 private:
  bool Horizontal() const;
  void DrawHalf(HDC dc, const RECT& half, int frame) const;
  void DrawPlainHalf(HDC dc, const RECT& half, int state, bool secondHalf) const;
  // Where the halves are drawn, in client coordinates.
  RECT DrawnArea(const RECT& client) const;
};
