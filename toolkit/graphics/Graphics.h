// Everything of the toolkit's graphics at once.
#pragma once

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/graphics/Icon.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/graphics/JPEGImage.h"
#include "toolkit/graphics/Picture.h"
