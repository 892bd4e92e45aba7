// TSkinSession: what the form skin objects of one skin manager share. Which
// menu is about to open (the manager skins the popup window it makes by
// that), and the MDI frame with whether its children are shown maximised.
// The manager owns the session and hands it to every form object it makes;
// a form object made by itself has none and acts alone.
#pragma once

#include <windows.h>

class TBitmap;
class TCustomForm;
class TWinSkinForm;

// Which menu is opening, set before it opens.
enum TMenuKind : int { mkPopupMenu = 0, mkMenuBar = 1, mkSystemMenu = 2 };

// Where a drop-down's items show: the popup window's frame picture (null
// when the menu has no skinned frame) and where the menu's client origin
// sits in that picture.
struct TMenuBackground {
  TBitmap* Picture = nullptr;
  POINT ClientOffset{3, 3};
};

class TSkinSession {
 public:
  TSkinSession() = default;
  TSkinSession(const TSkinSession&) = delete;
  TSkinSession& operator=(const TSkinSession&) = delete;

  // Menus.
  TMenuKind MenuKind() const { return menuKind_; }
  void MenuOpening(TMenuKind kind) { menuKind_ = kind; }
  // A drop-down of a skinned menu bar: its popup windows belong to the bar.
  void MenuBarDropDownOpening() { menuKind_ = mkMenuBar; }
  // The last popup menu window closed.
  void MenusClosed() { menuKind_ = mkPopupMenu; }

  // MDI.
  bool MdiMaximised() const { return mdiMaximised_; }
  // Tells the children when it changes.
  void SetMdiMaximised(bool maximised) {
    if (maximised == mdiMaximised_) return;
    mdiMaximised_ = maximised;
    MdiMaximisedChanged(maximised);
  }
  // The MDI frame's client window and form, recorded when the frame is attached.
  void SetMdiFrame(HWND client, TCustomForm* form) {
    mdiClient_ = client;
    mdiFrameForm_ = form;
  }
  HWND MdiClient() const { return mdiClient_; }
  TCustomForm* MdiFrameForm() const { return mdiFrameForm_; }

  // What a form object tells its manager: it is attaching to its window
  // (so skinning is under way),
  virtual void FormAttaching() = 0;
  // it is being destroyed (it leaves the manager's list),
  virtual void FormDestroyed(TWinSkinForm* form) = 0;
  // and it asks for the background of the drop-down hmenu as the popup
  // windows show it, which also tells the manager that this menu is drawn.
  virtual TMenuBackground MenuBackground(HMENU menu) = 0;

 protected:
  virtual ~TSkinSession() = default;
  // The children of the MDI frame follow the new state.
  virtual void MdiMaximisedChanged(bool maximised) = 0;

 private:
  TMenuKind menuKind_ = mkPopupMenu;
  bool mdiMaximised_ = false;
  HWND mdiClient_ = nullptr;
  TCustomForm* mdiFrameForm_ = nullptr;
};
