#pragma once

#include "engine/bitmap.h"
#include "settings/conversion_settings.h"

namespace tavrosine {

// Draws the solid four-colour frame over the image's edges when the frame is on.
// Returns the image that continues; a null image passes through as null.
Bitmap ApplyFrame(Bitmap image, const ConversionSettings& settings);

}  // namespace tavrosine
