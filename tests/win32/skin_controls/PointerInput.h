// Real pointer input through the system's input queue, for tests that
// drive skinned controls as a person would.
#pragma once

#include <windows.h>

// Absolute pointer moves and button presses through the system's input.
inline void SendPointer(POINT at, DWORD buttons = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
  SendInput(1, &input, sizeof input);
}

// A press or release where the pointer is.
inline void SendButton(DWORD button) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = button;
  SendInput(1, &input, sizeof input);
}
