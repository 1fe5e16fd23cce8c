#include "engine/steps/resize.h"

namespace tavrosine {

Bitmap ApplyResize(Bitmap image, const ConversionSettings& /*settings*/) { return image; }

}  // namespace tavrosine
