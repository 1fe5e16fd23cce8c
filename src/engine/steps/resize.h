#pragma once

#include "engine/bitmap.h"
#include "settings/conversion_settings.h"

namespace tavrosine {

// Rescales to WIDTH x HEIGHT (pixels or percent) when resizing is on.
// Returns the image that continues; a null image passes through as null.
Bitmap ApplyResize(Bitmap image, const ConversionSettings& settings);

}  // namespace tavrosine
