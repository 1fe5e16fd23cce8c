#include "engine/steps/greyscale.h"

namespace tavrosine {

Bitmap ApplyGreyscale(Bitmap image, const ConversionSettings& /*settings*/) { return image; }

}  // namespace tavrosine
