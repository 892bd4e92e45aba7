// TSkinScControl: a scroll bar control covered by one window of ours that
// the skin paints; presses on it go back to the control, whose own tracking
// does the scrolling.
#pragma once

#include <memory>

#include "skin/controls/ScrollCover.h"
#include "skin/controls/SkinControl.h"

class TSkinScControl : public TSkinControl {
  TAPVANE_CLASS(TSkinScControl)
 public:
  using TSkinControl::TSkinControl;
  ~TSkinScControl() override;

  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  void Unskin() override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void ActiveChanged() override;

  std::unique_ptr<TWScrollbar> Cover;

 private:
  // Lays the cover over the control with the orientation it has now.
  void PlaceCover();
  // The control was given a new window (turned on its side, say).
  void TakeNewWindow();
  bool unskinned_ = false;
};
