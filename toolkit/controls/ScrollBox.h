// A scrolling container: the system's own scroll bars appear when the
// children reach past the client area, and scrolling moves the children.
#pragma once

#include "toolkit/controls/WinControl.h"

class TScrollBox : public TWinControl {
  TAPVANE_CLASS(TScrollBox)
 public:
  // Pixels one arrow click scrolls.
  static constexpr int kLineStep = 8;

  explicit TScrollBox(TComponent* owner);

  // How far the children are scrolled (0 at the top left).
  int ScrollX() const { return scrollX_; }
  int ScrollY() const { return scrollY_; }
  // Moves the children so that (x, y) of the content is at the top left.
  void ScrollTo(int x, int y);
  // The ranges again from the children's extent; the box does it itself
  // when it or a child is moved or sized, and when it is made or shown.
  void UpdateScrollRange();

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void Loaded() override;
  void ChildBoundsChanged(TControl* child) override;

 private:
  // The content's size: the farthest right and bottom edge of a child,
  // counted from the unscrolled origin.
  SIZE ContentExtent() const;
  void Scrolled(int bar, int code);
  int MaxScroll(int bar) const;

  int scrollX_ = 0;
  int scrollY_ = 0;
  SIZE extent_{};
  bool moving_ = false;
};
