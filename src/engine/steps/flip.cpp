#include "engine/steps/flip.h"

namespace tavrosine {

Bitmap ApplyFlip(Bitmap image, const ConversionSettings& /*settings*/) { return image; }

}  // namespace tavrosine
