// A windowless button painted by its parent: its paint arrives as WM_PAINT
// through WindowProc (see TGraphicControl), so code that replaced the
// handler draws it instead. With a GroupIndex it stays down when clicked,
// and only one button of a group on one parent is down at a time.
#pragma once

#include <memory>

#include "toolkit/controls/GlyphButtonProperties.h"
#include "toolkit/controls/GraphicControl.h"

class TSpeedButton : public TGraphicControl, public TGlyphButtonProperties {
  TAPVANE_CLASS(TSpeedButton)
 public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;

  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  // Only a grouped button stays down; the last down button of a group
  // without AllowAllUp cannot be raised.
  bool Down() const { return down_; }
  void SetDown(bool value);
  // A flat button shows its frame only under the mouse or pressed.
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  // What the button shows now: up, disabled, pressed, or staying down.
  TButtonState State() const;
  bool MouseInControl() const { return mouseInControl_; }

  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 protected:
  void Paint() override;

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
  void RaiseOthersInGroup();
  void SetPressed(bool value);

  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool down_ = false;
  bool flat_ = false;
  bool dragging_ = false;
  bool pressed_ = false;
  bool mouseInControl_ = false;
};
