#include "engine/steps/threshold.h"

namespace tavrosine {

Bitmap ApplyThreshold(Bitmap image, const ConversionSettings& settings) {
  if (!image || settings.do_threshold == 0) return image;
  if (Bpp(image) > 32) {
    image = AdoptBitmap(FreeImage_ConvertTo24Bits(image.get()));
    if (!image) return image;
  }
  // Only the low eight bits are the level: 256 acts like 0.
  const auto level = static_cast<BYTE>(settings.threshold & 0xFF);
  return AdoptBitmap(FreeImage_Threshold(image.get(), level));
}

}  // namespace tavrosine
