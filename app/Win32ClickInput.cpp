#include "app/Win32ClickInput.h"

#include <windows.h>

#include "app/CursorDpi.h"

namespace app {

void TWin32ClickInput::SetCursorPos(int x, int y) { SetCursorPosPhysical(x, y); }

// No offset and no data: the button event happens where the cursor was set.
void TWin32ClickInput::MouseEvent(unsigned flags) { mouse_event(flags, 0, 0, 0, 0); }

void TWin32ClickInput::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

}  // namespace app
