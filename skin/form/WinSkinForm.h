// TWinSkinForm: the skin object of one top-level window. It replaces the
// window's procedure (and the toolkit form's message handler), paints the
// whole non-client area from the skin and undoes all of it on request or
// when the window goes. Its frame geometry (TFormFrame), caption (TCaptionBar)
// and menus (TMenuBarHost) are parts it owns; it keeps the window's facts,
// the attach state and the message dispatch. The skin manager creates and
// lists these objects and hands each the session its form objects share.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/core/SkinControlHost.h"
#include "skin/core/SkinObjectList.h"
#include "skin/core/WindowHook.h"
#include "skin/form/CaptionBar.h"
#include "skin/form/FormFrame.h"
#include "skin/form/MenuBarHost.h"
#include "skin/form/SkinSession.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/core/Component.h"
#include "toolkit/graphics/ScopedHandles.h"

class TBitmap;
class TCustomForm;
class TDataSkinBorder;
class TMenuBtn;
class TMenuItem;
class TNCObject;
class TPopupMenu;
class TSkinData;
class TTimer;
class TWinSysButton;
class TWinSkinMenu;

// Where a skin object stands with its window.
enum TAttachState : int {
  asAttached = 0,  // waiting for SKIN_INIT
  asSkinned = 1,
  asReapplying = 3,  // a changed skin is being applied
  asDestroying = 4,  // WM_NCDESTROY in progress
  asFitting = 5,     // resizing for the skinned frame during initialisation
  asGone = 6,        // window gone; the manager frees the object at its next sweep
};

enum TBorderKind : int { bkSizeable = 0, bkSingle = 1, bkNoCaption = 2, bkDialog = 3 };
enum TPlacement : int { plNormal = 0, plMaximised = 1, plMinimised = 2 };
enum TMdiKind : int { mkNone = 0, mkFrame = 1, mkChild = 2 };

// SysFlags bits.
constexpr int sfMaximizeBox = 1;
constexpr int sfMinimizeBox = 2;
constexpr int sfContextHelp = 4;
constexpr int sfSystemMenu = 8;
constexpr int sfKeepStyles = 16;

// A window lays out right to left when its extended style puts the scroll
// bar on the left, as the right-to-left styles of the toolkit do.
constexpr bool LaysOutRightToLeft(DWORD exStyle) { return (exStyle & WS_EX_LEFTSCROLLBAR) != 0; }

// What a form skin object knows of its window: read when it attaches and
// kept up to date by the messages that change it.
struct TWindowFacts {
  String WindowClassName;
  bool SkinFrame = false;
  bool Active = true;
  bool RightToLeft = false;
  bool ThickFrame = false;
  bool UnicodeWindow = true;
  bool DialogClass = false;
  bool ChildWindow = false;
  TBorderKind BorderKind = bkSingle;
  TPlacement Placement = plNormal;
  TMdiKind MDIKind = mkNone;
  int SysFlags = 0;
  LONG Style = 0;
  HWND OwnerWindow = nullptr;
  HWND MDIClient = nullptr;
  HMENU SystemMenu = nullptr;
};

class TWinSkinForm : public TComponent, public TSkinControlHost, private TWindowHookTarget {
  TAPVANE_CLASS(TWinSkinForm)
 public:
  // session: the manager's, or null for an object that acts alone.
  explicit TWinSkinForm(TComponent* owner, TSkinSession* session = nullptr);
  ~TWinSkinForm() override;

  TSkinSession* Session() const { return session_; }
  // The manager is going: nothing is told to it any more.
  void LeaveSession() { session_ = nullptr; }

  // The window, the manager's id and the window's class name as the manager
  // saw it; given by the manager before attaching.
  void Bind(HWND window, int managerId, const String& className) {
    handle_ = window;
    managerId_ = managerId;
    classNameText_ = className;
  }
  HWND Handle() const { return handle_; }
  int ManagerId() const { return managerId_; }
  const String& ClassNameText() const { return classNameText_; }

  void AttachForm(TSkinData* skinData, TCustomForm* form);
  void AttachWindow(TSkinData* skinData);
  // Undo everything and put the window back as it was.
  void Unskin();
  // Detach without restoring the frame (the window is going, or the
  // manager is stopping).
  void ReleaseWindow();
  // Re-apply a changed skin; the manager has freed the caption buttons and
  // recomputed the frame first.
  void RefreshSkin();
  void MDIMaximisedChanged(bool maximised);
  void ForceFrameChange();
  // A size grip is being created inside the window. It is skinned once its
  // creation is done (WM_PARENTNOTIFY), or by the control pass of SKIN_INIT
  // if it comes before.
  void SizeGripCreated(HWND grip) { sizeGrips_.push_back(grip); }

  // The skinned-control objects of the form's controls (TSkinControlHost).
  HWND HostWindow() const override { return handle_; }
  TComponent* HostComponent() override { return this; }
  bool AddSkinObject(TSkinObjectBase* object) override { return skinObjects_.Add(object); }
  void RemoveSkinObject(TSkinObjectBase* object) override { skinObjects_.Remove(object); }
  TSkinObjectBase* FindSkinObject(HWND window) const override { return skinObjects_.Find(window); }
  const TSkinObjectList& SkinObjects() const { return skinObjects_; }
  void SweepGoneSkinObjects() override { skinObjects_.SweepGone(); }
  TCanvas& ControlCanvas() override { return *controlCanvas_; }
  // Discovers the controls and attaches their skin objects.
  void SkinControls();
  // Hands the size grips created so far to control discovery.
  void SkinSizeGrips();

  // The frame's geometry and the window region.
  TFormFrame& Frame() { return frame_; }
  const TFormFrame& Frame() const { return frame_; }
  // The frame's widths for the skin, and the caption buttons it describes.
  void ComputeFrame();

  // Painting (FramePaint.cpp).
  void PaintFrame(HDC dc);
  void PaintBorderPiece(int piece, const RECT& rect, HDC dc);
  void PaintCaption(HDC dc);
  // The caption band in the off-screen buffer, buttons in their normal look.
  bool ComposeCaption();
  void PaintCaptionButton(const TWinSysButton& button, int frame);
  void SetSysMenuStyle(bool remove);

  // The caption: its buttons, text, icon and hover.
  TCaptionBar& Caption() { return caption_; }
  const TCaptionBar& Caption() const { return caption_; }

  // The menus: the skinned bar, its drop-downs, the system menu.
  TMenuBarHost& MenuHost() { return menuHost_; }
  const TMenuBarHost& MenuHost() const { return menuHost_; }

  TAttachState AttachState() const { return attachState_; }
  TSkinData* SkinData() const { return skinData_; }
  // The skin data of an object that works without being attached (its
  // controls' skin objects still need one); attaching sets its own.
  void UseSkinData(TSkinData* skinData) { skinData_ = skinData; }
  // The toolkit form of the window; null for a plain window.
  TCustomForm* ToolkitForm() const { return toolkitForm_; }
  const TWindowFacts& Window() const { return window_; }
  // A caption button has asked the window to change its placement.
  void SetPlacement(TPlacement placement) { window_.Placement = placement; }
  // The window's styles changed behind the skin's back: reads them and the
  // caption buttons they allow again.
  void ReadStyles();

 private:
  LRESULT HookedMessage(TWindowHook& hook, UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT FrameWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // The stages of FrameWndProc (handlers in FrameMessages.cpp).
  bool HookedWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool SkinnedFrameMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT NonClientMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT EraseBackground(WPARAM wParam, LPARAM lParam);
  LRESULT NcDestroy(WPARAM wParam, LPARAM lParam);
  bool NcActivateBeforeInit(WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT ParentNotify(WPARAM wParam, LPARAM lParam);
  LRESULT InitMenuPopup(WPARAM wParam, LPARAM lParam);
  LRESULT ControlColour(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT SkinRequest(UINT msg, WPARAM wParam);
  LRESULT Sized(WPARAM wParam, LPARAM lParam);
  LRESULT WindowChanged(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Command(WPARAM wParam, LPARAM lParam);
  LRESULT MenuMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // The MDI client's procedure and the toolkit form's handler
  // (FormWindowProc.cpp).
  LRESULT MDIClientWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  void HideMdiScrollbars();
  void MdiChildDestroyed();
  void FormWindowProc(TMessage& message);
  void CaptionTextChanged();
  void DialogChar(TMessage& message);
  LRESULT PassOn(UINT msg, WPARAM wParam, LPARAM lParam) {
    return frameHook_.CallOld(msg, wParam, lParam);
  }

  void CommonAttach(TSkinData* skinData);
  void ReadPlacement();
  void ReadBorderKind(LONG exStyle);
  void ReadSysFlags(LONG exStyle);
  void SkinInit();
  void RestoreHandlers();
  void ReleaseUnframed(bool destroying);
  void ReleaseMenus();
  static bool AltAlone();

  LRESULT NcCalcSize(WPARAM wParam, LPARAM lParam);
  LRESULT NcHitTest(WPARAM wParam, LPARAM lParam);
  LRESULT NcPaint(WPARAM wParam, LPARAM lParam);
  LRESULT NcActivate(WPARAM wParam, LPARAM lParam);
  // What a non-client mouse message is over: a caption button, or else a
  // menu bar item; object is whichever it is.
  struct TNcTarget {
    TWinSysButton* button = nullptr;
    TMenuBtn* item = nullptr;
    TNCObject* object = nullptr;
  };
  TNcTarget NcTargetAt(LPARAM screenPoint) const;
  bool NcMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool NcMouseMove(const TNcTarget& target);
  bool NcLeftButtonDown(const TNcTarget& target, WPARAM hit, LPARAM lParam, LRESULT& result);
  bool NcLeftButtonUp(const TNcTarget& target, LPARAM lParam);
  bool NcDoubleClick(const TNcTarget& target);
  bool NcRightButtonDown(WPARAM hit, LPARAM lParam);
  bool SysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool KeyMenu(WPARAM wParam, LPARAM lParam, LRESULT& result);

  TDataSkinBorder* BorderRecord(int piece) const;
  // A border piece composed for its size and look, kept until either changes.
  TBitmap* ComposedPiece(int piece, int width, int height);

  struct TComposedPiece {
    const TDataSkinBorder* record = nullptr;
    int width = 0, height = 0, index = 0;
    std::unique_ptr<TBitmap> image;
  };
  bool MaximisedMdiChild() const {
    return window_.MDIKind == mkChild && window_.Placement == plMaximised;
  }

  HWND handle_ = nullptr;
  int managerId_ = 0;
  String classNameText_;
  TAttachState attachState_ = asAttached;
  TSkinData* skinData_ = nullptr;
  TCustomForm* toolkitForm_ = nullptr;
  TWindowFacts window_;
  TColor savedColor_ = 0;
  TWindowHook frameHook_{THookRole::Frame, *this};
  TWindowHook mdiClientHook_{THookRole::MdiClient, *this};
  TWndMethod savedFormProc_;
  bool formProcReplaced_ = false;
  std::unique_ptr<TBitmap> captionBitmap_;
  std::unique_ptr<TCanvas> controlCanvas_;
  TComposedPiece composedPieces_[4];
  TSkinObjectList skinObjects_;
  std::vector<HWND> sizeGrips_;
  TSkinSession* session_ = nullptr;
  TFormFrame frame_{*this};
  TCaptionBar caption_{*this};
  TMenuBarHost menuHost_{*this};
  bool savedMenuUpdate_ = true;
};
