// TSkinMenuButton: a button with a drop-down arrow: glyph, caption and a
// small triangle in a row over the skin's "Buttons" frame.
#pragma once

#include "skin/controls/SkinButton.h"

class TSkinMenuButton : public TSkinButton {
  TAPVANE_CLASS(TSkinMenuButton)
 public:
  using TSkinButton::TSkinButton;

  void DrawControl(HDC dc, const RECT& rect) override;

  // The arrow's centre at the last draw, in window coordinates.
  POINT LastArrow{};
};
