#include "engine/steps/resize.h"

#include <cmath>

namespace tavrosine {
namespace {

constexpr int kUnitPixels = 0;
constexpr int kUnitPercent = 1;
constexpr int kLargeImagesOnly = 1;

// A target side in pixels; percentages round half to even. Any other unit gives 0.
long long TargetSide(int value, int unit, unsigned current) {
  if (unit == kUnitPixels) return value;
  if (unit == kUnitPercent) return std::llrint(value / 100.0 * current);
  return 0;
}

FREE_IMAGE_FILTER FilterFor(int algorithm) {
  switch (algorithm) {
    case 0:
      return FILTER_BOX;
    case 1:
      return FILTER_BILINEAR;
    case 2:
      return FILTER_BSPLINE;
    case 3:
      return FILTER_BICUBIC;
    case 4:
      return FILTER_CATMULLROM;
    case 5:
      return FILTER_LANCZOS3;
    default:
      return FILTER_BICUBIC;
  }
}

// The other side from the long-kept one, through a single-precision ratio as the product has
// always computed it; halves round away from zero.
long long KeepAspect(long long kept_side, unsigned long_side, unsigned short_side) {
  const float ratio = static_cast<float>(long_side) / static_cast<float>(short_side);
  const float other = static_cast<float>(kept_side) / ratio;
  return std::llround(other);
}

}  // namespace

Bitmap ApplyResize(Bitmap image, const ConversionSettings& settings) {
  if (!image || settings.do_resize == 0) return image;
  const unsigned width = Width(image);
  const unsigned height = Height(image);
  const long long new_width = TargetSide(settings.width, settings.width_unit, width);
  const long long new_height = TargetSide(settings.height, settings.height_unit, height);
  if (new_width <= 0 || new_height <= 0) return image;
  if (new_width == width && new_height == height) return image;
  // An image smaller than the target both ways is left alone; larger in one direction, it is
  // rescaled even if that enlarges the other.
  if (settings.resize_type == kLargeImagesOnly && width < new_width && height < new_height) {
    return image;
  }

  long long final_width = new_width;
  long long final_height = new_height;
  if (settings.keep_aspect_ratio == 1) {
    if (width >= height) {
      final_height = KeepAspect(new_width, width, height);
    } else {
      final_width = KeepAspect(new_height, height, width);
    }
  }
  if (final_width <= 0 || final_height <= 0 || final_width > kMaxResizeSide ||
      final_height > kMaxResizeSide || final_width * final_height > kMaxResizePixels) {
    return nullptr;
  }
  return AdoptBitmap(FreeImage_Rescale(image.get(), static_cast<int>(final_width),
                                       static_cast<int>(final_height),
                                       FilterFor(settings.resize_algorithm)));
}

}  // namespace tavrosine
