// TSkinTab: tab controls and page controls whose tabs are drawn as tabs.
// The tab strip is composed off-screen over the parent's colour from the
// skin's "Tabs" frames (1 unselected, 2 selected), and the page frame is
// drawn from the "Tabs" border or the "Tab.Pane" image; both are prepared
// once for the side the tabs sit on.
#pragma once

#include <memory>
#include <vector>

#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinTabItems.h"

class TBitmap;

// A page control with this Tag and its tabs on top shows close boxes.
constexpr int kCloseBoxTag = 7777;

class TSkinTab : public TSkinControl {
  TAPVANE_CLASS(TSkinTab)
 public:
  explicit TSkinTab(TControl* control);
  ~TSkinTab() override;

  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  void InitWindow(HWND handle, TSkinData* skinData, TSkinControlHost* form,
                  TCanvas* canvas) override;
  bool HasPicture() const override;
  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void SkinChange() override;

  // The close box of each tab at the last draw (empty for a skipped tab),
  // in the tab control's client coordinates.
  std::vector<RECT> TabCloseRects;
  TTabOrientation Orientation = toTop;
  std::unique_ptr<TBitmap> TabImage, PaneImage, Strip;
  // The tab control's scroll arrows, once looked for.
  HWND ArrowsWindow = nullptr;
  bool CloseButtons = false;

 private:
  void AfterAttach();
  void PrepareImages();
  void FindScrollArrows();
  // The page frame's margins, turned with the pane image.
  RECT PaneMargins() const;
  void DrawStrip(HDC dc, const RECT& rect, const RECT& display);
  void DrawTab(HDC dc, const TTabItem& item, const RECT& tab, bool current, HIMAGELIST images);
  void DrawCloseBox(HDC dc, const RECT& tab, size_t index);
  void CopyStrip(HDC dc, const RECT& area);
  bool PressCloseBox(TMessage& message);
  void PaintWindowlessChildren(HDC dc);

  // The "Tabs" margins, turned with the tab image.
  RECT tabMargins_{};
  RECT paneMargins_{};
};
