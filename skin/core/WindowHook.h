// Subclassing a window without executable thunks: one static window
// procedure per role finds its hook object through a window property under
// the role's own atom (a window can carry a frame hook and, as an MDI client,
// be hooked for its frame too). A second property keeps the procedure the
// hook replaced, so a window whose hook object is gone still reaches it.
#pragma once

#include <windows.h>

// Control: a plain child window taken over by a skinned-control object;
// PopupMenu: a popup menu window whose frame the skin paints.
enum class THookRole { Frame, MdiClient, Control, PopupMenu };

class TWindowHook;

// What a hook hands every message to. Exceptions that escape are caught in
// the window procedure and reported as the toolkit reports handler failures.
class TWindowHookTarget {
 public:
  virtual LRESULT HookedMessage(TWindowHook& hook, UINT msg, WPARAM wParam, LPARAM lParam) = 0;

 protected:
  ~TWindowHookTarget() = default;
};

class TWindowHook {
 public:
  TWindowHook(THookRole role, TWindowHookTarget& target) : role_(role), target_(target) {}
  // Restores the window procedure (see Restore).
  ~TWindowHook();
  TWindowHook(const TWindowHook&) = delete;
  TWindowHook& operator=(const TWindowHook&) = delete;

  // False when this hook is installed already, the window is gone or it
  // already carries a hook of this role.
  bool Install(HWND window);
  // Gives the window its old procedure back, but only while the current one
  // is still ours: someone who subclassed after us keeps calling our
  // procedure, which then forwards to the old one. True when put back.
  bool Restore();
  // The window is being destroyed: forget it without touching its procedure.
  void Forget();

  bool Installed() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  THookRole Role() const { return role_; }
  bool Unicode() const { return unicode_; }
  WNDPROC OldProc() const { return oldProc_; }
  // The replaced procedure's answer to a message.
  LRESULT CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const;

  // The static procedure of a role (to compare with GWLP_WNDPROC).
  static WNDPROC ProcedureOf(THookRole role);

 private:
  static LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK MdiClientProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK PopupMenuProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT Dispatch(THookRole role, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  THookRole role_;
  TWindowHookTarget& target_;
  HWND window_ = nullptr;
  WNDPROC oldProc_ = nullptr;
  bool unicode_ = true;
};
