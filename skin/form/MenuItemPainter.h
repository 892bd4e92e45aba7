// Drop-down menu items drawn in the skin: the MenuItem element's frames
// over the popup's background picture when the skin has that element, the
// skin's menu colours otherwise, then the glyph box, text and shortcut. The
// same painter serves toolkit items and native entries of any menu.
#pragma once

#include <windows.h>

#include "skin/form/SkinSession.h"
#include "toolkit/core/SysUtils.h"

class TBitmap;
class TImageList;
class TMenuItem;
class TSkinData;

// What the painter needs to know of one item, whatever it came from.
struct TSkinMenuItem {
  String Caption;       // "-" is a separator; a tab before key text is expanded
  String ShortCutText;  // drawn right-aligned near the right edge; may be empty
  bool Enabled = true;
  bool Checked = false;
  bool Default = false;  // drawn bold
  TImageList* Images = nullptr;
  int ImageIndex = -1;
  bool RightToLeft = false;  // glyph box on the right, text read right to left
  bool IsLine() const { return Caption == "-"; }
  bool HasImage() const;
};

// The look of a toolkit item (its menu's image list included); a menu
// owned by a control laid out right to left is right to left.
TSkinMenuItem SkinMenuItemOf(TMenuItem& item);
// A temporary item made from a native entry: its text (at most 80
// characters, "-" when it has none), its grayed and checked state and its
// right-to-left order.
TSkinMenuItem SkinMenuItemOfNative(HMENU menu, UINT command);

// The background of the drop-down hmenu as the session's popup windows show
// it; without a session the skin's menu colours alone.
TMenuBackground MenuBackgroundOf(TSkinSession* session, HMENU menu);

// Draws the item into rect of dc (rect in the menu's client coordinates).
void DrawSkinMenuItem(HDC dc, const RECT& rect, const TSkinMenuItem& item, bool selected,
                      TSkinData& data, const TMenuBackground& background);

// The size a native entry asks for in the skin: its text in the menu font
// plus room for the glyph box (and the MenuItem element's left margin); a
// separator is 8 pixels high.
void MeasureSkinMenuText(const String& text, TSkinData& data, UINT& width, UINT& height);
