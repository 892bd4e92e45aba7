// TSkinHeader: the items of a header control drawn from the skin's
// "Headerbar" element, frame 2 for the item under the mouse and frame 1 for
// the others, with each item's text and image over it. The native header
// keeps its mouse handling, so dividers still resize the columns.
#pragma once

#include <vector>

#include "skin/controls/SkinControl.h"

// DrawText's alignment for a header item's format (HDF_LEFT, HDF_RIGHT,
// HDF_CENTER).
UINT HeaderTextAlignment(int format);

class TSkinHeader : public TSkinControl {
  TAPVANE_CLASS(TSkinHeader)
 public:
  using TSkinControl::TSkinControl;

  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  void InitWindow(HWND handle, TSkinData* skinData, TSkinControlHost* form,
                  TCanvas* canvas) override;
  void Unskin() override;
  bool HasPicture() const override;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The item under the mouse, -1 when none.
  int HotItem = -1;
  // Every item's rectangle at the last draw, in item order.
  std::vector<RECT> ItemRects;

 private:
  bool HasImage() const;
  // The item whose rectangle of the last draw holds the point, or -1.
  int ItemAt(POINT point) const;
  void SetHotItem(int item);
  void DrawItem(HDC dc, int index, const RECT& rect, bool hot);
};
