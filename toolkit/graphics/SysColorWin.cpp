// System colours come from the running system.
#include <windows.h>

#include "toolkit/graphics/Colors.h"

TColor ColorToRGB(TColor color) {
  if (!IsSystemColor(color)) return color & 0xFFFFFF;
  return static_cast<TColor>(GetSysColor(color & 0xFF));
}
