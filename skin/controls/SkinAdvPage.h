// TSkinAdvPage: page controls of other libraries that draw their own tabs
// from two bitmap properties. The object paints nothing itself: it renders
// the skin's "Tabs" frames 1 and 2 into "TabBackGround" and
// "TabBackGroundActive", and skins the control's scroll arrows.
#pragma once

#include "skin/controls/SkinControl.h"

class TBitmap;

// Size of the tab pictures handed to the control.
constexpr int kAdvTabWidth = 100;
constexpr int kAdvTabHeight = 21;

class TSkinAdvPage : public TSkinControl {
  TAPVANE_CLASS(TSkinAdvPage)
 public:
  using TSkinControl::TSkinControl;

  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  void Unskin() override;
  bool HasPicture() const override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void SkinChange() override;

  // The mode discovery preset (4 for the kind that takes pictures); the
  // base may change Mode itself while attaching.
  int PageMode = 0;
  // The control's scroll arrows, once their object is attached.
  HWND ArrowsWindow = nullptr;

 private:
  void RenderPictures();
  void SetPicture(const char* property, const TBitmap* picture);
};
