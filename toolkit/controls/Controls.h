// The base of every visual control: bounds, visibility, caption, colour,
// font, hint, cursor, mouse events and the replaceable message handler.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "toolkit/controls/Messages.h"
#include "toolkit/core/Classes.h"
#include "toolkit/core/Events.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/GraphicsObjects.h"

class TControl;
class TWinControl;

// What the application hears from every control: the mouse entering and
// leaving (hints) and a control going. The application installs itself, so
// that controls need not know it.
class TControlEventSink {
 public:
  virtual void HintMouseEnter(TControl* control) = 0;
  virtual void HintMouseLeave(TControl* control) = 0;
  virtual void ControlDestroyed(TControl* control) = 0;

 protected:
  ~TControlEventSink() = default;
};
// nullptr uninstalls; the sink must outlive every control it hears about.
void SetControlEventSink(TControlEventSink* sink);
TControlEventSink* ControlEventSink();

// The handler every message of a control goes through; code may save it,
// install its own and call the saved one.
using TWndMethod = std::function<void(TMessage&)>;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
enum TBevelEdge { beLeft, beTop, beRight, beBottom };
// Reading order and alignment: NoAlign reads right to left and keeps the
// scroll bar on the left but not the alignment; ReadingOnly changes only
// the reading order.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
using TBevelEdges = TSet<TBevelEdge>;

// Edits use the first two; forms all of them.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

using TMouseEvent = std::function<void(TObject*, TMouseButton, TShiftState, int, int)>;

// Cursor identifiers as a classic component library numbers them.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
// The system cursor of a cursor identifier (nullptr for crNone/unknown).
HCURSOR CursorHandle(TCursor cursor);
// "crHandPoint" <-> -21, for layouts that name cursors.
bool IdentToCursor(const String& ident, TCursor& cursor);
String CursorToIdent(TCursor cursor);

TShiftState KeysToShiftState(WPARAM keys);

class TControl : public TComponent {
  TAPVANE_CLASS(TControl)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // The current message handler; initially it calls WndProc.
  TWndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void WndProc(TMessage& message);
  // What happens to a message nobody handled.
  virtual void DefaultHandler(TMessage& message);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  TComponent* GetParentComponent() const override;
  bool HasParent() const override;
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const;
  int ClientWidth() const;
  int ClientHeight() const;
  virtual void SetClientSize(int width, int height);
  POINT ClientToScreen(POINT point) const;
  POINT ScreenToClient(POINT point) const;
  // Client coordinates of the first native window up the chain.
  virtual POINT ClientOrigin() const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible together with every parent.
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  // The caption or text; a native window's own text wins once it exists.
  String Caption() const { return GetText(); }
  void SetCaption(const String& value) { SetText(value); }
  String Text() const { return GetText(); }
  void SetText(const String& value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* value) { font_->Assign(value); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  const String& Hint() const { return hint_; }
  void SetHint(const String& value) { hint_ = value; }
  bool ShowHint() const;
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);
  // A control that follows its parent's BiDiMode takes every change of it.
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool value);
  bool UseRightToLeftReading() const { return biDiMode_ != bdLeftToRight; }
  bool UseRightToLeftAlignment() const { return biDiMode_ == bdRightToLeft; }
  bool UseRightToLeftScrollBar() const {
    return biDiMode_ == bdRightToLeft || biDiMode_ == bdRightToLeftNoAlign;
  }
  // The extended window styles that carry BiDiMode.
  DWORD BiDiModeExStyle() const;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  virtual void Invalidate();
  // Paints what is invalid now.
  virtual void Update();
  void Repaint() {
    Invalidate();
    Update();
  }

  // Mouse handlers; public because skinned controls forward presses they took.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void Click();

  void Loaded() override;

 protected:
  virtual String GetText() const { return caption_; }
  virtual void SetTextNow(const String& value) { caption_ = value; }
  virtual bool IsWindowed() const { return false; }
  // Whether a mouse release over the control raises OnClick (labels, images).
  bool clickOnRelease_ = false;
  bool mouseCaptured_ = false;
  String caption_;

  // Messages the base understands; descendants call it for the rest.
  void HandleMouseMessage(TMessage& message);

  void ParentFontChanged();
  void ParentColorChanged();
  void ParentBiDiModeChanged();
  void FontChanged();

 private:
  friend class TWinControl;
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool settingParentFont_ = false;
  String hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TCursor cursor_ = crDefault;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
};
