// What a control asks of CreateWindowExW, on its own so that the window
// class registry can read it without the control classes.
#pragma once

#include <windows.h>

#include <string>

// What a control asks of CreateWindowExW; CreateParams fills it in.
struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  // The system class this control's window class is built on ("BUTTON",
  // "EDIT", ...); empty for a window class of the toolkit's own.
  std::wstring BaseClass;
  UINT ClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  HBRUSH Background = nullptr;
  std::wstring ClassName;  // defaults to the toolkit class name
};
