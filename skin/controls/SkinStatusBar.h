// TSkinStatusBar: the status bar drawn whole from the skin: face colour,
// one "StatusBarEdges" frame per panel by its bevel, the panel texts and
// the size grip, composed off-screen and copied in one BitBlt.
#pragma once

#include "skin/controls/SkinControl.h"

class TBitmap;

// Frames of the "StatusBarEdges" strip.
enum TStatusBevelFrame : int {
  sbfLowered = 1,
  sbfRaised = 2,
  sbfNone = 3,
};

// Every status bar of the process composes in this one bitmap; each draw
// runs to its end in the GUI thread, so they never meet.
TBitmap& StatusBarPicture();

class TSkinStatusBar : public TSkinControl {
  TAPVANE_CLASS(TSkinStatusBar)
 public:
  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 private:
  void DrawSimple(HDC dc, const RECT& rect);
  void DrawPanels(HDC dc, const RECT& rect, int count);
  void DrawBevel(HDC dc, const RECT& rect, int bevel);
  void DrawSizeGrip(HDC dc, const RECT& rect);
  // The panel objects as the control publishes them (none for a plain bar).
  TObject* Panel(int index) const;
  int PanelCount() const;
  void RunPanelEvents(HDC dc, int count);
};
