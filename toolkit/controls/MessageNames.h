// Message numbers as text for logs and failing tests: "WM_NCPAINT" reads
// better than 0x85.
#pragma once

#include <windows.h>

#include <string>

// The name of a window, toolkit or reflected message; "0x1234" when unknown.
std::string MessageName(UINT msg);
