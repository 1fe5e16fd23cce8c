#pragma once

#include "engine/bitmap.h"
#include "settings/conversion_settings.h"

namespace tavrosine {

// Rotates by ROTATION degrees when rotation is on (simple or advanced).
// Returns the image that continues; a null image passes through as null.
Bitmap ApplyRotation(Bitmap image, const ConversionSettings& settings);

}  // namespace tavrosine
