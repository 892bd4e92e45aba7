// The system's folder picker.
#pragma once

#include <windows.h>

#include "toolkit/core/Strings.h"

// The folder the user chose, or "" when the dialog was cancelled or could
// not be shown.
String PickFolder(HWND owner, const wchar_t* title);
