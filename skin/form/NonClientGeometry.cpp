// The skinned frame's widths, the client area the system is told about, hit
// testing, and keeping the client size while the frame changes.
#include <algorithm>

#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinBounds.h"
#include "skin/form/SkinMenuBar.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

// A skin may give a frame count of 0 (one frame) or an image thousands of
// pixels thick: a side never takes more than its share of the screen.
int FramePart(int length, int frames, int screenMetric) {
  return FrameThickness(length, frames, GetSystemMetrics(screenMetric));
}

}  // namespace

TDataSkinBorder* TWinSkinForm::BorderRecord(int piece) const {
  const TSkinElements& skin = SkinData->Skin();
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

void TWinSkinForm::ComputeFrame() {
  if (!SkinData || SkinData->SkinPending()) return;
  if (BorderKind == bkNoCaption) {
    FrameLeft = FrameTop = FrameRight = FrameBottom = 0;
    MenuBarHeight = 0;
  } else {
    const TSkinElements& skin = SkinData->Skin();
    FrameTop = FramePart(skin.Top->Image->Height(), skin.Top->Frame, SM_CYSCREEN);
    FrameLeft = FramePart(skin.Left->Image->Width(), skin.Left->Frame, SM_CXSCREEN);
    FrameRight = FramePart(skin.Right->Image->Width(), skin.Right->Frame, SM_CXSCREEN);
    FrameBottom = FramePart(skin.Bottom->Image->Height(), skin.Bottom->Frame, SM_CYSCREEN);
  }
  caption_.CreateButtons();
}

POINT TWinSkinForm::ScreenToWindow(LPARAM point) const {
  POINT p{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
  ScreenToClient(Handle, &p);
  if (!(MDIKind == mkChild && Placement == plMinimised)) {
    p.x += FrameLeft;
    p.y += FrameTop + MenuBarHeight;
  }
  return p;
}

// The system wants the client rectangle for the new window position; with
// TRUE we also name the valid area (the same) and ask for a full redraw.
LRESULT TWinSkinForm::NcCalcSize(WPARAM wParam, LPARAM lParam) {
  const LRESULT passed = PassOn(WM_NCCALCSIZE, wParam, lParam);
  if (!wParam) return 0;
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
  if ((MDIKind == mkChild && Placement != plNormal) || BorderKind == bkNoCaption) {
    params->rgrc[1] = params->rgrc[0];
    return WVR_REDRAW;
  }
  (void)passed;
  const WINDOWPOS& pos = *params->lppos;
  RECT client{pos.x + FrameLeft, pos.y + FrameTop + MenuBarHeight, pos.x + pos.cx - FrameRight,
              pos.y + pos.cy - FrameBottom};
  // A window smaller than its frame has an empty client area, not an inverted one.
  client.right = std::max(client.right, client.left);
  client.bottom = std::max(client.bottom, client.top);
  params->rgrc[0] = client;
  params->rgrc[1] = client;
  return WVR_REDRAW;
}

// Sizing borders and the client area keep the system's answer; only where
// it says caption or nothing does the skin's caption decide, and never in
// the top three pixels, so the system's top sizing edge still works.
LRESULT TWinSkinForm::NcHitTest(WPARAM wParam, LPARAM lParam) {
  const LRESULT system = PassOn(WM_NCHITTEST, wParam, lParam);
  if (system != HTNOWHERE && system != HTCAPTION) return system;
  const POINT p = ScreenToWindow(lParam);
  LRESULT result = system;
  if (p.y > 3) result = HTCAPTION;
  if (p.y > FrameTop && MenuBarHeight > 0) result = HTMENU;
  return result;
}

void TWinSkinForm::FitWindowToFrame(bool rereadClient) {
  if (Placement == plMaximised) {
    ForceFrameChange();
    return;
  }
  RECT window{};
  GetWindowRect(Handle, &window);
  if (DialogClass || AttachState == asReapplying) GetClientRect(Handle, &ClientRect);
  int width = (ClientRect.right - ClientRect.left) + FrameLeft + FrameRight;
  int clientHeight = ClientRect.bottom - ClientRect.top;
  if (rereadClient) {
    GetClientRect(Handle, &ClientRect);
    clientHeight = ClientRect.bottom - ClientRect.top;
  } else if (Form) {
    width = Form->ClientWidth() + FrameLeft + FrameRight;
    clientHeight = Form->ClientHeight() - (MDIKind == mkChild ? 0 : MenuBarHeight);
  } else if (menuHost_.Bar()) {
    // The client grew by the system's menu bar when the bar was taken away;
    // the skinned bar takes that room back.
    clientHeight = std::max(0, clientHeight - MenuBarHeight);
  }
  const int height = clientHeight + FrameTop + FrameBottom + MenuBarHeight;

  if (DialogClass && !rereadClient) {
    // A message box is widened until its caption fits, children kept centred.
    const int length = GetWindowTextLengthW(Handle);
    std::wstring text(static_cast<size_t>(std::max(0, length)) + 1, L'\0');
    GetWindowTextW(Handle, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(0, length)));
    WideCaption.assign(text.begin(), text.end());
    const TScreenDC screen;
    const TSelection font(screen.Get(), caption_.Font());
    SIZE extent{};
    GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    CaptionTextWidth = extent.cx;
    const TDataSkinTitle& title = *SkinData->Skin().Title;
    const int needed = CaptionFitWidth(width, title.LeftWidth, CaptionTextWidth, title.RightWidth,
                                       GetSystemMetrics(SM_CXSCREEN));
    if (width < needed) {
      const int shift = (needed - width) / 2;
      for (HWND child = GetWindow(Handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        POINT corner{rect.left, rect.top};
        ScreenToClient(Handle, &corner);
        SetWindowPos(
            child, nullptr, corner.x + shift, corner.y, 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
      width = needed;
    }
  }
  UINT flags = SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE;
  if (!(GetWindowLongW(Handle, GWL_STYLE) & WS_CHILD)) {
    // Grown by the skin's frame after the system placed it, a window is moved
    // back so that its caption buttons and a message box's buttons stay on
    // the screen.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int left =
        DialogClass ? ClampToRange(window.left, 0, screenWidth - width)
                    : GrownWindowStart(window.left, window.right - window.left, width, screenWidth);
    const int top = DialogClass ? ClampToRange(window.top, 0, screenHeight - height)
                                : GrownWindowStart(window.top, window.bottom - window.top, height,
                                                   screenHeight);
    if (left != window.left || top != window.top) flags &= ~SWP_NOMOVE;
    window.left = left;
    window.top = top;
  }
  SetWindowPos(Handle, nullptr, window.left, window.top, width, height, flags);
}
