#include "engine/steps/dds_channel_order.h"

#include <utility>

namespace tavrosine {
namespace {

constexpr int kLoadAsRgba = 2;

}  // namespace

Bitmap ApplyDdsChannelOrder(Bitmap image, const ConversionSettings& settings) {
  if (!image || settings.dds_load_as != kLoadAsRgba) return image;
  if (Bpp(image) != 32) {
    image = AdoptBitmap(FreeImage_ConvertTo32Bits(image.get()));
    if (!image) return image;
  }
  // B G R A -> R G B A in every pixel: red and blue trade places, green and alpha stay. Done
  // in the bitmap's own rows, which hold the same bytes a raw-bits round trip would.
  const unsigned width = Width(image);
  for (unsigned y = 0; y < Height(image); ++y) {
    BYTE* pixel = FreeImage_GetScanLine(image.get(), static_cast<int>(y));
    for (unsigned x = 0; x < width; ++x, pixel += 4) std::swap(pixel[0], pixel[2]);
  }
  return image;
}

}  // namespace tavrosine
