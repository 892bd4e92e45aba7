// Which control the mouse is over. Only the pointer lives here, below the
// controls, so that a control going away can forget itself; the tracking
// that moves it (MouseTracking.h) sits above the windowed control.
#pragma once

class TControl;

TControl* MouseControl();
// The tracking's part: the mouse is now over control (nullptr: none).
void SetMouseControl(TControl* control);
// A control going away is forgotten without being told.
void ForgetMouseControl(TControl* control);
