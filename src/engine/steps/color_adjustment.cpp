#include "engine/steps/color_adjustment.h"

namespace tavrosine {

Bitmap ApplyColorAdjustment(Bitmap image, const ConversionSettings& /*settings*/) { return image; }

}  // namespace tavrosine
