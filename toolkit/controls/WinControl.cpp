#include "toolkit/controls/WinControl.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "toolkit/controls/CanvasPaint.h"
#include "toolkit/controls/DeferredFree.h"
#include "toolkit/controls/PropertyTypes.h"
#include "toolkit/controls/ToolkitWindow.h"
#include "toolkit/controls/WideText.h"

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWinControl>("TWinControl", &TControl::StaticClass())
          .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
          .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
          .Bool("ParentBackground", &TWinControl::ParentBackground,
                &TWinControl::SetParentBackground)
          .Set("BevelEdges", BevelEdgeInfo(), &TWinControl::BevelEdges, &TWinControl::SetBevelEdges)
          .Enum("BevelInner", BevelInfo(), &TWinControl::BevelInner, &TWinControl::SetBevelInner)
          .Default(bvRaised)
          .Enum("BevelOuter", BevelInfo(), &TWinControl::BevelOuter, &TWinControl::SetBevelOuter)
          .Default(bvLowered)
          .Enum("BevelKind", BevelKindInfo(), &TWinControl::BevelKind, &TWinControl::SetBevelKind)
          .Default(bkNone)
          .Integer("BevelWidth", &TWinControl::BevelWidth, &TWinControl::SetBevelWidth)
          .Default(1)
          .Event("OnEnter", &TWinControl::OnEnter)
          .Event("OnExit", &TWinControl::OnExit)
          .Build();
  return info;
}

const TClassInfo& TCustomControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomControl>("TCustomControl", &TWinControl::StaticClass()).Build();
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // What this control owns goes while the control and its window are whole:
  // an owned object that hooked the window can still put it back.
  Destroying();
  DestroyComponents();
  // Children owned elsewhere go next; then the window.
  while (!controls_.empty()) {
    TControl* child = controls_.back();
    child->BeforeDestruction();
    delete child;
  }
  if (Parent()) Parent()->RemoveControl(this);
  DestroyHandle();
}

TWinControl* TWinControl::FindControl(HWND window) {
  if (!window) return nullptr;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return nullptr;
  if (TWinControl* control = ControlInSlot(window)) return control;
  auto* control = static_cast<TControl*>(GetPropW(window, MAKEINTATOM(ControlAtom())));
  return static_cast<TWinControl*>(control);
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::HandleNeeded() {
  if (handle_) return;
  if (Parent()) Parent()->HandleNeeded();
  if (!handle_) CreateWnd();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = ToWide(caption_);
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (tabStop_) params.Style |= WS_TABSTOP;
  if (customPaint_) params.Style |= WS_CLIPCHILDREN;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  if (Parent()) params.WndParent = Parent()->Handle();
  params.ClassName = ToWide(ClassName());
  params.ExStyle |= BiDiModeExStyle();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent) {
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  }
  defWndProc_ = RegisterToolkitClass(params, ToolkitWindowProc);
  HWND window = nullptr;
  {
    const TCreatingControlScope creating(this);
    window = CreateWindowExW(params.ExStyle, params.ClassName.c_str(), params.Caption.c_str(),
                             params.Style, params.X, params.Y, params.Width, params.Height,
                             params.WndParent, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  if (!window) throw EOutOfResources("Error creating window for '" + Name() + "'");
  if (!handle_) AttachWindow(window);
  UpdateBoundsFromWindow();
  ApplyFontToWindow();
  CreateHandleDone();
  for (TControl* child : controls_) {
    if (auto* winChild = dynamic_cast<TWinControl*>(child); winChild && !winChild->handle_) {
      winChild->CreateWnd();
    }
  }
  Realign();
}

void TWinControl::AttachWindow(HWND window) {
  handle_ = window;
  SetPropW(window, MAKEINTATOM(ControlAtom()), static_cast<TControl*>(this));
  SetControlSlot(window, this);
}

void TWinControl::DetachWindow() {
  if (!handle_) return;
  RemovePropW(handle_, MAKEINTATOM(ControlAtom()));
  SetControlSlot(handle_, nullptr);
  handle_ = nullptr;
  if (captureControl_) captureControl_ = nullptr;
}

void TWinControl::DestroyWnd() {
  if (!handle_) return;
  caption_ = WindowText(handle_);
  const HWND window = handle_;
  DestroyWindow(window);
  // A window another thread owns cannot be destroyed from here; let it go.
  if (handle_ == window) DetachWindow();
}

void TWinControl::DestroyHandle() {
  if (!handle_ || destroyingHandle_) return;
  destroyingHandle_ = true;
  for (TControl* child : controls_) {
    if (auto* winChild = dynamic_cast<TWinControl*>(child)) winChild->DestroyHandle();
  }
  DestroyWnd();
  destroyingHandle_ = false;
}

void TWinControl::RecreateWnd() {
  if (handle_) Perform(CM_RECREATEWND);
}

void TWinControl::Broadcast(TMessage& message) {
  // A child may go while an earlier one handles the message.
  const std::vector<TControl*> children(controls_);
  const TDispatchScope dispatch;
  for (TControl* child : children) {
    if (std::find(controls_.begin(), controls_.end(), child) == controls_.end()) continue;
    message.Result = 0;
    if (child->WindowProc) {
      child->WindowProc(message);
    } else {
      child->WndProc(message);
    }
    if (message.Result != 0) return;
  }
}

void TWinControl::ApplyFontToWindow() {
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    const RECT bounds = control->BoundsRect();
    if (control->Visible() && (allowDisabled || control->Enabled()) && PtInRect(&bounds, point)) {
      return control;
    }
  }
  return nullptr;
}

void TWinControl::PaintHandler(TMessage& message) {
  // A DC in WParam is the caller's (a parent painting this control into its
  // own picture); without one the window's update region is painted.
  std::optional<TPaintDC> paint;
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (!dc) dc = paint.emplace(handle_).Get();
  PaintWindow(dc);
  PaintControls(dc, nullptr);
  message.Result = 0;
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(paint);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  auto it = controls_.begin();
  if (first) it = std::find(controls_.begin(), controls_.end(), first);
  for (; it != controls_.end(); ++it) {
    TControl* control = *it;
    if (control->IsWindowed() || !control->Visible()) continue;
    const RECT bounds = control->BoundsRect();
    if (!RectVisible(dc, &bounds)) continue;
    TSavedDC saved(dc);
    OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    IntersectClipRect(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

HBRUSH TWinControl::ColorBrush() {
  if (!brush_ || brushColor_ != Color()) {
    brush_.Reset(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color()))));
    brushColor_ = Color();
  }
  return brush_.Get();
}

void TWinControl::EraseBackground(HDC dc) {
  const RECT client = ClientRect();
  FillRect(dc, &client, ColorBrush());
}

String TWinControl::GetText() const { return handle_ ? WindowText(handle_) : caption_; }

void TWinControl::SetTextNow(const String& value) {
  caption_ = value;
  if (handle_) SetWindowTextW(handle_, ToWide(value).c_str());
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  auto* winControl = dynamic_cast<TWinControl*>(control);
  if (winControl) {
    tabList_.push_back(winControl);
    if (winControl->pendingTabOrder_ >= 0 && !ComponentState().Contains(csLoading)) {
      winControl->UpdateTabOrder(winControl->pendingTabOrder_);
    }
    if (winControl->handle_) {
      if (handle_) {
        ::SetParent(winControl->handle_, handle_);
      } else {
        winControl->DestroyHandle();
      }
    } else if (handle_) {
      winControl->CreateWnd();
    }
  }
  control->ParentFontChanged();
  control->ParentColorChanged();
  control->ParentBiDiModeChanged();
  if (control->Align() != alNone) Realign();
  if (!winControl) control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  const auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  if (!control->IsWindowed()) control->Invalidate();
  controls_.erase(it);
  tabList_.erase(
      std::remove_if(tabList_.begin(), tabList_.end(),
                     [control](TWinControl* w) { return static_cast<TControl*>(w) == control; }),
      tabList_.end());
  if (captureControl_ == control) captureControl_ = nullptr;
  for (TWinControl* p = this; p; p = p->Parent()) p->ChildRemoved(control);
  control->parent_ = nullptr;
  if (auto* winControl = dynamic_cast<TWinControl*>(control)) winControl->DestroyHandle();
  if (control->Align() != alNone) Realign();
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TControl* control : controls_) {
    if (control->Owner() == root) proc(control);
  }
  // The root also writes what it owns without a parent: timers, skin data.
  TComponent::GetChildren(proc, root);
}

int TWinControl::TabOrder() const {
  if (!Parent()) return pendingTabOrder_;
  const auto& list = Parent()->tabList_;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  pendingTabOrder_ = value;
  if (Parent() && !ComponentState().Contains(csLoading)) UpdateTabOrder(value);
}

void TWinControl::UpdateTabOrder(int value) {
  auto& list = Parent()->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  const int count = static_cast<int>(list.size());
  value = std::clamp(value, 0, count);
  list.insert(list.begin() + value, this);
  pendingTabOrder_ = -1;
}

void TWinControl::SetTabStop(bool value) {
  if (value == tabStop_) return;
  tabStop_ = value;
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* control : tabList_) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

bool TWinControl::CanFocus() const {
  for (const TControl* control = this; control; control = control->Parent()) {
    if (!control->Visible() || !control->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (!CanFocus()) return;
  ::SetFocus(Handle());
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  const int count = static_cast<int>(list.size());
  if (count == 0) return nullptr;
  const auto found = std::find(list.begin(), list.end(), current);
  int index = found == list.end() ? (forward ? -1 : count) : static_cast<int>(found - list.begin());
  for (int step = 0; step < count; ++step) {
    index = forward ? (index + 1) % count : (index - 1 + count) % count;
    TWinControl* candidate = list[static_cast<size_t>(index)];
    if (candidate == current) return nullptr;
    if ((!checkTabStop || candidate->tabStop_) && (!checkParent || candidate->Parent() == this) &&
        candidate->CanFocus()) {
      return candidate;
    }
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop, false)) next->SetFocus();
}

void TWinControl::SetParentBackground(bool value) {
  if (value == parentBackground_) return;
  parentBackground_ = value;
  Invalidate();
}

int TWinControl::BevelSize() const {
  if (bevelKind_ == bkNone) return 0;
  int size = 0;
  if (bevelInner_ != bvNone) size += bevelWidth_;
  if (bevelOuter_ != bvNone) size += bevelWidth_;
  return size;
}

void TWinControl::BevelChanged() {
  if (!handle_) return;
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TWinControl::SetBevelKind(TBevelKind value) {
  if (value == bevelKind_) return;
  bevelKind_ = value;
  BevelChanged();
}

void TWinControl::SetBevelInner(TBevelCut value) {
  if (value == bevelInner_) return;
  bevelInner_ = value;
  BevelChanged();
}

void TWinControl::SetBevelOuter(TBevelCut value) {
  if (value == bevelOuter_) return;
  bevelOuter_ = value;
  BevelChanged();
}

void TWinControl::SetBevelEdges(TBevelEdges value) {
  if (value == bevelEdges_) return;
  bevelEdges_ = value;
  BevelChanged();
}

void TWinControl::SetBevelWidth(int value) {
  if (value < 1 || value == bevelWidth_) return;
  bevelWidth_ = value;
  BevelChanged();
}

// The system sizes its own frame first; the bevel then takes its pixels
// from the client rectangle, edge by edge.
void TWinControl::CalcBevelSize(TMessage& message) {
  TControl::WndProc(message);
  const int size = BevelSize();
  RECT& client = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0];
  if (bevelEdges_.Contains(beLeft)) client.left += size;
  if (bevelEdges_.Contains(beTop)) client.top += size;
  if (bevelEdges_.Contains(beRight)) client.right -= size;
  if (bevelEdges_.Contains(beBottom)) client.bottom -= size;
  if (client.right < client.left) client.right = client.left;
  if (client.bottom < client.top) client.bottom = client.top;
}

void TWinControl::PaintBevel() {
  RECT window{};
  GetWindowRect(handle_, &window);
  POINT origin{0, 0};
  ::ClientToScreen(handle_, &origin);
  RECT client{};
  GetClientRect(handle_, &client);
  OffsetRect(&client, origin.x - window.left, origin.y - window.top);
  const int size = BevelSize();
  if (bevelEdges_.Contains(beLeft)) client.left -= size;
  if (bevelEdges_.Contains(beTop)) client.top -= size;
  if (bevelEdges_.Contains(beRight)) client.right += size;
  if (bevelEdges_.Contains(beBottom)) client.bottom += size;
  auto edgeOf = [](TBevelCut cut, UINT lowered, UINT raised) -> UINT {
    return cut == bvLowered ? lowered : cut == bvRaised ? raised : 0;
  };
  const UINT edge = edgeOf(bevelInner_, BDR_SUNKENINNER, BDR_RAISEDINNER) |
                    edgeOf(bevelOuter_, BDR_SUNKENOUTER, BDR_RAISEDOUTER);
  UINT flags = bevelKind_ == bkSoft ? BF_SOFT : bevelKind_ == bkFlat ? BF_FLAT : 0;
  if (bevelEdges_.Contains(beLeft)) flags |= BF_LEFT;
  if (bevelEdges_.Contains(beTop)) flags |= BF_TOP;
  if (bevelEdges_.Contains(beRight)) flags |= BF_RIGHT;
  if (bevelEdges_.Contains(beBottom)) flags |= BF_BOTTOM;
  const TWindowDC dc(handle_, TDCArea::Window);
  if (dc.Get()) DrawEdge(dc.Get(), &client, edge, flags);
}

RECT TWinControl::ClientRect() const {
  if (!handle_) return TControl::ClientRect();
  RECT rect{};
  GetClientRect(handle_, &rect);
  return rect;
}

POINT TWinControl::ClientOrigin() const {
  if (!handle_) return TControl::ClientOrigin();
  POINT origin{0, 0};
  ::ClientToScreen(handle_, &origin);
  return origin;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (!handle_) {
    const bool resized = width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
    if (resized) Realign();
    return;
  }
  SetWindowPos(handle_, nullptr, left, top, std::max(width, 0), std::max(height, 0),
               SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateBoundsFromWindow();
  if (Parent() && Align() != alNone) Parent()->Realign();
  if (Parent()) Parent()->ChildBoundsChanged(this);
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!handle_ || IsIconic(handle_)) return;
  RECT rect{};
  GetWindowRect(handle_, &rect);
  if ((GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD) && GetParent(handle_)) {
    MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&rect), 2);
  }
  left_ = rect.left;
  top_ = rect.top;
  width_ = rect.right - rect.left;
  height_ = rect.bottom - rect.top;
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

bool TWinControl::Showing() const {
  if (handle_) return IsWindowVisible(handle_) != FALSE;
  return TControl::Showing();
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || aligning_ || ComponentState().Contains(csLoading)) return;
  RECT rect = AdjustedClientRect();
  const TRestoreOnExit<bool> aligning(aligning_, true);
  AlignControls(rect);
}

void TWinControl::AlignControls(RECT& rect) {
  for (const TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> list;
    for (TControl* control : controls_) {
      if (control->Align() == align && control->Visible()) list.push_back(control);
    }
    std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
      switch (align) {
        case alTop:
          return a->Top() < b->Top();
        case alBottom:
          return a->Top() > b->Top();
        case alLeft:
          return a->Left() < b->Left();
        case alRight:
          return a->Left() > b->Left();
        default:
          return false;
      }
    });
    for (TControl* control : list) {
      const int width = rect.right - rect.left;
      const int height = rect.bottom - rect.top;
      switch (align) {
        case alTop:
          control->SetBounds(rect.left, rect.top, width, control->Height());
          rect.top += control->Height();
          break;
        case alBottom:
          control->SetBounds(rect.left, rect.bottom - control->Height(), width, control->Height());
          rect.bottom -= control->Height();
          break;
        case alLeft:
          control->SetBounds(rect.left, rect.top, control->Width(), height);
          rect.left += control->Width();
          break;
        case alRight:
          control->SetBounds(rect.right - control->Width(), rect.top, control->Width(), height);
          rect.right -= control->Width();
          break;
        default:
          control->SetBounds(rect.left, rect.top, width, height);
          break;
      }
    }
  }
}

void TWinControl::Loaded() {
  TControl::Loaded();
  std::stable_sort(tabList_.begin(), tabList_.end(), [](TWinControl* a, TWinControl* b) {
    const int left = a->pendingTabOrder_ >= 0 ? a->pendingTabOrder_ : INT_MAX;
    const int right = b->pendingTabOrder_ >= 0 ? b->pendingTabOrder_ : INT_MAX;
    return left < right;
  });
  Realign();
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {
  customPaint_ = true;
  clickOnRelease_ = true;
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc) {
  PaintThroughCanvas(*canvas_, dc, *this, [this] { Paint(); });
}

void TCustomControl::Paint() {
  if (OnPaint) OnPaint(this);
}
