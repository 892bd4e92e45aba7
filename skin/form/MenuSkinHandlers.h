// The skin's measure and draw handlers on toolkit menu items, and the
// owner-draw set-up that hands a form's menus to them. A handler installed
// here is recognised again, so taking the skin off clears only ours.
#pragma once

#include <windows.h>

class TCanvas;
class TComponent;
class TCustomForm;
class TMenu;
class TMenuItem;
class TSkinData;
class TSkinSession;

// The session (null for none) gives the popup windows' backgrounds.
// A main menu: the items below the top level get both handlers (an item
// that draws itself already keeps its own). A popup menu: every item gets
// the draw handler, and the measure handler unless it has one.
void InstallSkinMenuHandlers(TMenu& menu, TSkinData& data, TSkinSession* session);
// Takes off the handlers installed above and gives a popup item the draw
// handler it had before back; others stay.
void RemoveSkinMenuHandlers(TMenu& menu);
bool HasSkinDrawHandler(const TMenuItem& item);

// Measures a toolkit item by its own measuring (the skin's handler left out
// for the call) with the skin's widening; a main menu's items and a popup's
// differ. The canvas holds the menu font.
void MeasureSkinToolkitItem(TMenuItem& item, TSkinData& data, TCanvas& canvas, int& width,
                            int& height);
// Draws a toolkit item in the skin into rect of dc (the menu's client
// coordinates), over its popup's background; right to left as its menu is,
// or as the window it drops from.
void DrawSkinToolkitItem(TMenuItem& item, TSkinData& data, TSkinSession* session, HDC dc,
                         const RECT& rect, bool selected, bool windowRightToLeft);

// The form's menus go owner-drawn in the skin: its main menu with
// xcMenuItem, its popup menus (and those of the forms it owns) with
// xcPopupMenu, except menus whose Tag is the skin's DisableTag.
void SkinFormMenus(TCustomForm& form, TSkinData& data, TSkinSession* session);
// Back to the toolkit's own drawing, handlers cleared.
void UnskinFormMenus(TCustomForm& form);
