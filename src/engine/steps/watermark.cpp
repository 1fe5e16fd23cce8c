#include "engine/steps/watermark.h"

#include <limits>

#include "engine/steps/drawing_support.h"
#include "engine/steps/watermark_picture.h"
#include "engine/steps/watermark_text.h"

namespace tavrosine {
namespace {

// FreeImage_Paste blends with a factor of alpha / 256 for alpha up to 255, which would leave
// an opaque watermark at alpha 254 and every channel a shade darker. Anything above 255 copies
// the pixels as they are, which is what a paste into the empty layer means.
constexpr int kPasteCopy = 256;

bool FitsInt(int64_t value) {
  return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

QImage RenderWatermark(const ConversionSettings& settings, const WatermarkContext& context,
                       unsigned width, unsigned height) {
  if (settings.do_watermark == kWatermarkImage) return RenderPictureWatermark(settings);
  if (settings.do_watermark != kWatermarkText || context.font == nullptr || !DrawingReady()) {
    return {};
  }
  // %width% and %height% are the size of the image being watermarked, which is the size
  // this very file is written with.
  FileContext file = context.file;
  file.output_width = static_cast<int>(width);
  file.output_height = static_cast<int>(height);
  const std::string text = ExpandWatermarkText(settings.wm_text, file, context.output_extension);
  return RenderTextWatermark(QString::fromStdString(text), *context.font, settings);
}

}  // namespace

Bitmap RotateWatermark(Bitmap watermark, int angle) {
  if (!watermark || angle <= 0 || angle >= 360) return watermark;
  return AdoptBitmap(FreeImage_Rotate(watermark.get(), angle, nullptr));
}

Bitmap FitWatermark(Bitmap watermark, const WatermarkPlacement& placement, int64_t image_width,
                    int64_t image_height) {
  if (!watermark) return watermark;
  const int64_t width = Width(watermark);
  const int64_t height = Height(watermark);
  const WatermarkSize fitted = FittedSize(placement, image_width, image_height, width, height);
  if (fitted.width == width && fitted.height == height) return watermark;
  if (fitted.width <= 0 || fitted.height <= 0) return nullptr;
  return AdoptBitmap(FreeImage_Copy(watermark.get(), 0, 0, static_cast<int>(fitted.width),
                                    static_cast<int>(fitted.height)));
}

Bitmap ApplyWatermark(Bitmap image, const ConversionSettings& settings,
                      const WatermarkContext& context) {
  if (!image || settings.do_watermark == kWatermarkNone) return image;
  if (Bpp(image) != 24) {
    image = AdoptBitmap(FreeImage_ConvertTo24Bits(image.get()));
    if (!image) return image;
  }
  const unsigned width = Width(image);
  const unsigned height = Height(image);
  const WatermarkPlacement placement = PlacementFor(settings);

  Bitmap watermark = CanvasToBitmap(RenderWatermark(settings, context, width, height));
  watermark = RotateWatermark(std::move(watermark), placement.rotation);
  watermark = FitWatermark(std::move(watermark), placement, width, height);
  if (!watermark) return image;

  const WatermarkOrigin origin =
      PlaceWatermark(placement, width, height, Width(watermark), Height(watermark));
  const Bitmap layer = AdoptBitmap(FreeImage_AllocateT(
      FIT_BITMAP, static_cast<int>(width), static_cast<int>(height), Bpp(watermark), 0, 0, 0));
  // FreeImage refuses a watermark that does not lie wholly inside the image; the image then
  // stays as it is, exactly what compositing the empty layer would give.
  if (!layer || !FitsInt(origin.x) || !FitsInt(origin.y) ||
      !FreeImage_Paste(layer.get(), watermark.get(), static_cast<int>(origin.x),
                       static_cast<int>(origin.y), kPasteCopy)) {
    return image;
  }
  return AdoptBitmap(FreeImage_Composite(layer.get(), FALSE, nullptr, image.get()));
}

}  // namespace tavrosine
