#pragma once
// A picture of an active and an inactive window drawn from the skin's
// bitmaps the way the engine lays them out, for looking at the art.
#include "tools/skingen/Raster.h"

namespace skingen {

Image SkinMockup();

}  // namespace skingen
