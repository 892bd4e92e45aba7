#include "skin/controls/SkinDateTime.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/SkinDrawing.h"
#include "skin/controls/SkinEdit.h"
#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr int kNormalCell = 1;
constexpr int kHotCell = 4;
// The picker's sunken edge: the arrow sits inside it.
constexpr int kEdge = 2;

}  // namespace

const TClassInfo& TArrowButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TArrowButton>("TArrowButton", &TCustomControl::StaticClass()).Build();
  return info;
}

TArrowButton::TArrowButton(TComponent* owner, TWinControl* picker, TSkinData* skinData)
    : TCustomControl(owner), picker_(picker), skinData_(skinData) {}

void TArrowButton::SetHot(bool value) {
  if (value == hot_) return;
  hot_ = value;
  Invalidate();
}

void TArrowButton::SetSkinData(TSkinData* value) {
  skinData_ = value;
  Invalidate();
}

void TArrowButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case SKIN_QUERY:
      // Part of a skin already: nothing is to skin it again.
      message.Result = 1;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;  // Paint covers every pixel
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (picker_->Enabled()) SetHot(message.Msg == CM_MOUSEENTER);
      break;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

void TArrowButton::Paint() {
  const HDC dc = Canvas()->Handle();
  const RECT client = ClientRect();
  FillFace(dc, client, skinData_);
  const TDataSkinObject* arrow = skinData_ ? skinData_->Skin().ComboxArrow.get() : nullptr;
  if (!arrow || arrow->Image->Empty()) return;
  const int cells = std::max(arrow->Frame, 1);
  DrawStripCell(dc, *arrow->Image, cells, std::min(hot_ ? kHotCell : kNormalCell, cells), client);
}

// The picker drops its calendar for a click on its own button. That button
// lies under the arrow, except on a mirrored arrow (WS_EX_LEFTSCROLLBAR):
// the picker keeps its button at the right, where it says it is when asked.
POINT TArrowButton::PickerButtonPoint(int x, int y) {
  const HWND picker = picker_->Handle();
  DATETIMEPICKERINFO info{};
  info.cbSize = sizeof info;
  if (SendMessageW(picker, DTM_GETDATETIMEPICKERINFO, 0, reinterpret_cast<LPARAM>(&info)) &&
      !IsRectEmpty(&info.rcButton)) {
    return POINT{(info.rcButton.left + info.rcButton.right) / 2,
                 (info.rcButton.top + info.rcButton.bottom) / 2};
  }
  RECT client{};
  GetClientRect(picker, &client);
  return POINT{client.right - Width() + x, Top() + y};
}

void TArrowButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !picker_->HandleAllocated()) return;
  const POINT at = PickerButtonPoint(x, y);
  PostMessageW(picker_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageW(picker_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

void TArrowButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (button == mbLeft) picker_->SetFocus();
}

const TClassInfo& TSkinDateTime::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinDateTime>("TSkinDateTime", &TSkinControl::StaticClass()).Build();
  return info;
}

void TSkinDateTime::InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                             TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::InitSkin(form, skinData, changeColor, canvas);
  auto* picker = dynamic_cast<TWinControl*>(Control);
  if (!Attached || !picker) return;
  const LONG_PTR style = WindowLong(GWL_STYLE);
  if (!(style & WS_CLIPCHILDREN)) {
    SetWindowLongPtrW(Handle, GWL_STYLE, style | WS_CLIPCHILDREN);
    addedClipChildren_ = true;
  }
  // A picker with spin arrows has no calendar to drop, and a panel over
  // its arrows would only take their clicks away.
  if (style & DTS_UPDOWN) return;
  arrow_ = new TArrowButton(this, picker, SkinData);
  arrow_->SetParent(picker);
  PlaceArrow();
}

void TSkinDateTime::PlaceArrow() {
  if (!arrow_ || !Control) return;
  const int width = GetSystemMetrics(SM_CXHSCROLL);
  const int height = std::max(Control->Height() - 2 * kEdge, 0);
  const bool left = (WindowLong(GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  const int x = left ? kEdge : std::max(Control->Width() - width - 2 * kEdge, 0);
  arrow_->SetBounds(x, 0, width, height);
}

void TSkinDateTime::RemoveArrow() {
  delete arrow_;  // Notification clears arrow_
  arrow_ = nullptr;
}

void TSkinDateTime::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == opRemove && component == arrow_) arrow_ = nullptr;
}

void TSkinDateTime::Unskin() {
  const bool wasActive = Active;
  TSkinControl::Unskin();
  if (!wasActive || State == scsGone) return;
  RemoveArrow();
  if (addedClipChildren_ && IsWindow(Handle)) {
    SetWindowLongPtrW(Handle, GWL_STYLE, WindowLong(GWL_STYLE) & ~WS_CLIPCHILDREN);
    addedClipChildren_ = false;
  }
  if (IsWindow(Handle)) {
    RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  }
}

void TSkinDateTime::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      PlaceArrow();
      break;
    case WM_STYLECHANGED:
      if (message.WParam == static_cast<WPARAM>(GWL_EXSTYLE)) PlaceArrow();
      break;
    case WM_NCPAINT:
      // The picker redraws its edge alone at times; ours goes back on it.
      PaintControl(nullptr);
      break;
    case WM_PAINT:
      TSkinControl::AfterProc(message);
      // Under Wine a disabled picker paints its button over our arrow
      // despite WS_CLIPCHILDREN: the arrow goes back on top.
      if (arrow_ && arrow_->HandleAllocated()) InvalidateRect(arrow_->Handle(), nullptr, FALSE);
      break;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
      // A disabled picker shows no hot arrow, and it hears no mouse leave.
      if (arrow_ && !IsWindowEnabled(Handle)) arrow_->SetHot(false);
      TSkinControl::AfterProc(message);
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinDateTime::DrawControl(HDC dc, const RECT& rect) {
  if (SkinData) DrawEditBorder(dc, rect, Handle, *SkinData);
}

void TSkinDateTime::ActiveChanged() {
  if (!arrow_) return;
  // Switched off, the picker is to look and answer as its own; it heard no
  // size change meanwhile, so the arrow is placed anew on the way back.
  if (Active) PlaceArrow();
  arrow_->SetVisible(Active);
}

void TSkinDateTime::SkinChange() {
  TSkinControl::SkinChange();
  if (arrow_) arrow_->SetSkinData(SkinData);
}
