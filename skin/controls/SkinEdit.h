// TSkinEdit: edits keep their own painting; the skin draws a shadow frame
// and two white rings over the border they drew.
#pragma once

#include "skin/controls/SkinControl.h"

class TSkinData;

// The skin's border over a window's own: a "ButtonShadow" frame and two
// white rings inside it; nothing for a window without a border. Rect is
// the whole window at the origin.
void DrawEditBorder(HDC dc, const RECT& rect, HWND window, const TSkinData& skinData);

class TSkinEdit : public TSkinControl {
  TAPVANE_CLASS(TSkinEdit)
 public:
  using TSkinControl::TSkinControl;

  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The skin object of the up-down button living inside the edit, once
  // made; it sits in the form's list like any other.
  TSkinControl* UpDown() const;

 private:
  // The frame of WM_PRINT: the DC's own brush inside, the shadow outside.
  void DrawPrintFrame(HDC dc);
  void SkinEmbeddedUpDown();
  HWND upDownWindow_ = nullptr;
};
