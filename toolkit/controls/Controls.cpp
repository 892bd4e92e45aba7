#include "toolkit/controls/Controls.h"

#include <iterator>

#include "toolkit/controls/DeferredFree.h"
#include "toolkit/controls/MouseControl.h"
#include "toolkit/controls/PropertyTypes.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/graphics/ColorIdents.h"

namespace {

struct CursorName {
  TCursor cursor;
  const char* name;
  const wchar_t* system;
};

const CursorName kCursors[] = {
    {crDefault, "crDefault", IDC_ARROW},
    {crNone, "crNone", nullptr},
    {crArrow, "crArrow", IDC_ARROW},
    {crCross, "crCross", IDC_CROSS},
    {crIBeam, "crIBeam", IDC_IBEAM},
    {crSizeAll, "crSizeAll", IDC_SIZEALL},
    {crSizeNESW, "crSizeNESW", IDC_SIZENESW},
    {crSizeNS, "crSizeNS", IDC_SIZENS},
    {crSizeNWSE, "crSizeNWSE", IDC_SIZENWSE},
    {crSizeWE, "crSizeWE", IDC_SIZEWE},
    {crUpArrow, "crUpArrow", IDC_UPARROW},
    {crHourGlass, "crHourGlass", IDC_WAIT},
    {crNo, "crNo", IDC_NO},
    {crAppStart, "crAppStart", IDC_APPSTARTING},
    {crHelp, "crHelp", IDC_HELP},
    {crHandPoint, "crHandPoint", IDC_HAND},
};

// The identifiers layouts may name cursors by, in the table's order.
const TIntegerIdents& CursorIdents() {
  static const TIntegerIdents idents = [] {
    TIntegerIdents table;
    for (const CursorName& entry : kCursors) table.Values.emplace_back(entry.name, entry.cursor);
    return table;
  }();
  return idents;
}

TControlEventSink* eventSink = nullptr;

}  // namespace

void SetControlEventSink(TControlEventSink* sink) { eventSink = sink; }
TControlEventSink* ControlEventSink() { return eventSink; }

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TControl>("TControl", &TComponent::StaticClass())
          .Integer("Left", &TControl::Left, &TControl::SetLeft)
          .Integer("Top", &TControl::Top, &TControl::SetTop)
          .Integer("Width", &TControl::Width, &TControl::SetWidth)
          .Integer("Height", &TControl::Height, &TControl::SetHeight)
          .Enum("Align", AlignInfo(), &TControl::Align, &TControl::SetAlign)
          .Default(alNone)
          .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor)
          .Idents(CursorIdents())
          .Default(crDefault)
          .Str("Hint", &TControl::Hint, &TControl::SetHint)
          .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
          .Integer("Color", &TControl::Color, &TControl::SetColor)
          .Idents(ColorIdents())
          .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
          .Object("Font", &TControl::Font)
          .Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
          .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
          .Bool("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode)
          .Default(1)
          // One that follows its parent takes the mode from it on loading.
          .Enum("BiDiMode", BiDiModeInfo(), &TControl::BiDiMode, &TControl::SetBiDiMode)
          .Stored([](const TControl& c) { return !c.ParentBiDiMode(); })
          .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
          .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
          .Event("OnClick", &TControl::OnClick)
          .Event("OnDblClick", &TControl::OnDblClick)
          .Event("OnMouseDown", &TControl::OnMouseDown)
          .Event("OnMouseMove", &TControl::OnMouseMove)
          .Event("OnMouseUp", &TControl::OnMouseUp)
          .Event("OnMouseEnter", &TControl::OnMouseEnter)
          .Event("OnMouseLeave", &TControl::OnMouseLeave)
          .Build();
  return info;
}

HCURSOR CursorHandle(TCursor cursor) {
  for (const CursorName& entry : kCursors) {
    if (entry.cursor == cursor) {
      return entry.system ? LoadCursorW(nullptr, entry.system) : nullptr;
    }
  }
  return nullptr;
}

bool IdentToCursor(const String& ident, TCursor& cursor) {
  for (const CursorName& entry : kCursors) {
    if (SameText(ident, entry.name)) {
      cursor = entry.cursor;
      return true;
    }
  }
  return false;
}

String CursorToIdent(TCursor cursor) {
  for (const CursorName& entry : kCursors) {
    if (entry.cursor == cursor) return entry.name;
  }
  return IntToStr(cursor);
}

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState shift;
  if (keys & MK_SHIFT) shift.Include(ssShift);
  if (keys & MK_CONTROL) shift.Include(ssCtrl);
  if (keys & MK_LBUTTON) shift.Include(ssLeft);
  if (keys & MK_RBUTTON) shift.Include(ssRight);
  if (keys & MK_MBUTTON) shift.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  font_->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
  ForgetPendingFree(this);
  // Owned components may still use this control (its WindowProc above all).
  Destroying();
  DestroyComponents();
  ForgetMouseControl(this);
  if (eventSink) eventSink->ControlDestroyed(this);
  if (parent_) parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  const TDispatchScope dispatch;
  if (WindowProc) {
    WindowProc(message);
  } else {
    WndProc(message);
  }
  return message.Result;
}

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_PARENTFONTCHANGED:
      ParentFontChanged();
      break;
    case CM_PARENTCOLORCHANGED:
      ParentColorChanged();
      break;
    case CM_PARENTBIDIMODECHANGED:
      ParentBiDiModeChanged();
      break;
    case CM_MOUSEENTER:
      if (eventSink) eventSink->HintMouseEnter(this);
      if (OnMouseEnter) OnMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      if (eventSink) eventSink->HintMouseLeave(this);
      if (OnMouseLeave) OnMouseLeave(this);
      break;
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_BIDIMODECHANGED:
      if (!IsWindowed()) Invalidate();
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      HandleMouseMessage(message);
      break;
    default:
      break;
  }
  DefaultHandler(message);
}

void TControl::HandleMouseMessage(TMessage& message) {
  const int x = static_cast<short>(LOWORD(message.LParam));
  const int y = static_cast<short>(HIWORD(message.LParam));
  TShiftState shift = KeysToShiftState(message.WParam);
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      shift.Include(ssDouble);
      if (OnDblClick) OnDblClick(this);
      MouseDown(mbLeft, shift, x, y);
      break;
    case WM_LBUTTONDOWN:
      mouseCaptured_ = true;
      MouseDown(mbLeft, shift, x, y);
      break;
    case WM_LBUTTONUP: {
      const bool wasCaptured = std::exchange(mouseCaptured_, false);
      MouseUp(mbLeft, shift, x, y);
      if (clickOnRelease_ && wasCaptured && x >= 0 && y >= 0 && x < width_ && y < height_) Click();
      break;
    }
    case WM_RBUTTONDOWN:
      MouseDown(mbRight, shift, x, y);
      break;
    case WM_RBUTTONUP:
      MouseUp(mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
      MouseDown(mbMiddle, shift, x, y);
      break;
    case WM_MBUTTONUP:
      MouseUp(mbMiddle, shift, x, y);
      break;
    default:
      break;
  }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EComponentError("A control cannot be its own parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

bool TControl::HasParent() const { return true; }

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* winControl = dynamic_cast<TWinControl*>(parent)) SetParent(winControl);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
  if (parent_ && align_ != alNone) parent_->Realign();
  if (parent_) parent_->ChildBoundsChanged(this);
}

RECT TControl::ClientRect() const { return RECT{0, 0, width_, height_}; }

int TControl::ClientWidth() const {
  const RECT rect = ClientRect();
  return rect.right - rect.left;
}

int TControl::ClientHeight() const {
  const RECT rect = ClientRect();
  return rect.bottom - rect.top;
}

void TControl::SetClientSize(int width, int height) {
  const RECT client = ClientRect();
  SetBounds(left_, top_, width_ - (client.right - client.left) + width,
            height_ - (client.bottom - client.top) + height);
}

POINT TControl::ClientOrigin() const {
  if (!parent_) return POINT{left_, top_};
  const POINT origin = parent_->ClientOrigin();
  return POINT{origin.x + left_, origin.y + top_};
}

POINT TControl::ClientToScreen(POINT point) const {
  const POINT origin = ClientOrigin();
  return POINT{point.x + origin.x, point.y + origin.y};
}

POINT TControl::ScreenToClient(POINT point) const {
  const POINT origin = ClientOrigin();
  return POINT{point.x - origin.x, point.y - origin.y};
}

void TControl::SetAlign(TAlign value) {
  if (value == align_) return;
  align_ = value;
  if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool value) {
  if (value == visible_) return;
  if (!IsWindowed()) Invalidate();
  visible_ = value;
  Perform(CM_VISIBLECHANGED, value ? 1 : 0);
  if (parent_ && align_ != alNone) parent_->Realign();
}

bool TControl::Showing() const { return visible_ && (!parent_ || parent_->Showing()); }

void TControl::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const String& value) {
  if (GetText() == value) return;
  SetTextNow(value);
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor value) {
  parentColor_ = false;
  if (value == color_) return;
  color_ = value;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  if (value) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!parentColor_ || !parent_ || parent_->Color() == color_) return;
  color_ = parent_->Color();
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  const TRestoreOnExit<bool> setting(settingParentFont_, true);
  font_->Assign(parent_->Font());
}

void TControl::FontChanged() {
  if (!settingParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetShowHint(bool value) {
  parentShowHint_ = false;
  if (value == showHint_) return;
  showHint_ = value;
  Perform(CM_SHOWHINTCHANGED);
}

bool TControl::ShowHint() const {
  return parentShowHint_ && parent_ ? parent_->ShowHint() : showHint_;
}

void TControl::SetParentShowHint(bool value) { parentShowHint_ = value; }

void TControl::SetCursor(TCursor value) {
  if (value == cursor_) return;
  cursor_ = value;
  Perform(CM_CURSORCHANGED);
}

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
  const RECT rect = BoundsRect();
  InvalidateRect(parent_->Handle(), &rect, TRUE);
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parentFont_) ParentFontChanged();
  if (parentColor_) ParentColorChanged();
  if (parentBiDiMode_) ParentBiDiModeChanged();
}
