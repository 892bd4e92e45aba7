// A control backed by a native Unicode window, created when first needed.
#pragma once

#include <string>
#include <vector>

#include "toolkit/controls/Controls.h"
#include "toolkit/controls/CreateParams.h"
#include "toolkit/graphics/ScopedHandles.h"

// The one window procedure of every toolkit window: it finds the control of
// the window (see ControlInSlot) and hands the message to the control's
// WindowProc; nothing else lives there.
LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

class TWinControl : public TControl {
  TAPVANE_CLASS(TWinControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded();
  // The window procedure messages not handled go to (the system class's, or
  // DefWindowProcW).
  void DefaultHandler(TMessage& message) override;
  void WndProc(TMessage& message) override;

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // The visible, enabled control at a client point (graphic controls too).
  TControl* ControlAtPos(POINT point, bool allowDisabled = false) const;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  int TabOrder() const;
  void SetTabOrder(int value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  // Every windowed descendant in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // The next (or previous) control with a tab stop after current.
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                               bool checkParent) const;
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool value);

  // A bevel in the non-client area around the client rectangle.
  TBevelKind BevelKind() const { return bevelKind_; }
  void SetBevelKind(TBevelKind value);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  TBevelEdges BevelEdges() const { return bevelEdges_; }
  void SetBevelEdges(TBevelEdges value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);

  RECT ClientRect() const override;
  POINT ClientOrigin() const override;
  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  void Update() override;
  bool Showing() const override;
  // Lays out the aligned children again.
  void Realign();
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();

  // Paints the visible windowless children into dc (client coordinates),
  // from first (nullptr: all) upwards in z-order: each gets WM_PAINT through
  // its WindowProc with the origin moved to it and clipped to its bounds.
  // Public for code that paints this control in place of its own handler.
  void PaintControls(HDC dc, TControl* first);
  // Hands message to every child's WindowProc in child order, stopping at
  // the first that sets a Result other than 0.
  void Broadcast(TMessage& message);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // The toolkit control that owns a window of this thread, or nullptr.
  static TWinControl* FindControl(HWND window);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // After the window exists: state the window keeps is handed to it.
  virtual void CreateHandleDone() {}
  // Before the window goes: state the window kept is taken back.
  virtual void DestroyWnd();
  void DestroyHandle();
  void RecreateWnd();
  virtual void AlignControls(RECT& rect);
  // The part of the client area aligned children share (tab sheets' page).
  virtual RECT AdjustedClientRect() const { return ClientRect(); }
  // A child control was moved or sized (by code; a container whose size
  // follows its children's extent listens).
  virtual void ChildBoundsChanged(TControl* /*child*/) {}
  // A control at any depth below this one is leaving its parent (a form
  // forgets it as its active control).
  virtual void ChildRemoved(TControl* /*control*/) {}
  virtual void PaintWindow(HDC dc);
  void PaintHandler(TMessage& message);
  // Fills the background with Color; used by windows of the toolkit's own.
  void EraseBackground(HDC dc);
  // The brush of Color for WM_CTLCOLOR* answers and the background.
  HBRUSH ColorBrush();
  String GetText() const override;
  void SetTextNow(const String& value) override;
  bool IsWindowed() const override { return true; }
  void Loaded() override;
  void UpdateBoundsFromWindow();

  bool customPaint_ = false;  // the toolkit paints the window itself

 private:
  friend class TControl;
  friend LRESULT CALLBACK ToolkitWindowProc(HWND, UINT, WPARAM, LPARAM);
  // WndProc's parts; each but the last says whether it consumed the message.
  bool ReflectToChild(TMessage& message);
  bool PaintMessage(TMessage& message);
  bool BevelMessage(TMessage& message);
  bool MouseMessage(TMessage& message);
  void FollowWindowState(TMessage& message);
  HWND NotifyingChild(const TMessage& message) const;
  void FocusReceived();
  void HandleMouseForChildren(TMessage& message);
  void HandleSetCursor(TMessage& message);
  void AttachWindow(HWND window);
  void DetachWindow();
  void UpdateTabOrder(int value);
  void ApplyFontToWindow();
  void ApplyBiDiModeToWindow();
  int BevelSize() const;
  void BevelChanged();
  void CalcBevelSize(TMessage& message);
  void PaintBevel();

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;  // children in z-order, bottom first
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  int pendingTabOrder_ = -1;
  bool parentBackground_ = true;
  TBevelKind bevelKind_ = bkNone;
  TBevelCut bevelInner_ = bvRaised;
  TBevelCut bevelOuter_ = bvLowered;
  TBevelEdges bevelEdges_{beLeft, beTop, beRight, beBottom};
  int bevelWidth_ = 1;
  int alignDisabled_ = 0;
  bool aligning_ = false;
  bool destroyingHandle_ = false;
  TColor brushColor_ = clNone;
  TBrushHandle brush_;
  TControl* captureControl_ = nullptr;
};

// A windowed control the toolkit paints itself, through its Canvas.
class TCustomControl : public TWinControl {
  TAPVANE_CLASS(TCustomControl)
 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  TCanvas* Canvas() const { return canvas_.get(); }
  TNotifyEvent OnPaint;

 protected:
  virtual void Paint();
  void PaintWindow(HDC dc) override;

 private:
  std::unique_ptr<TCanvas> canvas_;
};
