// A control without a window of its own: its parent paints it and hands it
// the mouse messages that fall inside it.
//
// The parent paints it by sending WM_PAINT through WindowProc with the DC in
// WParam, its origin moved to the control and clipped to its bounds; the
// default handling paints through Canvas. Code that replaced WindowProc can
// so paint the control itself, or paint over what the saved handler drew.
#pragma once

#include <memory>

#include "toolkit/controls/Controls.h"

class TGraphicControl : public TControl {
  TAPVANE_CLASS(TGraphicControl)
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  // Bound to the parent's device context only while Paint runs.
  TCanvas* Canvas() const { return canvas_.get(); }
  // Paints through Canvas into dc, whose origin is the control's top-left.
  void PaintTo(HDC dc);
  void WndProc(TMessage& message) override;

 protected:
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> canvas_;
};
