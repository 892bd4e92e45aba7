#include "toolkit/controls/Forms.h"

#include <algorithm>

#include "toolkit/controls/DeferredFree.h"
#include "toolkit/controls/MainFormOwner.h"
#include "toolkit/controls/WideText.h"

const TEnumInfo& PositionInfo() {
  static const TEnumInfo info{
      "TPosition",
      {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
       "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
  return info;
}

const TEnumInfo& BorderIconInfo() {
  static const TEnumInfo info{"TBorderIcon",
                              {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
  return info;
}

const TEnumInfo& FormBorderStyleInfo() {
  static const TEnumInfo info{
      "TFormBorderStyle",
      {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
  return info;
}

const TClassInfo& TCustomForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomForm>("TCustomForm", &TCustomControl::StaticClass())
          .Str("Caption", &TControl::Caption, &TControl::SetCaption)
          .Enum("BorderStyle", FormBorderStyleInfo(), &TCustomForm::BorderStyle,
                &TCustomForm::SetBorderStyle)
          .Set("BorderIcons", BorderIconInfo(), &TCustomForm::BorderIcons,
               &TCustomForm::SetBorderIcons)
          .Enum("Position", PositionInfo(), &TCustomForm::Position, &TCustomForm::SetPosition)
          .Integer("ClientWidth", &TControl::ClientWidth, &TCustomForm::SetClientWidth)
          .Integer("ClientHeight", &TControl::ClientHeight, &TCustomForm::SetClientHeight)
          .Object("Icon", &TCustomForm::Icon)
          .Object("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
          .Bool("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll)
          .Bool("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview)
          .Object("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
          .Event("OnCreate", &TCustomForm::OnCreate)
          .Event("OnDestroy", &TCustomForm::OnDestroy)
          .Event("OnClose", &TCustomForm::OnClose)
          .Event("OnCloseQuery", &TCustomForm::OnCloseQuery)
          .Event("OnShow", &TCustomForm::OnShow)
          .Event("OnHide", &TCustomForm::OnHide)
          .Event("OnActivate", &TCustomForm::OnActivate)
          .Event("OnDeactivate", &TCustomForm::OnDeactivate)
          .Event("OnPaint", &TCustomControl::OnPaint)
          .Build();
  return info;
}

const TClassInfo& TForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TForm>("TForm", &TCustomForm::StaticClass()).Build();
  return info;
}

const TClassInfo& TScreen::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TScreen>("TScreen", &TComponent::StaticClass()).Build();
  return info;
}

TCustomForm* TScreen::FindForm(HWND window) const {
  if (!window) return nullptr;
  for (TCustomForm* form : forms_) {
    if (form->HandleAllocated() && form->Handle() == window) return form;
  }
  return nullptr;
}

void TScreen::RemoveForm(TCustomForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  if (activeForm_ == form) activeForm_ = nullptr;
}

TCustomForm::TCustomForm(TComponent* owner)
    : TCustomControl(owner), icon_(std::make_unique<TIcon>()) {
  SetVisible(false);
  SetParentColor(false);
  SetParentFont(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  icon_->OnChange = [this](TObject*) { ApplyIcon(); };
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  ForgetPendingFree(this);
  // Only for a form deleted directly, whose derived members are gone by now.
  DoDestroy();
  DetachMenu();
  // The child controls use this form's members: they go while it is whole.
  DestroyComponents();
  if (Screen) Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction() {
  if (created_) return;
  created_ = true;
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (OnDestroy) OnDestroy(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (value == borderIcons_) return;
  borderIcons_ = value;
  RecreateWnd();
}

void TCustomForm::SetClientWidth(int value) {
  clientWidth_ = value;
  if (HandleAllocated()) SetClientSize(value, ClientHeight());
}

void TCustomForm::SetClientHeight(int value) {
  clientHeight_ = value;
  if (HandleAllocated()) SetClientSize(ClientWidth(), value);
}

RECT TCustomForm::ClientRect() const {
  if (HandleAllocated() || clientWidth_ < 0 || clientHeight_ < 0) return TWinControl::ClientRect();
  return RECT{0, 0, clientWidth_, clientHeight_};
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.WndParent = nullptr;
  params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle = BiDiModeExStyle();
  params.ClassStyle = CS_DBLCLKS;
  switch (borderStyle_) {
    case bsNone:
      params.Style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      params.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin)
    params.ExStyle |= WS_EX_TOOLWINDOW;
  if (borderStyle_ != bsNone && borderIcons_.Contains(biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    const bool hasBoxes = borderStyle_ == bsSingle || borderStyle_ == bsSizeable;
    if (hasBoxes && borderIcons_.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
    if (hasBoxes && borderIcons_.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
  }
  if (clientWidth_ >= 0 && clientHeight_ >= 0) {
    RECT rect{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&rect, params.Style, menu_ != nullptr, params.ExStyle);
    params.Width = rect.right - rect.left;
    params.Height = rect.bottom - rect.top;
  }
}

void TCustomForm::CreateHandleDone() {
  ShowMenu();
  // The system's frame may differ from the one AdjustWindowRectEx assumed.
  if (clientWidth_ >= 0 && clientHeight_ >= 0) SetClientSize(clientWidth_, clientHeight_);
  ApplyIcon();
}

void TCustomForm::ApplyPosition() {
  if (positioned_) return;
  positioned_ = true;
  int areaLeft = 0, areaTop = 0, areaWidth = 0, areaHeight = 0;
  switch (position_) {
    case poScreenCenter:
      areaWidth = GetSystemMetrics(SM_CXSCREEN);
      areaHeight = GetSystemMetrics(SM_CYSCREEN);
      break;
    case poDesktopCenter:
      areaLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
      areaTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
      areaWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
      areaHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
      break;
    default:
      return;
  }
  SetBounds(areaLeft + (areaWidth - Width()) / 2, areaTop + (areaHeight - Height()) / 2, Width(),
            Height());
}

void TCustomForm::ApplyIcon() {
  if (!HandleAllocated()) return;
  const auto icon = reinterpret_cast<LPARAM>(icon_->Handle());
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, icon);
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, icon);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  activeControl_ = control;
  if (control && HandleAllocated() && GetActiveWindow() == Handle() && control->CanFocus()) {
    control->SetFocus();
  }
}

void TCustomForm::FocusChanged(TWinControl* control) {
  if (control == activeControl_) return;
  TWinControl* previous = activeControl_;
  activeControl_ = control;
  if (previous) previous->Perform(CM_EXIT);
  if (control && activeControl_ == control) control->Perform(CM_ENTER);
}

bool TCustomForm::IsOwnControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent()) {
    if (c == this) return true;
  }
  return false;
}

void TCustomForm::ChildRemoved(TControl* control) {
  for (TControl* c = activeControl_; c; c = c->Parent()) {
    if (c == control) {
      activeControl_ = nullptr;
      return;
    }
  }
}

void TCustomForm::SetMenu(TMainMenu* value) {
  if (value == menu_) return;
  DetachMenu();
  if (value) {
    // A main menu shows in one form at a time.
    if (value->host_) value->host_->DropMainMenu();
    menu_ = value;
    menu_->host_ = this;
    FreeNotification(menu_);
  }
  if (HandleAllocated() && !ComponentState().Contains(csLoading))
    SendMessageW(Handle(), CM_MENUCHANGED, 0, 0);
}

void TCustomForm::MainMenuChanged() {
  if (HandleAllocated()) SendMessageW(Handle(), CM_MENUCHANGED, 0, 0);
}

void TCustomForm::DetachMenu() {
  if (!menu_) return;
  TakeMenuFromWindow();
  menu_->host_ = nullptr;
  RemoveFreeNotification(menu_);
  menu_ = nullptr;
}

void TCustomForm::TakeMenuFromWindow() {
  if (menu_ && HandleAllocated() && menu_->Items()->HandleAllocated() &&
      GetMenu(Handle()) == menu_->Handle())
    ::SetMenu(Handle(), nullptr);
}

void TCustomForm::ShowMenu() {
  if (!menu_ || !HandleAllocated()) return;
  if (GetMenu(Handle()) != menu_->Handle())
    ::SetMenu(Handle(), menu_->Handle());
  else
    DrawMenuBar(Handle());
}

std::vector<TMenu*> TCustomForm::Menus() const {
  std::vector<TMenu*> menus;
  if (menu_) menus.push_back(menu_);
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* popup = dynamic_cast<TPopupMenu*>(Components(i))) menus.push_back(popup);
  return menus;
}

bool TCustomForm::IsShortCut(TShortCut shortCut) {
  if (shortCut == scNone) return false;
  for (TMenu* menu : Menus())
    if (menu->IsShortCut(shortCut)) return true;
  return false;
}

bool TCustomForm::MenuMessage(TMessage& message) {
  if (message.Msg == WM_COMMAND && message.LParam != 0) return false;  // from a control
  for (TMenu* menu : Menus()) {
    if (message.Msg == WM_COMMAND) {
      if (menu->DispatchCommand(LOWORD(message.WParam))) {
        message.Result = 0;
        return true;
      }
    } else if (menu->OwnerDrawMessage(message.Msg, message.LParam)) {
      message.Result = TRUE;
      return true;
    }
  }
  return false;
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == menu_) menu_ = nullptr;
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  if (OnClose) OnClose(this, action);
  if (action == caNone) return;
  if (EndRunIfMain()) return;
  switch (action) {
    case caHide:
      Hide();
      break;
    case caMinimize:
      ShowWindow(Handle(), SW_MINIMIZE);
      break;
    case caFree:
      Release();
      break;
    default:
      break;
  }
}

bool TCustomForm::EndRunIfMain() {
  TMainFormOwner* owner = MainFormOwner();
  if (!owner || owner->MainForm() != this) return false;
  owner->Terminate();
  return true;
}

void TCustomForm::Release() {
  if (HandleAllocated()) PostMessageW(Handle(), CM_RELEASE, 0, 0);
}
