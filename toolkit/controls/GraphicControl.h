// A control without a window of its own: its parent paints it and hands it
// the mouse messages that fall inside it.
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
  // Called by the parent's WM_PAINT with the origin moved to the control.
  void PaintTo(HDC dc);

 protected:
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> canvas_;
};
