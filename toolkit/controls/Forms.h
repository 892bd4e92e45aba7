// Top-level windows: forms, and the screen's list of them.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/controls/Menus.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/graphics/Icon.h"

enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TCustomControl, public TMainMenuHost {
  TAPVANE_CLASS(TCustomForm)
 public:
  // Makes an empty form; a form class with a layout reads it in its own
  // constructor with LoadFormLayout.
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  RECT ClientRect() const override;
  TIcon* Icon() const { return icon_.get(); }
  void SetIcon(TIcon* value) { icon_->Assign(value); }
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value) { autoScroll_ = value; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }
  // The menu shown in the window's menu bar; not owned, dropped when freed.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* value);
  // Clicks the enabled item of the form's menus that has this shortcut;
  // false when none has.
  bool IsShortCut(TShortCut shortCut);
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);

  // The close path of the caption button, Alt+F4 and code alike.
  void Close();
  bool CloseQuery();
  // Frees the form once the messages already queued are handled.
  void Release();

  // OnCreate, once; run after the layout was read (LoadFormLayout) or by
  // TApplication::CreateForm for a form without one.
  void AfterConstruction();
  bool Created() const { return created_; }
  // OnDestroy runs here when the owner or the release queue frees the form,
  // while a derived form's members are still there for its handler.
  void BeforeDestruction() override { DoDestroy(); }

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Runs OnDestroy once, however the form goes.
  void DoDestroy();
  void ChildRemoved(TControl* control) override;
  void DropMainMenu() override { SetMenu(nullptr); }
  // Sent, so that whoever subclassed the window hears it too.
  void MainMenuChanged() override;

 private:
  void ApplyPosition();
  void ApplyIcon();
  void FocusChanged(TWinControl* control);
  bool IsOwnControl(const TControl* control) const;
  // The application's run ends with its main form: true when this was it.
  bool EndRunIfMain();
  // The handlers of WndProc, one per message.
  void WindowDestroying();
  void ShowOrHide(bool visible);
  void Activation(TMessage& message);
  void ControlFocused(TWinControl* control);
  void RecreateWindow(TMessage& message);
  // True when a control took the key.
  bool DialogKey(const TMessage& message);
  // WM_COMMAND, WM_MEASUREITEM and WM_DRAWITEM of the form's menus.
  bool MenuMessage(TMessage& message);
  // The main menu, then the popup menus the form owns.
  std::vector<TMenu*> Menus() const;
  // Puts the menu's handle into the window (again), or redraws the bar.
  void ShowMenu();
  // The window lets go of the menu's handle, which the menu keeps.
  void TakeMenuFromWindow();
  void DetachMenu();

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDefaultPosOnly;
  int clientWidth_ = -1;
  int clientHeight_ = -1;
  std::unique_ptr<TIcon> icon_;
  bool autoScroll_ = true;
  bool keyPreview_ = false;
  TWinControl* activeControl_ = nullptr;
  TMainMenu* menu_ = nullptr;
  bool created_ = false;
  bool destroyed_ = false;
  bool recreating_ = false;
  bool positioned_ = false;
};

class TForm : public TCustomForm {
  TAPVANE_CLASS(TForm)
 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// Reads the layout stored as RCDATA under the form class's name upper-cased
// ("TFORM1") into the form, then runs its OnCreate. Throws EResNotFound when
// the program carries no such resource.
void LoadFormLayout(TCustomForm* form);

class EResNotFound : public Exception {
  using Exception::Exception;
};

class TScreen : public TComponent {
  TAPVANE_CLASS(TScreen)
 public:
  explicit TScreen(TComponent* owner) : TComponent(owner) {}
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
  TCustomForm* ActiveForm() const { return activeForm_; }
  // The form whose window is window, among those that have one: asking
  // never makes a window (hooks ask while windows are being made).
  TCustomForm* FindForm(HWND window) const;
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  int DesktopWidth() const { return GetSystemMetrics(SM_CXVIRTUALSCREEN); }
  int DesktopHeight() const { return GetSystemMetrics(SM_CYVIRTUALSCREEN); }

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* form) { forms_.push_back(form); }
  void RemoveForm(TCustomForm* form);
  std::vector<TCustomForm*> forms_;
  TCustomForm* activeForm_ = nullptr;
};

extern TScreen* Screen;

// The published-property enumerations of forms.
const TEnumInfo& PositionInfo();
const TEnumInfo& BorderIconInfo();
const TEnumInfo& FormBorderStyleInfo();
