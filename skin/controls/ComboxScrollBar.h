// TComboxScrollBar: the vertical scroll bar of a combo box's drop-down list,
// painted from the skin straight into the list's non-client area. The list
// keeps scrolling natively; only a drag of the thumb runs our own loop,
// since the system's would paint its own thumb over ours as it goes.
#pragma once

#include <memory>

#include "skin/controls/SkinControl.h"

// Where a thumb dragged `moved` pixels from `startOffset` puts the list's
// top: min + offset x span / track, clamped so that the last page can be
// reached and never passed. `page` 0 means the bar has none.
int ComboxDragPosition(int startOffset, int moved, int track, int min, int max, int page);

class TComboxScrollBar : public TSkinControl {
  TAPVANE_CLASS(TComboxScrollBar)
 public:
  explicit TComboxScrollBar(TControl* control);
  ~TComboxScrollBar() override;

  void Unskin() override;
  bool HasPicture() const override;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  int ArrowSize = 0;
  int ThumbStart = 0;
  int ThumbEnd = 0;
  int Part = -1;
  bool Pressed = false;
  bool Dragging = false;

 private:
  // True when the press landed on the thumb and the drag ran.
  bool DragThumb(POINT screenPoint);
  struct TThumbDrag;
  // False when the press missed the thumb or the bar has no room to move.
  bool MeasureThumbDrag(POINT screenPoint, TThumbDrag& drag) const;
  // alive turns false when this object goes meanwhile.
  void RunThumbDrag(TThumbDrag& drag, const bool& alive);
  void FollowPointer(TThumbDrag& drag, const bool& alive);
  void PaintBar();

  // Outlives the object only while a drag runs, so that the loop can tell
  // whether the object went meanwhile.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
