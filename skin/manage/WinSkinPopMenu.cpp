#include "skin/manage/WinSkinPopMenu.h"

#include "skin/core/SkinMessages.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/manage/SkinManage.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

// The menu's own items are printed inside a frame this wide.
constexpr int kFrameWidth = 3;

RECT WindowBox(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  return rect;
}

}  // namespace

TWinSkinPopMenu::TWinSkinPopMenu() : picture_(std::make_unique<TBitmap>()) {}

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

bool TWinSkinPopMenu::Attach(HWND window, TSkinData* data, HMENU menu) {
  window_ = window;
  skinData_ = data;
  MenuHandle = menu;
  return hook_.Install(window);
}

void TWinSkinPopMenu::Detach() {
  if (!hook_.Installed()) return;
  hook_.Restore();
  picture_->SetSize(0, 0);
}

bool TWinSkinPopMenu::CanPaint() const {
  if (!skinData_ || skinData_->SkinPending()) return false;
  const TDataSkinObject* background = skinData_->Skin().MenuBackground.get();
  return background && !background->Image->Empty();
}

void TWinSkinPopMenu::BuildFramePicture() {
  const TDataSkinObject& background = *skinData_->Skin().MenuBackground;
  const RECT margins = background.Margins();
  picture_ = ComposeFramedImage(WindowBox(window_), *background.Image, margins, false,
                                background.Tile != 0, 1, 1);
  if (!picture_) picture_ = std::make_unique<TBitmap>();
}

LRESULT TWinSkinPopMenu::HookedMessage(TWindowHook& hook, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == SKIN_QUERY) return 1;
  const TSkinManage* manager = TSkinManage::Instance();
  if (!manager || !manager->Skinning()) return hook.CallOld(msg, wParam, lParam);
  switch (msg) {
    case WM_DESTROY: {
      const WNDPROC old = hook.OldProc();
      const bool unicode = hook.Unicode();
      Detach();
      return unicode ? CallWindowProcW(old, window_, msg, wParam, lParam)
                     : CallWindowProcA(old, window_, msg, wParam, lParam);
    }
    case WM_ERASEBKGND:
      // With the menu background option the picture is the background.
      if (!skinData_ || !skinData_->Options().Contains(xoMenuBG)) {
        hook.CallOld(msg, wParam, lParam);
      }
      return 1;
    case WM_NCPAINT:
      return PaintFrame(wParam, lParam);
    case WM_PAINT: {
      const LRESULT result = hook.CallOld(msg, wParam, lParam);
      PaintEdgesOverClient();
      return result;
    }
    case WM_PRINT:
      return Print(wParam, lParam);
    default:
      return hook.CallOld(msg, wParam, lParam);
  }
}

void TWinSkinPopMenu::CopyPicture(HDC dc) {
  BuildFramePicture();
  if (picture_->Empty()) return;
  BitBlt(dc, 0, 0, picture_->Width(), picture_->Height(), picture_->Canvas().Handle(), 0, 0,
         SRCCOPY);
}

// Only the whole frame (wParam 1) is ours; a partial repaint keeps the
// menu's own frame painting. The menu then paints its items over the picture.
LRESULT TWinSkinPopMenu::PaintFrame(WPARAM wParam, LPARAM lParam) {
  if (!CanPaint() || wParam != 1) return hook_.CallOld(WM_NCPAINT, wParam, lParam);
  const TWindowDC dc(window_, TDCArea::Window);
  if (dc.Get()) CopyPicture(dc.Get());
  return 0;
}

// Where the system gives a menu window no frame of its own (Wine draws the
// menu's edge inside its client area), the picture's edges go over the
// client's once the menu has painted itself.
void TWinSkinPopMenu::PaintEdgesOverClient() {
  if (!CanPaint()) return;
  const RECT outer = WindowBox(window_);
  RECT client{};
  GetClientRect(window_, &client);
  if (!EqualRect(&outer, &client)) return;
  const TWindowDC dc(window_, TDCArea::Window);
  if (!dc.Get()) return;
  BuildFramePicture();
  if (picture_->Empty()) return;
  const HDC source = picture_->Canvas().Handle();
  const int w = outer.right, h = outer.bottom, e = kFrameWidth;
  BitBlt(dc.Get(), 0, 0, w, e, source, 0, 0, SRCCOPY);
  BitBlt(dc.Get(), 0, h - e, w, e, source, 0, h - e, SRCCOPY);
  BitBlt(dc.Get(), 0, 0, e, h, source, 0, 0, SRCCOPY);
  BitBlt(dc.Get(), w - e, 0, e, h, source, w - e, 0, SRCCOPY);
}

// The frame first, then the menu prints its items inside it.
LRESULT TWinSkinPopMenu::Print(WPARAM wParam, LPARAM lParam) {
  if (!CanPaint()) return hook_.CallOld(WM_PRINT, wParam, lParam);
  const auto dc = reinterpret_cast<HDC>(wParam);
  CopyPicture(dc);
  RECT inner = WindowBox(window_);
  InflateRect(&inner, -kFrameWidth, -kFrameWidth);
  // The DC is the caller's: a clip region it had is narrowed for the items
  // and given back afterwards, not dropped.
  const TRegionHandle callersClip(CreateRectRgn(0, 0, 0, 0));
  const bool hadClip = GetClipRgn(dc, callersClip.Get()) == 1;
  const int mode = SetBkMode(dc, TRANSPARENT);
  IntersectClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
  const LRESULT result = hook_.CallOld(WM_PRINT, wParam, lParam);
  SelectClipRgn(dc, hadClip ? callersClip.Get() : nullptr);
  SetBkMode(dc, mode);
  return result;
}
