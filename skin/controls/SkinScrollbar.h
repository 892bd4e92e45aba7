// Scroll bars of scrolling controls, covered by windows of ours that the
// skin paints (ScrollCover.h): TSkinScrollbar for toolkit controls (list
// boxes and the like), TSkinScrollbarH for plain windows with standard bars.
#pragma once

#include "skin/controls/ScrollCover.h"
#include "skin/controls/SkinControl.h"

class TSkinScrollbar : public TSkinControl {
  TAPVANE_CLASS(TSkinScrollbar)
 public:
  using TSkinControl::TSkinControl;

  // Attach to a toolkit control whose scroll bars are to be covered.
  virtual void InitScroll(TControl* control, TSkinData* skinData, TSkinControlHost* form,
                          TCanvas* canvas);
  void Unskin() override;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void SkinChange() override;
  void ActiveChanged() override;

  TScrollCoverPair Covers;
  // The skin's two-pixel border in the non-client area.
  bool DrawBorder = false;

 private:
  void DrawSkinBorder(HDC dc);
  // "FixedColor" was switched to the skin's face colour at attach.
  bool fixedColorChanged_ = false;
  bool unskinned_ = false;
};

class TSkinScrollbarH : public TSkinControl {
  TAPVANE_CLASS(TSkinScrollbarH)
 public:
  using TSkinControl::TSkinControl;

  void InitWindow(HWND handle, TSkinData* skinData, TSkinControlHost* form,
                  TCanvas* canvas) override;
  void Unskin() override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void ActiveChanged() override;

  TScrollCoverPair Covers;

 private:
  bool unskinned_ = false;
};
