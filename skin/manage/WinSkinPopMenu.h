// The skin's frame around a popup menu window ("#32768"): the window is
// subclassed and its frame painted from the skin's menu background; the
// items inside stay the menu's own.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/core/WindowHook.h"

class TBitmap;
class TSkinData;

class TWinSkinPopMenu : private TWindowHookTarget {
 public:
  TWinSkinPopMenu();
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // Subclasses the menu window; false when it cannot be (gone, or hooked).
  bool Attach(HWND window, TSkinData* data, HMENU menu);
  // Gives the window its procedure back and forgets the frame picture.
  void Detach();

  bool Attached() const { return hook_.Installed(); }
  HWND Window() const { return window_; }
  TSkinData* SkinData() const { return skinData_; }
  // The last frame picture built for the window; empty before the first.
  TBitmap& FramePicture() { return *picture_; }

  HMENU MenuHandle = nullptr;

 private:
  LRESULT HookedMessage(TWindowHook& hook, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // The skin has a menu background to paint and is not being replaced.
  bool CanPaint() const;
  void BuildFramePicture();
  // Builds the picture for the window's size and copies it to dc at (0, 0).
  void CopyPicture(HDC dc);
  LRESULT PaintFrame(WPARAM wParam, LPARAM lParam);
  void PaintEdgesOverClient();
  LRESULT Print(WPARAM wParam, LPARAM lParam);

  TWindowHook hook_{THookRole::PopupMenu, *this};
  HWND window_ = nullptr;
  TSkinData* skinData_ = nullptr;
  std::unique_ptr<TBitmap> picture_;
};
