#include "engine/steps/greyscale.h"

namespace tavrosine {

Bitmap ApplyGreyscale(Bitmap image, const ConversionSettings& settings) {
  if (!image || settings.greyscale == 0) return image;
  if (Bpp(image) > 32) {
    image = AdoptBitmap(FreeImage_ConvertTo24Bits(image.get()));
    if (!image) return image;
  }
  return AdoptBitmap(FreeImage_ConvertToGreyscale(image.get()));
}

}  // namespace tavrosine
