// System functions the skin engine uses only when the system offers them,
// and the way from a window to the toolkit control behind it.
#pragma once

#include <windows.h>

#include <string>

class TWinControl;

// user32 is asked for these once, when the program starts.
bool HasGetScrollBarInfo();
bool HasTrackMouseEvent();

// False when the system lacks GetScrollBarInfo, else its result.
bool SkinGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info);
// Asks for WM_MOUSELEAVE on the window; nothing when the system cannot.
void SkinTrackMouseLeave(HWND window);

// "ControlOfs" + module instance + thread id, eight upper-case hex digits
// each: the name of the atom under which the toolkit keeps the control of
// each of its windows.
std::string ControlAtomText();
// The toolkit control a window belongs to; nullptr for no window or one the
// toolkit did not make.
TWinControl* ControlOfWindow(HWND window);
