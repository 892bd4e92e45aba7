// TWScrollbar: a small window of ours laid exactly over one native scroll
// bar and painted from the skin's scroll-bar images. The native bar keeps
// doing the scrolling: presses on the cover are handed back to it as the
// non-client presses it would have had, so the cover only shows its state.
// The right button goes back to it too (its context menu is its own), and
// the pointer over the cover shows the covered control's hint.
#pragma once

#include <windows.h>

#include <memory>

class TCoverHint;
class TSkinData;

// Which bar a cover lies over.
enum TScrollCoverKind : int {
  sbkHorizontal = 0,  // the window's own horizontal bar
  sbkVertical = 1,    // the window's own vertical bar
  sbkControl = 2,     // a scroll bar control
};

// Highlighted parts: the scroll codes the native bar sends for them.
enum TScrollPart : int {
  spNone = -1,
  spFirstArrow = SB_LINEUP,
  spSecondArrow = SB_LINEDOWN,
  spTrackBefore = SB_PAGEUP,
  spTrackAfter = SB_PAGEDOWN,
  spThumb = SB_THUMBTRACK,
};

class TWScrollbar {
 public:
  // The cover is a hidden child of the target's parent until placed.
  TWScrollbar(TSkinData* skinData, HWND target, TScrollCoverKind kind);
  ~TWScrollbar();
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  HWND Window() const { return window_; }
  // Lays the cover over the bar, or hides it when the bar is not showing.
  void Place();
  void Hide();
  void Invalidate() const;
  void SetEnabled(bool enabled) const;
  // The cover's picture composed into dc at the origin; nothing when the
  // bar's geometry cannot be read or does not fit the cover.
  void Paint(HDC dc);
  // The part under a point along the bar's axis.
  int HitTest(int along) const;

  TSkinData* SkinData = nullptr;
  HWND Target = nullptr;
  TScrollCoverKind BarKind = sbkVertical;
  bool Vertical = true;
  int ArrowSize = 0;
  int Length = 0;
  int ThumbStart = 0;
  int ThumbEnd = 0;
  RECT BarRect{};  // in the target's client coordinates
  POINT ScreenOrigin{};
  int Part = spNone;
  bool Pressed = false;
  POINT DragCursor{};
  int DragThumbStart = 0;
  bool Shown = false;

 private:
  static LRESULT CALLBACK CoverProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  bool ReadBar(SCROLLBARINFO& info) const;
  bool AboveTarget() const;
  int Along(POINT point) const { return Vertical ? point.y : point.x; }
  void MouseMove(POINT point);
  void MouseLeave();
  void ButtonDown(POINT point);
  void ButtonUp(POINT point);
  // The right button's messages, as the bar would have had them.
  void RightButton(UINT msg, WPARAM keys, POINT point);
  void PaintWindow();
  // Where the thumb is drawn: under the pointer while it is dragged.
  void FollowThumb(const SCROLLBARINFO& info);

  HWND window_ = nullptr;
  std::unique_ptr<TCoverHint> hint_;
  // Outlives the object only while a press waits for the native bar, so
  // that the press can tell whether the cover went meanwhile.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The two covers of a window's own scroll bars, as the skinned-control
// classes that scroll keep them.
struct TScrollCoverPair {
  void Create(TSkinData* skinData, HWND target);
  void Place();
  void Hide();
  void PlaceOrHide(bool place) { place ? Place() : Hide(); }
  void InvalidateShown();
  void SetEnabled(bool enabled);
  void Free();
  // The square between the two bars when both are shown, in the target's
  // window coordinates.
  bool Corner(HWND target, RECT& corner) const;

  std::unique_ptr<TWScrollbar> HorzBar;
  std::unique_ptr<TWScrollbar> VertBar;
};
