// The window procedure of a skinned window, in three stages: what every
// hooked window needs, what skinned frames need, and the non-client work
// that only runs once the skin is initialised.
#include "skin/controls/ControlDiscovery.h"
#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/SkinMenuBar.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Forms.h"

namespace {

constexpr UINT WM_THEMED_CAPTION_PAINT = 0x00AE;

bool IsSystemCommandId(WPARAM id) {
  switch (id) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      return true;
    default:
      return false;
  }
}

}  // namespace

LRESULT TWinSkinForm::HookedMessage(TWindowHook& hook, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hook.Role() == THookRole::MdiClient) return MDIClientWndProc(msg, wParam, lParam);
  return FrameWndProc(msg, wParam, lParam);
}

LRESULT TWinSkinForm::FrameWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  // Stage 0: nothing is painted before the skin is initialised.
  if (AttachState == asAttached && msg == WM_NCPAINT) return 0;
  LRESULT result = 0;
  if (FrameStage1(msg, wParam, lParam, result)) return result;
  // A plain child window keeps its own frame.
  if (MDIKind != mkChild && (Style & WS_CHILD)) return PassOn(msg, wParam, lParam);
  if (FrameStage2(msg, wParam, lParam, result)) return result;
  if (MaximisedMdiChild() || AttachState == asAttached) return PassOn(msg, wParam, lParam);
  return FrameStage3(msg, wParam, lParam);
}

// Stage 1, every hooked window. True when the message is done.
bool TWinSkinForm::FrameStage1(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = PassOn(msg, wParam, lParam);
      if (!Form) {
        RECT client{};
        GetClientRect(Handle, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, SkinData->Skin().FaceBrush.Get());
        result = 1;
      }
      return true;
    case WM_NCDESTROY:
      AttachState = asDestroying;
      ReleaseWindow();
      result = PassOn(msg, wParam, lParam);
      AttachState = asGone;
      return true;
    case WM_NCACTIVATE:
      if (AttachState == asAttached && MDIKind != mkChild) {
        result = 0;
        return true;
      }
      if (!SkinFrame) {
        result = PassOn(msg, wParam, lParam);
        return true;
      }
      return false;
    case WM_THEMED_CAPTION_PAINT:
      result = 0;
      return true;
    case WM_PARENTNOTIFY:
      result = PassOn(msg, wParam, lParam);
      if (LOWORD(wParam) == WM_CREATE && AttachState == asSkinned && !sizeGrips_.empty()) {
        SkinSizeGrips();
      }
      return true;
    case WM_INITMENUPOPUP:
      if (session_) {
        session_->MenuOpening(reinterpret_cast<HMENU>(wParam) == SystemMenu ? mkSystemMenu
                                                                            : mkMenuBar);
      }
      result = PassOn(msg, wParam, lParam);
      return true;
    case WM_CTLCOLORBTN:
      result = PassOn(msg, wParam, lParam);
      if (!Form) SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return true;
    case WM_CTLCOLORSTATIC:
      result = PassOn(msg, wParam, lParam);
      if (!Form) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        result = reinterpret_cast<LRESULT>(SkinData->Skin().FaceBrush.Get());
      }
      return true;
    case SKIN_INIT:
      SkinInit();
      result = 0;
      return true;
    case SKIN_RESKINSCROLL:
      if (SkinData)
        TControlDiscovery(*this, *SkinData).ReskinScroll(reinterpret_cast<HWND>(wParam));
      result = 0;
      return true;
    case SKIN_QUERY:
      PostMessageW(Handle, SKIN_APPLIED, 0, kSkinMagic);
      result = 1;
      return true;
    default:
      if (!SkinFrame) {
        result = PassOn(msg, wParam, lParam);
        return true;
      }
      return false;
  }
}

// Stage 2, skinned frames. True when the message is done.
bool TWinSkinForm::FrameStage2(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_SIZE: {
      result = PassOn(msg, wParam, lParam);
      if (wParam == SIZE_MINIMIZED) {
        Placement = plMinimised;
      } else {
        Placement = wParam == SIZE_MAXIMIZED ? plMaximised : plNormal;
        const bool mdiAllows =
            MDIKind != mkChild || (Placement == plNormal && session_ && !session_->MdiMaximised());
        if (mdiAllows && (AttachState == asSkinned || AttachState == asReapplying)) BuildRegion();
      }
      return true;
    }
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      Active = LOBYTE(wParam) != 0;
      return false;
    case WM_GETMINMAXINFO:
      result = PassOn(msg, wParam, lParam);
      ReadPlacement();
      return true;
    case WM_WINDOWPOSCHANGED:
      ReadPlacement();
      result = PassOn(msg, wParam, lParam);
      return true;
    case WM_SETICON:
      result = PassOn(msg, wParam, lParam);
      caption_.RebuildIcon();
      return true;
    case WM_COMMAND:
      if (IsSystemCommandId(wParam)) {
        PostMessageW(Handle, WM_SYSCOMMAND, wParam, 0);
        result = 0;
      } else {
        result = PassOn(msg, wParam, lParam);
      }
      return true;
    case WM_SYSCOMMAND:
      if (!SysCommand(wParam, lParam, result)) result = PassOn(msg, wParam, lParam);
      return true;
    case WM_MEASUREITEM:
      if (!wParam && MeasureMenuItem(lParam, result)) return true;
      return false;
    case WM_DRAWITEM:
      if (!wParam && DrawMenuItem(lParam, result)) return true;
      return false;
    case CM_MENUCHANGED:
      SkinData->FramePaint = 0;
      result = PassOn(msg, wParam, lParam);
      SkinData->FramePaint = 1;
      MenuChanged();
      return true;
    case WM_MENUSELECT:
      if (MenuTracking) MenuBarMenuSelect(*this, wParam, lParam);
      result = PassOn(msg, wParam, lParam);
      return true;
    case SKIN_OPENMENUBAR:
      // The form may be gone once the drop-down closed.
      OpenMenuBarAt(lParam);
      result = 0;
      return true;
    default:
      return false;
  }
}

// Stage 3, the non-client area of an initialised skinned frame.
LRESULT TWinSkinForm::FrameStage3(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (msg) {
    case WM_NCCALCSIZE:
      return NcCalcSize(wParam, lParam);
    case WM_NCHITTEST:
      return NcHitTest(wParam, lParam);
    case WM_NCPAINT:
      return NcPaint(wParam, lParam);
    case WM_NCACTIVATE:
      return NcActivate(wParam, lParam);
    case SKIN_REPAINTFRAME:
      PaintFrame(nullptr);
      return 0;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      if (NcMouse(msg, wParam, lParam, result)) return result;
      return PassOn(msg, wParam, lParam);
    default:
      return PassOn(msg, wParam, lParam);
  }
}
