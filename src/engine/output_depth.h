#pragma once

#include <string_view>

#include "engine/bitmap.h"

namespace tavrosine {

// The first depth of the format's list that holds the loaded depth, else its largest.
int PickAutomaticDepth(std::string_view extension, int loaded_depth);

// Brings the image to the target depth with FreeImage's conversions; the same image when it
// already has that depth, null when the depth has no conversion (the save then fails).
Bitmap ConvertOutputDepth(Bitmap image, std::string_view extension, int target_depth);

}  // namespace tavrosine
