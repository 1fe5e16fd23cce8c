#include "engine/steps/flip.h"

namespace tavrosine {

Bitmap ApplyFlip(Bitmap image, const ConversionSettings& settings) {
  if (!image) return image;
  if (settings.flip_horizontal == 1) FreeImage_FlipHorizontal(image.get());
  if (settings.flip_vertical == 1) FreeImage_FlipVertical(image.get());
  return image;
}

}  // namespace tavrosine
