// Shared off-screen state of the skin drawing: a scratch bitmap (stretch mode
// COLORONCOLOR) that skinned controls draw into, and a scratch string list.
// Both live from first use to the end of the process; one GUI thread uses them.
#pragma once

#include "toolkit/core/Strings.h"
#include "toolkit/graphics/Bitmap.h"

TBitmap& ScratchBitmap();
TStringList& ScratchStrings();
