#include "engine/steps/rotation.h"

namespace tavrosine {

Bitmap ApplyRotation(Bitmap image, const ConversionSettings& /*settings*/) { return image; }

}  // namespace tavrosine
