#include "engine/steps/rotation.h"

#include "engine/steps/hex_color.h"

namespace tavrosine {
namespace {

constexpr int kSimpleRotation = 0;
constexpr int kAdvancedRotation = 1;

}  // namespace

Bitmap ApplyRotation(Bitmap image, const ConversionSettings& settings) {
  if (!image || settings.do_rotation == 0) return image;
  const int angle = settings.rotation;
  if (angle <= 0 || angle >= 360) return image;

  // FreeImage rotates 24- and 32-bit pixels as they are; palettes, 16-bit and wide types go
  // through 24 bits first.
  if (Bpp(image) <= 16 || Bpp(image) > 32) {
    image = AdoptBitmap(FreeImage_ConvertTo24Bits(image.get()));
    if (!image) return image;
  }

  switch (settings.rotation_type) {
    case kSimpleRotation: {
      const RgbColor color = ParseHexColor(settings.rotation_back_color);
      const RGBQUAD background = {color.blue, color.green, color.red, 0};
      return AdoptBitmap(FreeImage_Rotate(image.get(), angle, &background));
    }
    case kAdvancedRotation: {
      // Same size, turned about the centre (a half pixel for odd sizes); FreeImage fills the
      // uncovered areas by mirroring the picture.
      const double centre_x = Width(image) / 2.0;
      const double centre_y = Height(image) / 2.0;
      return AdoptBitmap(
          FreeImage_RotateEx(image.get(), angle, 0.0, 0.0, centre_x, centre_y, FALSE));
    }
    default:
      return image;
  }
}

}  // namespace tavrosine
