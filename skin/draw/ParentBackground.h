// Painting a control's parent background into the control's DC, for controls
// that draw over what their parent shows.
#pragma once

#include <windows.h>

class TControl;

// Nothing without a parent. The parent paints as if the DC were its own,
// clipped to the control's rectangle.
void PaintParentBackground(TControl* control, HDC dc);
