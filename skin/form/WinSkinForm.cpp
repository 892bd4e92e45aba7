// Attaching a form skin object to its window, the initialisation that
// SKIN_INIT finishes, and the ways back: Unskin, ReleaseWindow, RefreshSkin.
#include "skin/form/WinSkinForm.h"

#include "skin/controls/ControlDiscovery.h"
#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/MenuBarHost.h"
#include "skin/form/MenuSkinHandlers.h"
#include "skin/form/SkinMenuBar.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr LONG kModalFrameBit = 0x80;  // DS_MODALFRAME

}  // namespace

const TClassInfo& TWinSkinForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWinSkinForm>("TWinSkinForm", &TComponent::StaticClass()).Build();
  return info;
}

TWinSkinForm::TWinSkinForm(TComponent* owner, TSkinSession* session)
    : TComponent(owner),
      captionBitmap_(std::make_unique<TBitmap>()),
      controlCanvas_(std::make_unique<TCanvas>()),
      session_(session) {}

TWinSkinForm::~TWinSkinForm() {
  if (frameHook_.Installed() || formProcReplaced_) ReleaseWindow();
  caption_.ReleaseButtons();
  skinObjects_.ReleaseAll(false);
  caption_.DestroyHoverTimer();
  if (session_) session_->FormDestroyed(this);
}

void TWinSkinForm::AttachForm(TSkinData* skinData, TCustomForm* form) {
  toolkitForm_ = form;
  if (skinData->OnBeforeSkinForm) skinData->OnBeforeSkinForm(form, handle_, classNameText_);
  if (skinData->SkinControls().Contains(xcMenuItem)) form->SetAutoScroll(false);
  CommonAttach(skinData);
  if (window_.SkinFrame && !formProcReplaced_) {
    savedFormProc_ = form->WindowProc;
    form->WindowProc = [this](TMessage& message) { FormWindowProc(message); };
    formProcReplaced_ = true;
  }
  savedColor_ = form->Color();
  form->SetColor(skinData->Skin().Colour(scButtonFace));
  SkinFormMenus(*form, *skinData, session_);
}

void TWinSkinForm::AttachWindow(TSkinData* skinData) { CommonAttach(skinData); }

void TWinSkinForm::CommonAttach(TSkinData* skinData) {
  if (frameHook_.Installed()) return;
  if (session_) session_->FormAttaching();
  skinData_ = skinData;
  caption_.CreateHoverTimer();
  window_.SkinFrame = skinData->SkinControls().Contains(xcMainMenu);

  window_.Style = static_cast<LONG>(GetWindowLongPtrW(handle_, GWL_STYLE));
  const auto exStyle = static_cast<LONG>(GetWindowLongPtrW(handle_, GWL_EXSTYLE));
  window_.RightToLeft = LaysOutRightToLeft(static_cast<DWORD>(exStyle));
  window_.ChildWindow = (window_.Style & WS_CHILD) != 0;
  wchar_t className[256];
  const int length = GetClassNameW(handle_, className, 256);
  window_.WindowClassName.assign(className, className + (length > 0 ? length : 0));
  window_.OwnerWindow = GetWindow(handle_, GW_OWNER);
  ReadSysFlags(exStyle);
  ReadPlacement();
  window_.ThickFrame = (window_.Style & WS_THICKFRAME) != 0;
  if (const HWND client = FindWindowExW(handle_, nullptr, L"MDIClient", nullptr)) {
    window_.MDIKind = mkFrame;
    window_.MDIClient = client;
    if (session_) session_->SetMdiFrame(client, toolkitForm_);
  }
  if (exStyle & WS_EX_MDICHILD) {
    window_.MDIKind = mkChild;
    if (skinData->Options().Contains(xoMDIChildBorder)) window_.SkinFrame = false;
  }
  ReadBorderKind(exStyle);
  window_.UnicodeWindow = IsWindowUnicode(handle_) != FALSE;

  if (window_.MDIKind == mkFrame) {
    savedMenuUpdate_ = skinData->MenuUpdate();
    mdiClientHook_.Install(window_.MDIClient);
  }
  frameHook_.Install(handle_);

  if (window_.SkinFrame) {
    menuHost_.Attach();
    ComputeFrame();
  } else {
    attachState_ = asSkinned;
  }
  if (window_.MDIKind == mkChild) {
    const int wanted = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (frame_.Top() < wanted) frame_.SetMenuBarHeight(wanted - frame_.Top());
    if (window_.Placement == plMaximised && session_) session_->SetMdiMaximised(true);
  }
}

void TWinSkinForm::ReadPlacement() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(handle_, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      window_.Placement = plMinimised;
      break;
    case SW_SHOWMAXIMIZED:
      window_.Placement = plMaximised;
      break;
    default:
      window_.Placement = plNormal;
      break;
  }
}

void TWinSkinForm::ReadBorderKind(LONG exStyle) {
  window_.BorderKind = bkSingle;
  if ((window_.Style & WS_CAPTION) != WS_CAPTION) {
    window_.BorderKind = bkNoCaption;
  } else if (window_.Style & WS_THICKFRAME) {
    window_.BorderKind = bkSizeable;
  } else if (window_.Style & kModalFrameBit) {
    window_.BorderKind = bkDialog;
  }
  if (exStyle & WS_EX_DLGMODALFRAME) window_.BorderKind = bkDialog;
  if (window_.WindowClassName == "#32770" || window_.WindowClassName == "TMessageForm") {
    window_.BorderKind = bkDialog;
    window_.DialogClass = true;
  }
}

void TWinSkinForm::ReadStyles() {
  window_.Style = static_cast<LONG>(GetWindowLongPtrW(handle_, GWL_STYLE));
  ReadSysFlags(static_cast<LONG>(GetWindowLongPtrW(handle_, GWL_EXSTYLE)));
}

void TWinSkinForm::ReadSysFlags(LONG exStyle) {
  window_.SysFlags = 0;
  if ((window_.Style & WS_SYSMENU) || window_.SystemMenu) window_.SysFlags |= sfSystemMenu;
  if (window_.Style & WS_MINIMIZEBOX) window_.SysFlags |= sfMinimizeBox;
  if (window_.Style & WS_MAXIMIZEBOX) window_.SysFlags |= sfMaximizeBox;
  if (exStyle & WS_EX_CONTEXTHELP) window_.SysFlags |= sfContextHelp;
  // Windows 2000 keeps its own caption styles for application windows and
  // unowned top-level windows.
  const DWORD version = GetVersion();
  const bool windows2000 =
      !(version & 0x80000000) && LOBYTE(LOWORD(version)) >= 5 && HIBYTE(LOWORD(version)) == 0;
  if (windows2000 &&
      ((exStyle & WS_EX_APPWINDOW) || (!window_.OwnerWindow && !(exStyle & WS_EX_MDICHILD)))) {
    window_.SysFlags |= sfKeepStyles;
  }
}

void TWinSkinForm::SkinInit() {
  window_.SystemMenu = GetSystemMenu(handle_, FALSE);
  if (window_.SystemMenu) window_.SysFlags |= sfSystemMenu;
  caption_.RebuildIcon();
  frame_.RecordStandardFrame();
  SkinControls();

  if (attachState_ == asAttached && window_.SkinFrame) {
    if (window_.MDIKind == mkChild) {
      if (window_.Placement == plMaximised) {
        PostMessageW(GetParent(handle_), SKIN_MDIREDRAW, 0, 0);
      } else if (window_.Placement == plNormal) {
        attachState_ = asFitting;
        frame_.FitWindow(false);
        attachState_ = asSkinned;
        frame_.BuildRegion();
      }
    } else if (!window_.ChildWindow && window_.BorderKind != bkNoCaption &&
               window_.Placement != plMinimised) {
      attachState_ = asFitting;
      frame_.FitWindow(false);
      attachState_ = asSkinned;
      if (window_.Placement == plNormal) {
        frame_.BuildRegion();
      } else if (window_.Placement == plMaximised) {
        ForceFrameChange();
      }
    }
  }
  SendMessageW(handle_, SKIN_APPLIED, 0, kSkinMagic);
  if (skinData_->OnAfterSkinForm) skinData_->OnAfterSkinForm(toolkitForm_, handle_, classNameText_);
  attachState_ = asSkinned;
  caption_.EnableHover(true);
}

void TWinSkinForm::SkinControls() {
  TControlDiscovery discovery(*this, *skinData_);
  if (toolkitForm_) {
    discovery.SkinAllControls(toolkitForm_);
  } else {
    discovery.SkinChildWindows(handle_);
  }
  SkinSizeGrips();
}

void TWinSkinForm::SkinSizeGrips() {
  std::vector<HWND> grips;
  grips.swap(sizeGrips_);
  TControlDiscovery discovery(*this, *skinData_);
  for (const HWND grip : grips) {
    if (IsWindow(grip)) discovery.SkinChildWindow(grip);
  }
}

void TWinSkinForm::ForceFrameChange() {
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::RestoreHandlers() {
  if (formProcReplaced_ && toolkitForm_) {
    toolkitForm_->WindowProc = savedFormProc_;
    savedFormProc_ = nullptr;
  }
  formProcReplaced_ = false;
  frameHook_.Restore();
  mdiClientHook_.Restore();
}

// The form's menus go back to the toolkit's drawing, unless the form is
// being destroyed (its menus are gone then), and the system menu copy goes.
void TWinSkinForm::ReleaseMenus() {
  if (toolkitForm_ && !toolkitForm_->ComponentState().Contains(csDestroying))
    UnskinFormMenus(*toolkitForm_);
  menuHost_.ReleaseSystemMenuPopup();
}

// Without a skinned frame only the controls, the colour and the hooks go back.
void TWinSkinForm::ReleaseUnframed(bool destroying) {
  skinObjects_.ReleaseAll(!destroying);
  ReleaseMenus();
  if (toolkitForm_ && !destroying) toolkitForm_->SetColor(savedColor_);
  RestoreHandlers();
}

void TWinSkinForm::Unskin() {
  const bool destroying = attachState_ == asDestroying;
  caption_.EnableHover(false);
  if (!window_.SkinFrame) {
    ReleaseUnframed(destroying);
    if (toolkitForm_ && !destroying) toolkitForm_->Invalidate();
    return;
  }
  if (!frameHook_.Installed()) return;
  RestoreHandlers();
  skinObjects_.ReleaseAll(!destroying);
  ReleaseMenus();
  if (toolkitForm_ && !destroying) toolkitForm_->SetColor(savedColor_);
  if ((window_.SysFlags & sfSystemMenu) && !(window_.SysFlags & sfKeepStyles))
    SetSysMenuStyle(false);
  const bool menuGivenBack = menuHost_.HoldsMenu() && !destroying;
  menuHost_.ReleaseBar(destroying);
  if (!destroying && (window_.MDIKind == mkChild || window_.Placement != plMaximised)) {
    frame_.ResizeToStandardFrame(menuGivenBack);
  }
  frame_.SetMenuBarHeight(0);
  frame_.ForgetRegion();
  caption_.ReleaseButtons();
}

void TWinSkinForm::ReleaseWindow() {
  const bool destroying = attachState_ == asDestroying;
  caption_.EnableHover(false);
  if (!window_.SkinFrame) {
    ReleaseUnframed(destroying);
    return;
  }
  // A drop-down still open goes with its hook before anything else.
  menuHost_.EndTracking();
  if (!frameHook_.Installed() && !formProcReplaced_) return;
  RestoreHandlers();
  skinObjects_.ReleaseAll(!destroying);
  ReleaseMenus();
  menuHost_.ReleaseBar(destroying);
}

void TWinSkinForm::RefreshSkin() {
  if (toolkitForm_) {
    toolkitForm_->SetColor(skinData_->Skin().Colour(scButtonFace));
    for (int i = 0; i < toolkitForm_->ComponentCount(); ++i) {
      if (auto* owned = dynamic_cast<TCustomForm*>(toolkitForm_->Components(i))) {
        owned->SetColor(skinData_->Skin().Colour(scButtonFace));
      }
    }
  }
  skinObjects_.SkinChanged();
  attachState_ = asReapplying;
  for (TComposedPiece& piece : composedPieces_) piece = TComposedPiece{};
  if (window_.SkinFrame && toolkitForm_) {
    SkinFormMenus(*toolkitForm_, *skinData_, session_);
    frame_.FitWindow(true);
    toolkitForm_->SetHeight(toolkitForm_->Height() + 1);
    toolkitForm_->SetHeight(toolkitForm_->Height() - 1);
  }
  if (window_.SkinFrame) frame_.BuildRegion();
  SendMessageW(handle_, SKIN_APPLIED, 0, kSkinMagic);
  if (skinData_->OnAfterSkinForm) skinData_->OnAfterSkinForm(toolkitForm_, handle_, classNameText_);
  attachState_ = asSkinned;
  if (window_.SkinFrame) RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TWinSkinForm::MDIMaximisedChanged(bool maximised) {
  if (maximised) {
    frame_.RemoveRegion();
    return;
  }
  if (window_.Placement == plMinimised) return;
  window_.Placement = plNormal;
  frame_.BuildRegion();
  if (!frame_.HasRegion()) ForceFrameChange();
}
