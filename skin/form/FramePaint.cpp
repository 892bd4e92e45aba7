// Painting the skinned non-client area: border pieces straight into the
// window DC, the caption band composed off-screen and copied in one blit.
#include <algorithm>

#include "skin/data/WinSkinData.h"
#include "skin/draw/FramedImage.h"
#include "skin/draw/SkinBounds.h"
#include "skin/draw/SwallowedException.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/SkinMenuBar.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScopedHandles.h"

TBitmap* TWinSkinForm::ComposedPiece(int piece, int width, int height) {
  if (width <= 0 || height <= 0 || piece < 1 || piece > 4) return nullptr;
  const TDataSkinBorder* record = BorderRecord(piece);
  if (!record || record->Image->Empty()) return nullptr;
  const int length = piece >= 3 ? record->Image->Height() : record->Image->Width();
  const int frames = BorderFrameCount(length, record->Frame);
  const int index = window_.Active || frames <= 1 ? 1 : 2;
  TComposedPiece& kept = composedPieces_[piece - 1];
  if (kept.image && kept.record == record && kept.width == width && kept.height == height &&
      kept.index == index) {
    return kept.image.get();
  }
  kept.image = ComposeFramedImage(RECT{0, 0, width, height}, *record->Image, record->Margins(),
                                  piece >= 3, record->Tile != 1, frames, index);
  kept.record = record;
  kept.width = width;
  kept.height = height;
  kept.index = index;
  return kept.image.get();
}

void TWinSkinForm::PaintBorderPiece(int piece, const RECT& rect, HDC dc) {
  TBitmap* image = ComposedPiece(piece, rect.right - rect.left, rect.bottom - rect.top);
  if (!image) return;
  BitBlt(dc, rect.left, rect.top, image->Width(), image->Height(), image->Canvas().Handle(), 0, 0,
         SRCCOPY);
}

void TWinSkinForm::PaintFrame(HDC given) {
  if (attachState_ != asSkinned && attachState_ != asReapplying) return;
  if (window_.BorderKind == bkNoCaption || MaximisedMdiChild() || !skinData_) return;
  // Every DC, bitmap and region below is released by its scope, also when
  // drawing fails half-way.
  try {
    const TWindowDC dc(handle_, given, TDCArea::Window);
    if (!dc.Get() || !frame_.ReadWindowSize()) return;
    const int w = frame_.WindowWidth();
    const int h = frame_.WindowHeight();
    if (window_.Placement == plMinimised) {
      PaintCaption(dc.Get());
      return;
    }
    PaintBorderPiece(1, RECT{0, 0, frame_.Left(), h}, dc.Get());
    PaintBorderPiece(2, RECT{w - frame_.Right(), 0, w, h}, dc.Get());
    PaintBorderPiece(4, RECT{frame_.Left(), h - frame_.Bottom(), w - frame_.Right(), h}, dc.Get());
    PaintCaption(dc.Get());
    if (frame_.MenuBarHeight() > 0) {
      const RECT band{frame_.Left(), frame_.Top(), w - frame_.Right(),
                      frame_.Top() + frame_.MenuBarHeight()};
      if (TWinSkinMenu* bar = menuHost_.Bar()) {
        bar->PaintBar(dc.Get(), band);
      } else {
        FillRect(dc.Get(), &band, skinData_->Skin().FaceBrush.Get());
      }
    }
  } catch (...) {
    // A frame that cannot be painted stays as it was.
    ReportSwallowedException("TWinSkinForm::PaintFrame");
    caption_.SetHotObject(nullptr);
  }
}

void TWinSkinForm::PaintCaption(HDC dc) {
  if (!ComposeCaption()) return;
  TCanvas& canvas = captionBitmap_->Canvas();
  BitBlt(dc, 0, 0, captionBitmap_->Width(), captionBitmap_->Height(), canvas.Handle(), 0, 0,
         SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

// Buttons with see-through pixels are drawn over the caption they sit on, so
// a state frame never shows through the next one.
void TWinSkinForm::PaintCaptionButton(const TWinSysButton& button, int frame) {
  try {
    if (!ComposeCaption()) return;
    const RECT band{0, 0, captionBitmap_->Width(), captionBitmap_->Height()};
    RECT inside{};
    if (!IntersectRect(&inside, &band, &button.Rect)) return;
    const HDC buffer = captionBitmap_->Canvas().Handle();
    if (button.IsIcon()) {
      caption_.DrawIcon(buffer, button.Rect);
    } else {
      DrawStretchedFrame(buffer, button.Rect, *button.Element->Image, true, button.Element->Frame,
                         frame);
    }
    const TWindowDC dc(handle_, TDCArea::Window);
    if (!dc.Get()) return;
    BitBlt(dc.Get(), inside.left, inside.top, inside.right - inside.left,
           inside.bottom - inside.top, buffer, inside.left, inside.top, SRCCOPY);
  } catch (...) {
    // The button keeps its last look.
    ReportSwallowedException("TWinSkinForm::PaintCaptionButton");
  }
}

bool TWinSkinForm::ComposeCaption() {
  const int w = frame_.WindowWidth();
  RECT caption{};
  if (window_.Placement == plMinimised) {
    const int h = frame_.WindowHeight();
    captionBitmap_->SetSize(w, h);
    TCanvas& canvas = captionBitmap_->Canvas();
    canvas.Brush().SetColor(skinData_->Skin().Colour(scButtonFace));
    canvas.FillRect(RECT{0, 0, w, h});
    caption = RECT{0, 0, w, frame_.Top()};
  } else {
    captionBitmap_->SetSize(w, frame_.Top());
    // The caption's corners are the tops of the side pieces just painted;
    // the buffer clips them to its height (no read-back from the screen).
    const HDC buffer = captionBitmap_->Canvas().Handle();
    PaintBorderPiece(1, RECT{0, 0, frame_.Left(), frame_.WindowHeight()}, buffer);
    PaintBorderPiece(2, RECT{w - frame_.Right(), 0, w, frame_.WindowHeight()}, buffer);
    caption = RECT{frame_.Left(), 0, w - frame_.Right(), frame_.Top()};
  }
  if (captionBitmap_->Empty()) return false;
  TCanvas& canvas = captionBitmap_->Canvas();
  PaintBorderPiece(3, caption, canvas.Handle());
  caption_.DrawText(canvas, caption);
  caption_.LayoutButtons();
  caption_.PaintButtons(canvas);
  return true;
}

// The system must not paint its own frame or caption buttons: the skin has
// painted everything, and the previous procedure never sees the message.
LRESULT TWinSkinForm::NcPaint(WPARAM wParam, LPARAM lParam) {
  SetSysMenuStyle(true);
  if (!skinData_->FramePaint) return 0;
  if (MaximisedMdiChild() || window_.BorderKind == bkNoCaption) {
    return PassOn(WM_NCPAINT, wParam, lParam);
  }
  PaintFrame(nullptr);
  return 0;
}

// Answer 1 so activation goes on; the skin paints the active or inactive
// look itself.
LRESULT TWinSkinForm::NcActivate(WPARAM wParam, LPARAM lParam) {
  window_.Active = wParam != 0;
  caption_.EnableHover(window_.Active);
  if (!window_.Active) caption_.HintReset();
  if (window_.MDIKind == mkFrame && window_.MDIClient)
    SendMessageW(window_.MDIClient, WM_NCACTIVATE, wParam, 0);
  if (window_.MDIKind == mkChild) PassOn(WM_NCACTIVATE, wParam, lParam);
  if (!MaximisedMdiChild()) PaintFrame(nullptr);
  return 1;
}

void TWinSkinForm::SetSysMenuStyle(bool remove) {
  if (window_.SysFlags & sfKeepStyles) return;
  window_.Style = static_cast<LONG>(GetWindowLongPtrW(handle_, GWL_STYLE));
  LONG wanted = window_.Style;
  if (remove) {
    wanted &= ~WS_SYSMENU;
  } else if (window_.SysFlags & sfSystemMenu) {
    wanted |= WS_SYSMENU;
  }
  if (wanted == window_.Style) return;
  window_.Style = wanted;
  SetWindowLongPtrW(handle_, GWL_STYLE, wanted);
}
