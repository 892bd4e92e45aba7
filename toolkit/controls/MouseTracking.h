// Moving which control the mouse is over (MouseControl.h), so that
// CM_MOUSEENTER and CM_MOUSELEAVE go out in pairs across windows and
// windowless controls.
#pragma once

#include <windows.h>

class TControl;
class TWinControl;

// The mouse moved over target (a control of window); sends the leave and
// enter notifications and asks the window for WM_MOUSELEAVE.
void TrackMouseControl(TWinControl* window, TControl* target);
// The window lost the mouse: the control it was over, if any, is left.
void MouseLeftWindow(TWinControl* window);
// How every window of ours asks for WM_MOUSELEAVE: under Wine the request
// decides how often a resting pointer wakes the program (MouseTracking.cpp).
TRACKMOUSEEVENT MouseLeaveRequest(HWND window);
