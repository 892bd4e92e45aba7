#include "skin/controls/SkinTabItems.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "skin/draw/ImgUtil.h"

namespace {

// Tab texts are read into a buffer of this many characters.
constexpr int kTabTextLength = 80;
// The page frame lies this far outside the display area.
constexpr int kPaneFrame = 4;
constexpr UINT kTabItemMask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;

}  // namespace

TTabOrientation TabOrientationOf(LONG_PTR style) {
  if (!(style & TCS_VERTICAL)) return (style & TCS_BOTTOM) ? toBottom : toTop;
  return (style & TCS_RIGHT) ? toRight : toLeft;
}

namespace {

// One TCM_GETITEM in either character set: the text (cut at the buffer) and
// the image index, or false when the control has no such item.
template <typename TItem, typename TChar>
bool QueryTabItem(HWND tabs, UINT message, int index, std::basic_string<TChar>& text, int& image) {
  TChar buffer[kTabTextLength + 1] = {};
  TItem native{};
  native.mask = kTabItemMask;
  native.pszText = buffer;
  native.cchTextMax = kTabTextLength;
  native.iImage = -1;
  const auto send = sizeof(TChar) == 1 ? SendMessageA : SendMessageW;
  if (!send(tabs, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&native))) {
    return false;
  }
  const TChar* source = native.pszText ? native.pszText : buffer;
  size_t length = 0;
  while (length < kTabTextLength && source[length]) ++length;
  text.assign(source, length);
  image = native.iImage;
  return true;
}

}  // namespace

bool ReadTabItem(HWND tabs, bool unicode, int index, TTabItem& item) {
  item = TTabItem{};
  if (unicode) {
    std::wstring text;
    if (QueryTabItem<TCITEMW>(tabs, TCM_GETITEMW, index, text, item.ImageIndex)) {
      item.Text.assign(text.begin(), text.end());
    }
  } else {
    std::string text;
    if (QueryTabItem<TCITEMA>(tabs, TCM_GETITEMA, index, text, item.ImageIndex)) {
      item.Text = AnsiToWide(text);
    }
  }
  return SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&item.Rect)) != 0;
}

RECT TabDisplayRect(HWND tabs, const RECT& rect) {
  RECT display = rect;
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  InflateRect(&display, kPaneFrame, kPaneFrame);
  return display;
}

int CurrentTab(HWND tabs) {
  const auto focus = static_cast<int>(SendMessageW(tabs, TCM_GETCURFOCUS, 0, 0));
  return focus >= 0 ? focus : static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
}

void DrawTabImageAndText(HDC dc, const RECT& tab, const TTabItem& item, HIMAGELIST images,
                         TColor textColour, bool disabled, UINT textFlags) {
  const int tabWidth = tab.right - tab.left, tabHeight = tab.bottom - tab.top;
  int cx = 0, cy = 0;
  if (images) ImageList_GetIconSize(images, &cx, &cy);
  const bool useImage = item.ImageIndex != -1 && images && cx < tabWidth;
  if (!useImage) cx = cy = 0;

  int textWidth = 0, textHeight = 0;
  if (!item.Text.empty()) {
    RECT measure = tab;
    if (useImage) measure.right += cx + 2;
    DrawSkinText(dc, item.Text, measure,
                 DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK | DT_END_ELLIPSIS);
    textWidth = measure.right - measure.left;
    textHeight = measure.bottom - measure.top;
  }
  int x = (tabWidth - textWidth - cx) / 2;
  if (x < 2) x = 1;
  // Centred on the picture's own height, so that tall or flat pictures sit
  // in the middle too.
  if (useImage) {
    ImageList_Draw(images, item.ImageIndex, dc, tab.left + x, tab.top + (tabHeight - cy) / 2,
                   ILD_TRANSPARENT);
  }
  if (item.Text.empty()) return;
  RECT text{tab.left + x + cx, tab.top + (tabHeight - textHeight) / 2, 0, 0};
  text.right = text.left + textWidth;
  text.bottom = text.top + textHeight;
  text.left = std::max(text.left, tab.left);
  text.right = std::min(text.right, tab.right);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(
      dc, static_cast<COLORREF>(ColorToRGB(disabled ? SystemColor(COLOR_BTNSHADOW) : textColour)));
  DrawSkinText(dc, item.Text, text, DT_END_ELLIPSIS | DT_EXPANDTABS | DT_WORDBREAK | textFlags);
}
