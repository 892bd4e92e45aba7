// TFormFrame: the skinned frame's geometry. The border widths the skin's
// images give, the menu bar band under the caption, the client area the
// system is told about, hit testing, the window's size kept around its client
// while the frame changes, and the window region cut from the border images.
#pragma once

#include <windows.h>

class TWinSkinForm;

class TFormFrame {
 public:
  explicit TFormFrame(TWinSkinForm& form) : form_(form) {}
  TFormFrame(const TFormFrame&) = delete;
  TFormFrame& operator=(const TFormFrame&) = delete;

  // Widths (NonClientGeometry.cpp).
  // False while there is no skin to read them from.
  bool Compute();
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Right() const { return right_; }
  int Bottom() const { return bottom_; }
  // The menu bar band between caption and client; 0 without a bar.
  int MenuBarHeight() const { return menuBarHeight_; }
  void SetMenuBarHeight(int height) { menuBarHeight_ = height; }

  // The window's size at the last frame paint.
  int WindowWidth() const { return windowWidth_; }
  int WindowHeight() const { return windowHeight_; }
  // Reads the window's size; false when it is gone.
  bool ReadWindowSize();

  // A screen point in window coordinates.
  POINT ScreenToWindow(LPARAM point) const;
  // The client rectangle inside a window placed at pos.
  RECT ClientFor(const WINDOWPOS& pos) const;
  // Where the skin's caption decides a hit the system gave to the caption or
  // to nothing.
  LRESULT HitTest(LRESULT system, LPARAM point) const;

  // Sizes (NonClientGeometry.cpp, FitWindow.cpp).
  // The client area and the system's frame around it, read at SKIN_INIT.
  void RecordStandardFrame();
  // The outer size for the skinned frame around the same client area.
  void FitWindow(bool rereadClient);
  // The outer size back to the system's frame around the same client area
  // (and the system's menu bar, when the window has its menu again).
  void ResizeToStandardFrame(bool menuGivenBack) const;
  const RECT& StandardFrameSize() const { return stdFrameSize_; }

  // The window region (WindowRegion.cpp, MaximisedRegion.cpp).
  void BuildRegion();
  // The region for a window of w by h, whatever its size is now.
  void BuildRegion(int w, int h);
  void RemoveRegion();
  // Shapes the window for its maximised size before it is maximised.
  void PrepareMaximisedRegion();
  // The window gives up its region (it is being unskinned).
  void ForgetRegion();
  bool HasRegion() const { return hasRegion_; }
  int RegionWidth() const { return regionWidth_; }
  int RegionHeight() const { return regionHeight_; }

 private:
  int FitWidthToCaption(int width);
  void MoveIntoScreen(RECT& window, int width, int height, UINT& flags) const;
  bool RegionCurrent(int w, int h) const;
  void CutRegion(int w, int h);

  TWinSkinForm& form_;
  int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
  int menuBarHeight_ = 0;
  RECT clientRect_{};
  RECT stdFrameSize_{};
  int windowWidth_ = 0, windowHeight_ = 0;
  int regionWidth_ = 0, regionHeight_ = 0;
  bool hasRegion_ = false;
};
