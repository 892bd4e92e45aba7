// Caption buttons: which are shown, where they sit, how each state looks.
#include "skin/form/CaptionButtons.h"

#include <algorithm>

#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/SkinBounds.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

constexpr int kMenuBarButtons = 100;
constexpr int kIconLeft = 8;

bool IsIconAction(int action) { return action == cbIcon || action == cbIconAlt; }

}  // namespace

void TNCObject::MouseDown() {
  if (Form.HotObject && Form.HotObject != this) Form.HotObject->MouseLeave();
  if (!Visible) return;
  Form.HotObject = this;
  Form.WatchHotObject();
  State = nsPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = nsHot;
  Paint();
}

void TNCObject::MouseEnter() {
  if (Form.HotObject == this) return;
  if (Form.HotObject) Form.HotObject->MouseLeave();
  if (!Visible) return;
  Form.HotObject = this;
  Form.WatchHotObject();
  State = nsHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!Visible) return;
  Form.HotObject = nullptr;
  State = nsNormal;
  Paint();
  if (Form.SkinData) {
    Form.SkinData->HoverTime = 0;
    Form.SkinData->HideCaptionHint();
  }
}

bool TWinSysButton::IsIcon() const { return IsIconAction(Element->Action); }

void TWinSysButton::Paint() {
  if (!Visible || Element->Image->Empty()) return;
  int frame = State;
  if (!Enabled) frame = Element->Frame > 3 ? bfDisabled : bfNormal;
  if (Element->Visibility == kMenuBarButtons && State == nsHot) frame = bfDisabled;
  if (Element->Visibility != kMenuBarButtons) {
    Form.PaintCaptionButton(*this, frame);
    return;
  }
  const TWindowDC dc(Form.Handle, TDCArea::Window);
  if (!dc.Get()) return;
  if (IsIcon()) {
    Form.DrawWindowIcon(dc.Get(), Rect);
  } else {
    DrawStretchedFrame(dc.Get(), Rect, *Element->Image, true, Element->Frame, frame);
  }
}

const char* CaptionHintText(int action) {
  switch (action) {
    case cbClose:
    case cbMdiClose:
    case cbMdiCloseAlt:
      return "Close";
    case cbMaximize:
    case cbMaximizeAlt:
      return "Maximize";
    case cbMinimize:
    case cbMdiMinimize:
    case cbMinimizeAlt:
    case cbMdiMinimizeAlt:
      return "Minimize";
    case cbMdiRestore:
    case cbMdiRestoreAlt:
      return "Restore";
    default:
      return "";
  }
}

void TWinSkinForm::CreateCaptionButtons() {
  ReleaseCaptionButtons();
  if (!SkinData) return;
  for (const auto& record : SkinData->Skin().CaptionButtons) {
    auto button = std::make_unique<TWinSysButton>(*this, record.get());
    if (IsIconAction(record->Action)) {
      RebuildIconBitmap();
      if (record->Image->Empty()) record->Image->Assign(iconBitmap_.get());
      if (SkinData->AppIconBitmap().Empty()) SkinData->AppIconBitmap().Assign(iconBitmap_.get());
      record->Frame = 1;
    }
    captionButtons_.push_back(std::move(button));
  }
}

bool TWinSkinForm::IsButtonVisible(int index) {
  TWinSysButton& button = *captionButtons_.at(static_cast<size_t>(index));
  const TDataSkinSysButton& e = *button.Element;
  const bool maximised = Placement == plMaximised;
  const bool minBox = (SysFlags & sfMinimizeBox) != 0;
  const bool maxBox = (SysFlags & sfMaximizeBox) != 0;
  const bool anyBox = minBox || maxBox;
  const bool sysMenu = (SysFlags & sfSystemMenu) != 0;
  const bool help = (SysFlags & sfContextHelp) != 0;
  const auto condition = [&](int code, bool second) -> bool {
    switch (code) {
      case -1:
        // Only a skin that writes it explicitly gives -1 first: it shows.
        return !second;
      case 0:
        return true;
      case 1:
        return maximised;
      case 2:
        return !maximised;
      case 3:
        return Active;
      case 4:
        return !Active;
      case 5:
        return false;
      case 6:
      case 8:
        return second ? anyBox : anyBox && sysMenu;
      case 7:
        return !maxBox;
      case 9:
        return !minBox;
      case 10:
        return second ? help : help && !anyBox;
      case 100: {
        if (MDIKind != mkFrame || !MDIClient) return false;
        BOOL childMaximised = FALSE;
        const auto active =
            SendMessageW(MDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&childMaximised));
        return active && childMaximised && MenuBarHeight > 0;
      }
      case 200:
        return !DialogClass && BorderKind == bkDialog;
      default:
        if (code >= 201 && code <= 999) return true;
        if (code >= 1000 && code <= 2000) {
          return second ||
                 SendMessageW(Handle, SKIN_BUTTONVISIBLE, static_cast<WPARAM>(code), e.Action) > 0;
        }
        return false;
    }
  };
  bool visible = condition(e.Visibility, false) && condition(e.Visibility1, true);
  switch (e.Action) {
    case cbClose:
      if (!sysMenu) visible = false;
      break;
    case cbMaximize:
      button.Enabled = maxBox && sysMenu;
      break;
    case cbMinimize:
      button.Enabled = minBox && sysMenu;
      break;
    case cbIcon:
    case cbIconAlt:
    case cbIconMenu:
      if (BorderKind == bkDialog) visible = false;
      break;
    default:
      break;
  }
  button.Visible = visible;
  return visible;
}

void TWinSkinForm::LayoutCaptionButtons() {
  for (int i = 0; i < CaptionButtonCount(); ++i) {
    if (!IsButtonVisible(i)) continue;
    TWinSysButton& button = *captionButtons_[static_cast<size_t>(i)];
    const TDataSkinSysButton& e = *button.Element;
    if (e.Image->Empty()) continue;
    // A button is never larger than the window nor placed outside it.
    const int w = std::min(e.Image->Width() / std::max(1, e.Frame), WindowWidth);
    const int h = std::min(e.Image->Height(), std::max(FrameTop, 0));
    const int y = ClampToRange(e.Ycoord, 0, FrameTop - h);
    RECT rect{0, 0, w, h};
    switch (e.Align) {
      case 0:
        OffsetRect(&rect, CaptionButtonOffset(e.Xcoord, w, WindowWidth, false), y);
        break;
      case 1:
        OffsetRect(&rect, WindowWidth - CaptionButtonOffset(e.Xcoord, w, WindowWidth, true), y);
        break;
      case 2:
      case 8:
        OffsetRect(&rect, TitleRect.left - w - ClampToRange(e.Xcoord, 0, WindowWidth), y);
        break;
      case 3:
      case 9:
        OffsetRect(&rect, TitleRect.right + ClampToRange(e.Xcoord, 0, WindowWidth), y);
        break;
      case 100: {
        const auto& menuBar = SkinData->Skin().MenuBar;
        OffsetRect(&rect, WindowWidth - e.Xcoord - FrameRight - (menuBar ? menuBar->LeftWidth : 0),
                   FrameTop + (MenuBarHeight - h) / 2);
        break;
      }
      default:
        break;
    }
    button.Rect = rect;
  }
}

void TWinSkinForm::PaintCaptionButtons(TCanvas& canvas) {
  for (const auto& button : captionButtons_) {
    const TDataSkinSysButton& e = *button->Element;
    if (!button->Visible || e.Image->Empty() || e.Visibility == kMenuBarButtons) continue;
    const int frame = e.Frame < 4 || (Active && button->Enabled) ? bfNormal : bfDisabled;
    if (button->IsIcon()) {
      DrawWindowIcon(canvas.Handle(), button->Rect);
    } else {
      DrawStretchedFrame(canvas.Handle(), button->Rect, *e.Image, true, e.Frame, frame);
    }
  }
}

TWinSysButton* TWinSkinForm::ButtonAt(POINT p) const {
  for (const auto& button : captionButtons_) {
    if (button->Visible && button->Element->Action >= 0 && PtInRect(&button->Rect, p)) {
      return button.get();
    }
  }
  return nullptr;
}

HICON WindowIconOf(HWND window);

void TWinSkinForm::RebuildIconBitmap() {
  const int cx = GetSystemMetrics(SM_CXSMICON);
  const int cy = GetSystemMetrics(SM_CYSMICON);
  iconBitmap_->SetPixelFormat(pf16bit);
  iconBitmap_->SetSize(cx, cy);
  TCanvas& canvas = iconBitmap_->Canvas();
  canvas.Brush().SetColor(clFuchsia);
  canvas.FillRect(RECT{0, 0, cx, cy});
  const HICON icon = WindowIconOf(Handle);
  captionIcon_.Reset(icon ? static_cast<HICON>(CopyImage(icon, IMAGE_ICON, SmallIconSize,
                                                         SmallIconSize, LR_COPYFROMRESOURCE))
                          : nullptr);
  if (icon) {
    if (const auto copy =
            static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE))) {
      DrawIconEx(canvas.Handle(), 0, 0, copy, cx, cy, 0, nullptr, DI_NORMAL);
      DestroyIcon(copy);
    }
  }
}

HICON WindowIconOf(HWND window) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  return icon;
}

void TWinSkinForm::DrawWindowIcon(HDC dc, const RECT& rect) {
  if (captionIcon_) {
    const int y = TextRect.top + ((TextRect.bottom - TextRect.top) - SmallIconSize) / 2;
    DrawIconEx(dc, kIconLeft, y, captionIcon_.Get(), SmallIconSize, SmallIconSize, 0, nullptr,
               DI_NORMAL);
    return;
  }
  DrawTransparent(dc, rect, *iconBitmap_, clFuchsia);
}
