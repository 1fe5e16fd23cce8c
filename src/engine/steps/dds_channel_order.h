#pragma once

#include "engine/bitmap.h"
#include "settings/conversion_settings.h"

namespace tavrosine {

// Reorders the colour channels of a freshly loaded DDS image as DDS-LOAD-AS asks.
// Returns the image that continues; a null image passes through as null.
Bitmap ApplyDdsChannelOrder(Bitmap image, const ConversionSettings& settings);

}  // namespace tavrosine
