#pragma once

#include "engine/bitmap.h"
#include "settings/conversion_settings.h"

namespace tavrosine {

// Turns the image into 8-bit grey when GREYSCALE is on.
// Returns the image that continues; a null image passes through as null.
Bitmap ApplyGreyscale(Bitmap image, const ConversionSettings& settings);

}  // namespace tavrosine
