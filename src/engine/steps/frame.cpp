#include "engine/steps/frame.h"

namespace tavrosine {

Bitmap ApplyFrame(Bitmap image, const ConversionSettings& /*settings*/) { return image; }

}  // namespace tavrosine
