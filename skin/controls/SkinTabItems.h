// What the tab-drawing classes share: reading a native tab control's items
// and drawing one tab's picture and text into its rectangle.
#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "toolkit/core/SysUtils.h"
#include "toolkit/graphics/Colors.h"

// Where the tabs sit, from the window style.
enum TTabOrientation : int { toTop = 0, toBottom = 1, toLeft = 2, toRight = 3 };

TTabOrientation TabOrientationOf(LONG_PTR style);

struct TTabItem {
  WideString Text;
  int ImageIndex = -1;
  RECT Rect{};  // in the tab control's client coordinates
};

// Text (cut at the item buffer), image index and rectangle of tab `index`;
// false when its rectangle cannot be read.
bool ReadTabItem(HWND tabs, bool unicode, int index, TTabItem& item);

// The display area of the tab control for a window rectangle at the origin,
// grown by the width of the page frame.
RECT TabDisplayRect(HWND tabs, const RECT& rect);

// The tab with the focus, or the selected one when none has it.
int CurrentTab(HWND tabs);

// The item's picture and text centred in `tab`: the picture only when the
// list is there and narrower than the tab; a disabled control's text in the
// system shadow colour.
void DrawTabImageAndText(HDC dc, const RECT& tab, const TTabItem& item, HIMAGELIST images,
                         TColor textColour, bool disabled, UINT textFlags);
