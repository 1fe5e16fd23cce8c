#include "engine/steps/color_adjustment.h"

namespace tavrosine {

Bitmap ApplyColorAdjustment(Bitmap image, const ConversionSettings& settings) {
  if (!image || settings.do_color_correction == 0) return image;
  if (Bpp(image) < 8 || Bpp(image) > 32) {
    image = AdoptBitmap(FreeImage_ConvertTo24Bits(image.get()));
    if (!image) return image;
  }
  // Adjusts in place; a refusal leaves the pixels as they were, which is all it can mean here.
  FreeImage_AdjustColors(image.get(), settings.brightness, settings.contrast, settings.gamma,
                         settings.invert != 0 ? TRUE : FALSE);
  return image;
}

}  // namespace tavrosine
