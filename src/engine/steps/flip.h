#pragma once

#include "engine/bitmap.h"
#include "settings/conversion_settings.h"

namespace tavrosine {

// Mirrors horizontally and/or vertically.
// Returns the image that continues; a null image passes through as null.
Bitmap ApplyFlip(Bitmap image, const ConversionSettings& settings);

}  // namespace tavrosine
