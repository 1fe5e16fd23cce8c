#pragma once

#include "engine/bitmap.h"
#include "settings/conversion_settings.h"

namespace tavrosine {

// The largest image a rescale may produce. Bigger targets (a stray WIDTH of 1000000 percent)
// would ask for many gigabytes; such a rescale fails like a refused allocation.
inline constexpr int kMaxResizeSide = 65535;
inline constexpr long long kMaxResizePixels = 1LL << 28;

// Rescales to WIDTH x HEIGHT (pixels or percent) when resizing is on.
// Returns the image that continues; a null image passes through as null.
Bitmap ApplyResize(Bitmap image, const ConversionSettings& settings);

}  // namespace tavrosine
