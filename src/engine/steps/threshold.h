#pragma once

#include "engine/bitmap.h"
#include "settings/conversion_settings.h"

namespace tavrosine {

// Turns the image into 1-bit black and white at THRESHOLD when threshold is on.
// Returns the image that continues; a null image passes through as null.
Bitmap ApplyThreshold(Bitmap image, const ConversionSettings& settings);

}  // namespace tavrosine
