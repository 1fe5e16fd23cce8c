#include "engine/steps/watermark.h"

namespace tavrosine {

Bitmap ApplyWatermark(Bitmap image, const ConversionSettings& /*settings*/,
                      const WatermarkContext& /*context*/) {
  return image;
}

}  // namespace tavrosine
