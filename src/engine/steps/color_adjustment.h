#pragma once

#include "engine/bitmap.h"
#include "settings/conversion_settings.h"

namespace tavrosine {

// Applies brightness, contrast, gamma and invert when colour correction is on.
// Returns the image that continues; a null image passes through as null.
Bitmap ApplyColorAdjustment(Bitmap image, const ConversionSettings& settings);

}  // namespace tavrosine
