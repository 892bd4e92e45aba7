// Keeping the client size while the frame around it changes: the window's
// outer size for the skinned frame, a message box widened until its caption
// fits, and a grown window moved back onto the screen.
#include <algorithm>
#include <string>

#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinBounds.h"
#include "skin/form/FormFrame.h"
#include "skin/form/WinSkinForm.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

int CaptionTextWidth(HWND window, HFONT font) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(std::max(0, length)) + 1, L'\0');
  GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(0, length)));
  const TScreenDC screen;
  const TSelection selected(screen.Get(), font);
  SIZE extent{};
  GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
  return extent.cx;
}

void ShiftChildren(HWND window, int shift) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    POINT corner{rect.left, rect.top};
    ScreenToClient(window, &corner);
    SetWindowPos(
        child, nullptr, corner.x + shift, corner.y, 0, 0,
        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
  }
}

}  // namespace

void TFormFrame::FitWindow(bool rereadClient) {
  const HWND window = form_.Handle();
  if (form_.Window().Placement == plMaximised) {
    form_.ForceFrameChange();
    return;
  }
  RECT rect{};
  GetWindowRect(window, &rect);
  if (form_.Window().DialogClass || form_.AttachState() == asReapplying)
    GetClientRect(window, &clientRect_);
  int width = (clientRect_.right - clientRect_.left) + left_ + right_;
  int clientHeight = clientRect_.bottom - clientRect_.top;
  if (rereadClient) {
    GetClientRect(window, &clientRect_);
    clientHeight = clientRect_.bottom - clientRect_.top;
  } else if (const TCustomForm* form = form_.ToolkitForm()) {
    width = form->ClientWidth() + left_ + right_;
    clientHeight = form->ClientHeight() - (form_.Window().MDIKind == mkChild ? 0 : menuBarHeight_);
  } else if (form_.MenuHost().Bar()) {
    // The client grew by the system's menu bar when the bar was taken away;
    // the skinned bar takes that room back.
    clientHeight = std::max(0, clientHeight - menuBarHeight_);
  }
  const int height = clientHeight + top_ + bottom_ + menuBarHeight_;
  if (form_.Window().DialogClass && !rereadClient) width = FitWidthToCaption(width);
  UINT flags = SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE;
  if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) MoveIntoScreen(rect, width, height, flags);
  SetWindowPos(window, nullptr, rect.left, rect.top, width, height, flags);
}

// A message box is widened until its caption fits, children kept centred.
int TFormFrame::FitWidthToCaption(int width) {
  const HWND window = form_.Handle();
  const TDataSkinTitle& title = *form_.SkinData()->Skin().Title;
  const int textWidth = CaptionTextWidth(window, form_.Caption().Font());
  const int needed = CaptionFitWidth(width, title.LeftWidth, textWidth, title.RightWidth,
                                     GetSystemMetrics(SM_CXSCREEN));
  if (width >= needed) return width;
  ShiftChildren(window, (needed - width) / 2);
  return needed;
}

// Grown by the skin's frame after the system placed it, a window is moved
// back so that its caption buttons and a message box's buttons stay on the
// screen.
void TFormFrame::MoveIntoScreen(RECT& window, int width, int height, UINT& flags) const {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const bool dialog = form_.Window().DialogClass;
  const int left =
      dialog ? ClampToRange(window.left, 0, screenWidth - width)
             : GrownWindowStart(window.left, window.right - window.left, width, screenWidth);
  const int top =
      dialog ? ClampToRange(window.top, 0, screenHeight - height)
             : GrownWindowStart(window.top, window.bottom - window.top, height, screenHeight);
  if (left != window.left || top != window.top) flags &= ~SWP_NOMOVE;
  window.left = left;
  window.top = top;
}
