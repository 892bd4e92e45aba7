// Scope objects for Win32 resources, all in one place: whatever way a scope
// is left, what it made is released and what it changed is put back.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <unknwn.h>

#include <utility>

#include "toolkit/core/ScopeExit.h"

// An owned handle that Free releases.
template <typename H, typename Free>
class TOwnedHandle {
 public:
  TOwnedHandle() = default;
  explicit TOwnedHandle(H handle) : handle_(handle) {}
  TOwnedHandle(TOwnedHandle&& other) noexcept : handle_(other.Release()) {}
  TOwnedHandle& operator=(TOwnedHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  TOwnedHandle(const TOwnedHandle&) = delete;
  TOwnedHandle& operator=(const TOwnedHandle&) = delete;
  ~TOwnedHandle() { Reset(); }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  H Release() { return std::exchange(handle_, nullptr); }
  void Reset(H handle = nullptr) {
    if (handle_ && handle_ != handle) Free{}(handle_);
    handle_ = handle;
  }
  // For calls that hand a new handle back through a pointer.
  H* Out() {
    Reset();
    return &handle_;
  }

 private:
  H handle_ = nullptr;
};

struct TGdiObjectFree {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct TIconFree {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct TWindowFree {
  void operator()(HWND window) const { DestroyWindow(window); }
};
// Only the menu itself goes: its entries are taken out first, so submenus
// that other owners hold survive.
struct TMenuFree {
  void operator()(HMENU menu) const {
    while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
    DestroyMenu(menu);
  }
};
struct TRegKeyFree {
  void operator()(HKEY key) const { RegCloseKey(key); }
};

template <typename H>
using TGdiObject = TOwnedHandle<H, TGdiObjectFree>;
using TBitmapHandle = TGdiObject<HBITMAP>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TPenHandle = TGdiObject<HPEN>;
using TFontHandle = TGdiObject<HFONT>;
using TRegionHandle = TGdiObject<HRGN>;
using TIconHandle = TOwnedHandle<HICON, TIconFree>;
using TWindowHandle = TOwnedHandle<HWND, TWindowFree>;
using TRegKey = TOwnedHandle<HKEY, TRegKeyFree>;
using TMenuHandle = TOwnedHandle<HMENU, TMenuFree>;

// A memory DC compatible with the screen (or with another DC).
class TMemoryDC {
 public:
  explicit TMemoryDC(HDC compatible = nullptr) : dc_(CreateCompatibleDC(compatible)) {}
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  ~TMemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

enum class TDCArea { Client, Window };

// A window's DC from GetDC (client area) or GetWindowDC (whole window, frame
// included), given back with ReleaseDC. A null window means the screen.
// With a DC handed in, that DC is used and left alone.
class TWindowDC {
 public:
  explicit TWindowDC(HWND window, TDCArea area = TDCArea::Client)
      : TWindowDC(window, nullptr, area) {}
  TWindowDC(HWND window, HDC given, TDCArea area)
      : window_(window), dc_(given ? given : Acquire(window, area)), owned_(!given) {}
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  ~TWindowDC() {
    if (owned_ && dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  static HDC Acquire(HWND window, TDCArea area) {
    return area == TDCArea::Window ? GetWindowDC(window) : GetDC(window);
  }

  HWND window_;
  HDC dc_;
  bool owned_;
};

// The screen DC, for the few calls that want a reference device.
class TScreenDC : public TWindowDC {
 public:
  TScreenDC() : TWindowDC(nullptr) {}
};

// BeginPaint paired with EndPaint; with a DC handed in (WM_PAINT's wParam),
// that DC is used and nothing is begun or ended.
class TPaintDC {
 public:
  explicit TPaintDC(HWND window, HDC given = nullptr)
      : window_(window), dc_(given ? given : BeginPaint(window, &paint_)), began_(!given) {}
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  ~TPaintDC() {
    if (began_) EndPaint(window_, &paint_);
  }
  HDC Get() const { return dc_; }
  const PAINTSTRUCT& Paint() const { return paint_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
  bool began_;
};

// Selects an object into a DC for one scope.
class TSelection {
 public:
  TSelection(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;
  ~TSelection() {
    if (old_) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC/RestoreDC for one scope.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;
  ~TSavedDC() {
    if (saved_) RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

// SetBkColor for one scope.
class TSavedBkColor {
 public:
  TSavedBkColor(HDC dc, COLORREF colour) : dc_(dc), old_(SetBkColor(dc, colour)) {}
  TSavedBkColor(const TSavedBkColor&) = delete;
  TSavedBkColor& operator=(const TSavedBkColor&) = delete;
  ~TSavedBkColor() {
    if (old_ != CLR_INVALID) SetBkColor(dc_, old_);
  }

 private:
  HDC dc_;
  COLORREF old_;
};

// One COM interface reference, released when the scope ends.
template <class T>
class TComRef {
 public:
  TComRef() = default;
  TComRef(const TComRef&) = delete;
  TComRef& operator=(const TComRef&) = delete;
  ~TComRef() { Reset(); }

  T* Get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For the out parameter of CoCreateInstance/QueryInterface.
  void** Out() {
    Reset();
    return reinterpret_cast<void**>(&pointer_);
  }
  void Reset() {
    if (pointer_) std::exchange(pointer_, nullptr)->Release();
  }

 private:
  T* pointer_ = nullptr;
};
