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

constexpr LONG kRightToLeftBit = 0x4000;  // WS_EX_LEFTSCROLLBAR
constexpr LONG kModalFrameBit = 0x80;     // DS_MODALFRAME

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
  Form = form;
  if (skinData->OnBeforeSkinForm) skinData->OnBeforeSkinForm(form, Handle, ClassNameText);
  if (skinData->SkinControls().Contains(xcMenuItem)) form->SetAutoScroll(false);
  CommonAttach(skinData);
  if (SkinFrame && !formProcReplaced_) {
    savedFormProc_ = form->WindowProc;
    form->WindowProc = [this](TMessage& message) { FormWindowProc(message); };
    formProcReplaced_ = true;
  }
  SavedColor = form->Color();
  form->SetColor(skinData->Skin().Colour(scButtonFace));
  SkinFormMenus(*form, *skinData, session_);
}

void TWinSkinForm::AttachWindow(TSkinData* skinData) { CommonAttach(skinData); }

void TWinSkinForm::CommonAttach(TSkinData* skinData) {
  if (frameHook_.Installed()) return;
  if (session_) session_->FormAttaching();
  SkinData = skinData;
  caption_.CreateHoverTimer();
  SkinFrame = skinData->SkinControls().Contains(xcMainMenu);

  Style = static_cast<LONG>(GetWindowLongPtrW(Handle, GWL_STYLE));
  const auto exStyle = static_cast<LONG>(GetWindowLongPtrW(Handle, GWL_EXSTYLE));
  RightToLeft = (exStyle & kRightToLeftBit) != 0;
  ChildWindow = (Style & WS_CHILD) != 0;
  wchar_t className[256];
  const int length = GetClassNameW(Handle, className, 256);
  WindowClassName.assign(className, className + (length > 0 ? length : 0));
  OwnerWindow = GetWindow(Handle, GW_OWNER);
  ReadSysFlags(exStyle);
  ReadPlacement();
  ThickFrame = (Style & WS_THICKFRAME) != 0;
  if (const HWND client = FindWindowExW(Handle, nullptr, L"MDIClient", nullptr)) {
    MDIKind = mkFrame;
    MDIClient = client;
    if (session_) session_->SetMdiFrame(client, Form);
  }
  if (exStyle & WS_EX_MDICHILD) {
    MDIKind = mkChild;
    if (skinData->Options().Contains(xoMDIChildBorder)) SkinFrame = false;
  }
  ReadBorderKind(exStyle);
  UnicodeWindow = IsWindowUnicode(Handle) != FALSE;

  if (MDIKind == mkFrame) {
    savedMenuUpdate_ = skinData->MenuUpdate();
    mdiClientHook_.Install(MDIClient);
  }
  frameHook_.Install(Handle);

  if (SkinFrame) {
    menuHost_.Attach();
    ComputeFrame();
  } else {
    AttachState = asSkinned;
  }
  if (MDIKind == mkChild) {
    const int wanted = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (FrameTop < wanted) MenuBarHeight = wanted - FrameTop;
    if (Placement == plMaximised && session_) session_->SetMdiMaximised(true);
  }
}

void TWinSkinForm::ReadPlacement() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(Handle, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      Placement = plMinimised;
      break;
    case SW_SHOWMAXIMIZED:
      Placement = plMaximised;
      break;
    default:
      Placement = plNormal;
      break;
  }
}

void TWinSkinForm::ReadBorderKind(LONG exStyle) {
  BorderKind = bkSingle;
  if ((Style & WS_CAPTION) != WS_CAPTION) {
    BorderKind = bkNoCaption;
  } else if (Style & WS_THICKFRAME) {
    BorderKind = bkSizeable;
  } else if (Style & kModalFrameBit) {
    BorderKind = bkDialog;
  }
  if (exStyle & WS_EX_DLGMODALFRAME) BorderKind = bkDialog;
  if (WindowClassName == "#32770" || WindowClassName == "TMessageForm") {
    BorderKind = bkDialog;
    DialogClass = true;
  }
}

void TWinSkinForm::ReadSysFlags(LONG exStyle) {
  SysFlags = 0;
  if ((Style & WS_SYSMENU) || SystemMenu) SysFlags |= sfSystemMenu;
  if (Style & WS_MINIMIZEBOX) SysFlags |= sfMinimizeBox;
  if (Style & WS_MAXIMIZEBOX) SysFlags |= sfMaximizeBox;
  if (exStyle & WS_EX_CONTEXTHELP) SysFlags |= sfContextHelp;
  // Windows 2000 keeps its own caption styles for application windows and
  // unowned top-level windows.
  const DWORD version = GetVersion();
  const bool windows2000 =
      !(version & 0x80000000) && LOBYTE(LOWORD(version)) >= 5 && HIBYTE(LOWORD(version)) == 0;
  if (windows2000 &&
      ((exStyle & WS_EX_APPWINDOW) || (!OwnerWindow && !(exStyle & WS_EX_MDICHILD)))) {
    SysFlags |= sfKeepStyles;
  }
}

void TWinSkinForm::SkinInit() {
  SystemMenu = GetSystemMenu(Handle, FALSE);
  if (SystemMenu) SysFlags |= sfSystemMenu;
  caption_.RebuildIcon();
  GetClientRect(Handle, &ClientRect);
  RECT window{};
  GetWindowRect(Handle, &window);
  StdFrameSize = RECT{0, 0, (window.right - window.left) - (ClientRect.right - ClientRect.left),
                      (window.bottom - window.top) - (ClientRect.bottom - ClientRect.top)};
  SkinControls();

  if (AttachState == asAttached && SkinFrame) {
    if (MDIKind == mkChild) {
      if (Placement == plMaximised) {
        PostMessageW(GetParent(Handle), SKIN_MDIREDRAW, 0, 0);
      } else if (Placement == plNormal) {
        AttachState = asFitting;
        FitWindowToFrame(false);
        AttachState = asSkinned;
        BuildRegion();
      }
    } else if (!ChildWindow && BorderKind != bkNoCaption && Placement != plMinimised) {
      AttachState = asFitting;
      FitWindowToFrame(false);
      AttachState = asSkinned;
      if (Placement == plNormal) {
        BuildRegion();
      } else if (Placement == plMaximised) {
        ForceFrameChange();
      }
    }
  }
  SendMessageW(Handle, SKIN_APPLIED, 0, kSkinMagic);
  if (SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Handle, ClassNameText);
  AttachState = asSkinned;
  caption_.EnableHover(true);
}

void TWinSkinForm::SkinControls() {
  TControlDiscovery discovery(*this, *SkinData);
  if (Form) {
    discovery.SkinAllControls(Form);
  } else {
    discovery.SkinChildWindows(Handle);
  }
  SkinSizeGrips();
}

void TWinSkinForm::SkinSizeGrips() {
  std::vector<HWND> grips;
  grips.swap(sizeGrips_);
  TControlDiscovery discovery(*this, *SkinData);
  for (const HWND grip : grips) {
    if (IsWindow(grip)) discovery.SkinChildWindow(grip);
  }
}

void TWinSkinForm::ForceFrameChange() {
  SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::RestoreHandlers() {
  if (formProcReplaced_ && Form) {
    Form->WindowProc = savedFormProc_;
    savedFormProc_ = nullptr;
  }
  formProcReplaced_ = false;
  frameHook_.Restore();
  mdiClientHook_.Restore();
}

// The form's menus go back to the toolkit's drawing, unless the form is
// being destroyed (its menus are gone then), and the system menu copy goes.
void TWinSkinForm::ReleaseMenus() {
  if (Form && !Form->ComponentState().Contains(csDestroying)) UnskinFormMenus(*Form);
  menuHost_.ReleaseSystemMenuPopup();
}

// Without a skinned frame only the controls, the colour and the hooks go back.
void TWinSkinForm::ReleaseUnframed(bool destroying) {
  skinObjects_.ReleaseAll(!destroying);
  ReleaseMenus();
  if (Form && !destroying) Form->SetColor(SavedColor);
  RestoreHandlers();
}

void TWinSkinForm::Unskin() {
  const bool destroying = AttachState == asDestroying;
  caption_.EnableHover(false);
  if (!SkinFrame) {
    ReleaseUnframed(destroying);
    if (Form && !destroying) Form->Invalidate();
    return;
  }
  if (!frameHook_.Installed()) return;
  RestoreHandlers();
  skinObjects_.ReleaseAll(!destroying);
  ReleaseMenus();
  if (Form && !destroying) Form->SetColor(SavedColor);
  if ((SysFlags & sfSystemMenu) && !(SysFlags & sfKeepStyles)) SetSysMenuStyle(false);
  const bool menuGivenBack = menuHost_.HoldsMenu() && !destroying;
  menuHost_.ReleaseBar(destroying);
  if (!destroying && (MDIKind == mkChild || Placement != plMaximised)) {
    ResizeToStdFrame(menuGivenBack);
  }
  MenuBarHeight = 0;
  SetWindowRgn(Handle, nullptr, TRUE);
  HasRegion = false;
  caption_.ReleaseButtons();
}

// The outer size goes back to the system's frame around the same client area
// (and the system's menu bar, when the window has its menu again).
void TWinSkinForm::ResizeToStdFrame(bool menuGivenBack) {
  RECT rect{};
  if (!GetWindowRect(Handle, &rect)) return;
  const int width = (rect.right - rect.left) - FrameLeft - FrameRight + StdFrameSize.right;
  const int height = (rect.bottom - rect.top) - FrameTop - FrameBottom - MenuBarHeight +
                     StdFrameSize.bottom + (menuGivenBack ? GetSystemMetrics(SM_CYMENU) : 0);
  POINT corner{rect.left, rect.top};
  if (MDIKind == mkChild) ScreenToClient(GetParent(Handle), &corner);
  SetWindowPos(Handle, nullptr, corner.x, corner.y, width, height,
               SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

void TWinSkinForm::ReleaseWindow() {
  const bool destroying = AttachState == asDestroying;
  caption_.EnableHover(false);
  if (!SkinFrame) {
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
  if (Form) {
    Form->SetColor(SkinData->Skin().Colour(scButtonFace));
    for (int i = 0; i < Form->ComponentCount(); ++i) {
      if (auto* owned = dynamic_cast<TCustomForm*>(Form->Components(i))) {
        owned->SetColor(SkinData->Skin().Colour(scButtonFace));
      }
    }
  }
  skinObjects_.SkinChanged();
  AttachState = asReapplying;
  for (TComposedPiece& piece : composedPieces_) piece = TComposedPiece{};
  if (SkinFrame && Form) {
    SkinFormMenus(*Form, *SkinData, session_);
    FitWindowToFrame(true);
    Form->SetHeight(Form->Height() + 1);
    Form->SetHeight(Form->Height() - 1);
  }
  if (SkinFrame) BuildRegion();
  SendMessageW(Handle, SKIN_APPLIED, 0, kSkinMagic);
  if (SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Handle, ClassNameText);
  AttachState = asSkinned;
  if (SkinFrame) RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TWinSkinForm::MDIMaximisedChanged(bool maximised) {
  if (maximised) {
    RemoveRegion();
    return;
  }
  if (Placement == plMinimised) return;
  Placement = plNormal;
  BuildRegion();
  if (!HasRegion) ForceFrameChange();
}
