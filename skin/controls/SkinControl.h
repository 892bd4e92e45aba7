// TSkinControl: the base of every object that skins one control. It takes
// over the control's message stream (the toolkit control's WindowProc, or a
// plain window's procedure), routes each message through BeforeProc and
// AfterProc, and paints the control from the skin through DrawControl.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "skin/core/SkinObjectList.h"
#include "skin/core/WindowHook.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/core/Component.h"

class TCanvas;
class TSkinData;
class TSkinControlHost;

// From the lower-cased text of a "BiDiMode" property: every mode but left to
// right reads right to left (only "bdrighttoleft" also swaps the alignment).
bool ReadsRightToLeft(const String& biDiMode);
class TWinControl;

// Where an object stands with its control.
enum TSkinControlState : int {
  scsCreated = 0,
  scsAttached = 1,
  scsReleased = 2,  // colour-only objects
  scsGone = 6,      // the window was destroyed; the form frees the object
};

// MouseState bits.
constexpr std::uint8_t msHot = 1;
constexpr std::uint8_t msPressed = 2;

class TSkinControl : public TComponent, public TSkinObjectBase, private TWindowHookTarget {
  TAPVANE_CLASS(TSkinControl)
 public:
  // The control is the owner, so an object goes when its control goes,
  // while the control's window is still whole. A plain window has none.
  explicit TSkinControl(TControl* control);
  ~TSkinControl() override;

  // Meant to be overridden by the skinned-control classes.
  virtual void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                        TCanvas* canvas);
  virtual void InitWindow(HWND handle, TSkinData* skinData, TSkinControlHost* form,
                          TCanvas* canvas);
  virtual void Unskin();
  // Answers whether the previous handler is to run; a consumed message
  // carries the Result stored here.
  virtual bool BeforeProc(TMessage& message);
  virtual void AfterProc(TMessage& message);
  virtual void PaintControl(HDC dc);
  // Rect is the whole window rectangle moved to the origin.
  virtual void DrawControl(HDC /*dc*/, const RECT& /*rect*/) {}
  virtual void SkinChange();
  // SKIN_SETACTIVE switched the skin of this control off or back on.
  virtual void ActiveChanged() {}
  // Whether the skin holds a picture this control can be drawn from. While
  // it does not, the control keeps the system's own look: its messages
  // reach it unchanged, as while the skin is switched off, and only the
  // skin's own query and the window's end are still answered here.
  virtual bool HasPicture() const { return true; }

  // Not meant to be overridden.
  void SkinWndProc(TMessage& message);
  void CallDefault(TMessage& message);
  // Invalidate and update at once (or invalidate the graphic control).
  void RequestRepaint();

  // TSkinObjectBase
  HWND Window() const override { return Handle; }
  void SkinChanged() override { SkinChange(); }
  void Release(bool restoreControl) override;
  bool Gone() const override { return State == scsGone; }

  std::uint8_t MouseState = 0;
  TCanvas* Canvas = nullptr;
  bool Enabled = false;
  bool Focused = false;
  WideString Caption;
  bool Active = true;
  bool Unicode = true;
  TSkinData* SkinData = nullptr;
  HWND Handle = nullptr;
  TControl* Control = nullptr;
  RECT WindowRect{};
  TControl* GraphicControl = nullptr;
  bool ChangeColor = false;
  TColor SavedColor = 0;
  bool Attached = false;
  int State = scsCreated;
  TSkinControlHost* Form = nullptr;
  int Mode = 0;
  bool ParentBackgroundWasTrue = false;

  bool HooksWindowProcedure() const { return hook_.Installed(); }
  bool HooksControlHandler() const { return link_ != nullptr; }

 protected:
  // The paint that most classes give WM_PAINT instead of the control's own:
  // the DC of wParam or of BeginPaint, DrawControl, consumed. A failed draw
  // is reported and dropped, as in PaintControl.
  void PaintInPlace(TMessage& message);
  // The parent's background into the DC of WM_ERASEBKGND; result 1.
  void EraseWithParentBackground(TMessage& message);
  // The toolkit control's mouse-down with the point of lParam, or with the
  // cursor's client position for controls too wide or tall for 16 bits.
  void ForwardMouseDown(TMessage& message);
  // DT_RTLREADING for controls that read right to left, else 0.
  UINT TextFlags() const;
  // A focus rectangle around Caption drawn in rect with the given alignment.
  void DrawFocusAroundText(HDC dc, UINT alignment, const RECT& rect);
  LONG_PTR WindowLong(int index) const;
  // Gives the window's up-down child (a tab strip's scroll arrows) its own
  // skin object, once: `arrows` keeps the window that has one.
  void SkinArrowsChild(HWND& arrows);
  // The window text of a plain window (wide, whatever the window is).
  WideString ReadWindowText() const;
  // The toolkit control being destroyed (its own destructors have run).
  bool ControlDying() const;
  // "ParentBackground" off at attach, back on at release, unless the skin
  // leaves it alone.
  void SwitchParentBackgroundOff();
  void RestoreParentBackground();
  // Install this object as Control's WindowProc, and put the saved one back
  // (windowless controls have no window procedure to replace).
  void HookControlHandler();
  void RestoreControlHandler();

 private:
  struct TControlHookLink;
  friend struct TSkinProcCall;

  LRESULT HookedMessage(TWindowHook& hook, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // DrawControl, with a failure reported as coming from place and dropped.
  void DrawKeepingFailures(HDC dc, const RECT& rect, const char* place);

  TWindowHook hook_{THookRole::Control, *this};
  std::shared_ptr<TControlHookLink> link_;
};
