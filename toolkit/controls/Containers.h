// Group boxes and panels: windows the toolkit paints, holding other controls.
#pragma once

#include "toolkit/controls/WinControl.h"

class TGroupBox : public TCustomControl {
  TAPVANE_CLASS(TGroupBox)
 public:
  explicit TGroupBox(TComponent* owner);
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
};

class TPanel : public TCustomControl {
  TAPVANE_CLASS(TPanel)
 public:
  explicit TPanel(TComponent* owner);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  RECT AdjustedClientRect() const override;

 private:
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  TAlignment alignment_ = taCenter;
};
