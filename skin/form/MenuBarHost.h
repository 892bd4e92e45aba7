// TMenuBarHost: a skinned frame's menus. It takes the window's menu into a
// skinned bar (and gives it back), follows menu changes of the toolkit and
// of an MDI frame, knows while a bar drop-down is tracked, opens bar items
// for the mouse and the keyboard, owns the skinned copy of the system menu
// and draws the owner-drawn items of all of them.
#pragma once

#include <windows.h>

#include <memory>

class TMenuBtn;
class TMenuItem;
class TPopupMenu;
class TWinSkinForm;
class TWinSkinMenu;

class TMenuBarHost {
 public:
  explicit TMenuBarHost(TWinSkinForm& form);
  ~TMenuBarHost();
  TMenuBarHost(const TMenuBarHost&) = delete;
  TMenuBarHost& operator=(const TMenuBarHost&) = delete;

  static constexpr int kSystemMenuTag = 33333;

  // The bar (MenuBarForm.cpp). Attach reads the window's menu as it is at
  // attach; the bar exists only for a window with one.
  void Attach();
  void AttachBar();
  // Gives the window its menu back (when it keeps it) and frees the bar.
  void ReleaseBar(bool destroying);
  // The toolkit has put a changed menu on the window.
  void MenuChanged();
  void MdiMenuSet(WPARAM newFrameMenu);
  // The MDI frame's last child went: the bar shows the frame's menu again.
  void MdiChildrenGone();
  TWinSkinMenu* Bar() const { return bar_.get(); }
  // The window's menu when it was attached; null for a window without one.
  HMENU WindowMenu() const { return windowMenu_; }
  // Whether the bar will give the window a menu back on release.
  bool HoldsMenu() const;

  // Opening bar items. Each may destroy the form: callers touch nothing of
  // it once they return true.
  bool OpenAt(LPARAM screenPoint);
  bool OpenAccelerator(wchar_t character);
  // Alt alone (character 0) opens the first item; true when the key is
  // taken.
  bool OpenForKey(wchar_t character);

  // A bar drop-down's menu loop (MenuBarTracking.cpp).
  bool Tracking() const { return tracking_; }
  HMENU TrackedPopup() const { return trackedPopup_; }
  void TrackingStarted(HMENU popup);
  void TrackingEnded();
  // The menu loop left the bar (Alt pressed, or the menus closed).
  void MenuLoopLeft() { tracking_ = false; }
  void EndTracking();

  // The system menu (SystemMenuPopup.cpp). The owner-drawn copy of the
  // window's system menu, rebuilt for each showing; null before the first.
  void ShowSystemMenu(int x, int y);
  void RebuildSystemMenuPopup();
  TPopupMenu* SystemMenuPopup() const { return systemMenuPopup_.get(); }
  // The copy goes unless it is showing now.
  void ReleaseSystemMenuPopup();
  // The next request is never taken for the second click of a double click.
  void ForgetSystemMenuRequest() { lastSystemMenuTick_ = 0; }

  // WM_MEASUREITEM and WM_DRAWITEM of menus (MenuOwnerDraw.cpp); false when
  // the message goes on to the previous procedure.
  bool MeasureMenuItem(LPARAM lParam, LRESULT& result);
  bool DrawMenuItem(LPARAM lParam, LRESULT& result);
  // The toolkit item an owner-drawn menu message names: the form's menus
  // first, then the system menu copy; null when none.
  TMenuItem* ToolkitMenuItem(UINT id) const;

 private:
  // Reads the bar's items; its height for them, none without any.
  int BuildBar();

  TWinSkinForm& form_;
  std::unique_ptr<TWinSkinMenu> bar_;
  HMENU windowMenu_ = nullptr;
  bool tracking_ = false;
  // The bar drop-down being tracked; native entries are looked up there.
  HMENU trackedPopup_ = nullptr;
  std::unique_ptr<TPopupMenu> systemMenuPopup_;
  bool systemMenuShowing_ = false;
  DWORD lastSystemMenuTick_ = 0;
  UINT doubleClickTime_;
};
