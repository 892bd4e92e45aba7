// Images that are not in the skin package as they stand: cut out of,
// composed from, or generated for the element records after reading.
#pragma once

#include <memory>

#include "skin/data/SkinElements.h"

class TBitmap;

// A 24-bit copy of the bitmap mirrored left to right.
std::unique_ptr<TBitmap> MirroredCopy(const TBitmap& source);

// Cuts the MDI button strip (12 cells side by side, four per button) into
// the images of the last three caption button records.
void SplitMdiButtons(TBitmap& strip, TSkinElements& skin);

// The combo box composite, ComboxArrow, the Toolbar gradient and the
// caption sample colour, in that order.
void MakeDerivedImages(TSkinElements& skin);

// The colour of the caption: sampled from the Top border image, or the
// ButtonFace colour when there is none.
TColor CaptionSampleColour(const TSkinElements& skin);
