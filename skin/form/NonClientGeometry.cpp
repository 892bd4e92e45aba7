// The skinned frame's widths, the client area the system is told about, hit
// testing, and the sizes read from the window.
#include <algorithm>

#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinBounds.h"
#include "skin/form/FormFrame.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

// A skin may give a frame count of 0 (one frame) or an image thousands of
// pixels thick: a side never takes more than its share of the screen.
int FramePart(int length, int frames, int screenMetric) {
  return FrameThickness(length, frames, GetSystemMetrics(screenMetric));
}

}  // namespace

TDataSkinBorder* TWinSkinForm::BorderRecord(int piece) const {
  const TSkinElements& skin = skinData_->Skin();
  switch (piece) {
    case 1:
      return skin.Left.get();
    case 2:
      return skin.Right.get();
    case 3:
      return skin.Top.get();
    default:
      return skin.Bottom.get();
  }
}

bool TFormFrame::Compute() {
  const TSkinData* skinData = form_.SkinData();
  if (!skinData || skinData->SkinPending()) return false;
  if (form_.Window().BorderKind == bkNoCaption) {
    left_ = top_ = right_ = bottom_ = 0;
    menuBarHeight_ = 0;
    return true;
  }
  const TSkinElements& skin = skinData->Skin();
  top_ = FramePart(skin.Top->Image->Height(), skin.Top->Frame, SM_CYSCREEN);
  left_ = FramePart(skin.Left->Image->Width(), skin.Left->Frame, SM_CXSCREEN);
  right_ = FramePart(skin.Right->Image->Width(), skin.Right->Frame, SM_CXSCREEN);
  bottom_ = FramePart(skin.Bottom->Image->Height(), skin.Bottom->Frame, SM_CYSCREEN);
  return true;
}

bool TFormFrame::ReadWindowSize() {
  RECT window{};
  if (!GetWindowRect(form_.Handle(), &window)) return false;
  windowWidth_ = window.right - window.left;
  windowHeight_ = window.bottom - window.top;
  return true;
}

POINT TFormFrame::ScreenToWindow(LPARAM point) const {
  POINT p{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
  ScreenToClient(form_.Handle(), &p);
  if (!(form_.Window().MDIKind == mkChild && form_.Window().Placement == plMinimised)) {
    p.x += left_;
    p.y += top_ + menuBarHeight_;
  }
  return p;
}

RECT TFormFrame::ClientFor(const WINDOWPOS& pos) const {
  RECT client{pos.x + left_, pos.y + top_ + menuBarHeight_, pos.x + pos.cx - right_,
              pos.y + pos.cy - bottom_};
  // A window smaller than its frame has an empty client area, not an inverted one.
  client.right = std::max(client.right, client.left);
  client.bottom = std::max(client.bottom, client.top);
  return client;
}

// Sizing borders and the client area keep the system's answer; only where
// it says caption or nothing does the skin's caption decide, and never in
// the top three pixels, so the system's top sizing edge still works.
LRESULT TFormFrame::HitTest(LRESULT system, LPARAM point) const {
  if (system != HTNOWHERE && system != HTCAPTION) return system;
  const POINT p = ScreenToWindow(point);
  LRESULT result = system;
  if (p.y > 3) result = HTCAPTION;
  if (p.y > top_ && menuBarHeight_ > 0) result = HTMENU;
  return result;
}

void TFormFrame::RecordStandardFrame() {
  GetClientRect(form_.Handle(), &clientRect_);
  RECT window{};
  GetWindowRect(form_.Handle(), &window);
  stdFrameSize_ = RECT{0, 0, (window.right - window.left) - (clientRect_.right - clientRect_.left),
                       (window.bottom - window.top) - (clientRect_.bottom - clientRect_.top)};
}

void TFormFrame::ResizeToStandardFrame(bool menuGivenBack) const {
  const HWND window = form_.Handle();
  RECT rect{};
  if (!GetWindowRect(window, &rect)) return;
  const int width = (rect.right - rect.left) - left_ - right_ + stdFrameSize_.right;
  const int height = (rect.bottom - rect.top) - top_ - bottom_ - menuBarHeight_ +
                     stdFrameSize_.bottom + (menuGivenBack ? GetSystemMetrics(SM_CYMENU) : 0);
  POINT corner{rect.left, rect.top};
  if (form_.Window().MDIKind == mkChild) ScreenToClient(GetParent(window), &corner);
  SetWindowPos(window, nullptr, corner.x, corner.y, width, height,
               SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

void TWinSkinForm::ComputeFrame() {
  if (frame_.Compute()) caption_.CreateButtons();
}

// The system wants the client rectangle for the new window position; with
// TRUE we also name the valid area (the same) and ask for a full redraw.
LRESULT TWinSkinForm::NcCalcSize(WPARAM wParam, LPARAM lParam) {
  PassOn(WM_NCCALCSIZE, wParam, lParam);
  if (!wParam) return 0;
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
  if ((window_.MDIKind == mkChild && window_.Placement != plNormal) ||
      window_.BorderKind == bkNoCaption) {
    params->rgrc[1] = params->rgrc[0];
    return WVR_REDRAW;
  }
  const RECT client = frame_.ClientFor(*params->lppos);
  params->rgrc[0] = client;
  params->rgrc[1] = client;
  return WVR_REDRAW;
}

LRESULT TWinSkinForm::NcHitTest(WPARAM wParam, LPARAM lParam) {
  return frame_.HitTest(PassOn(WM_NCHITTEST, wParam, lParam), lParam);
}
