#include "engine/output_depth.h"

#include "settings/formats.h"

namespace tavrosine {
namespace {

bool IsOneOf(std::string_view extension, std::initializer_list<std::string_view> list) {
  for (const std::string_view item : list) {
    if (item == extension) return true;
  }
  return false;
}

}  // namespace

int PickAutomaticDepth(std::string_view extension, int loaded_depth) {
  const std::vector<int> depths = DepthList(extension);
  for (const int depth : depths) {
    if (depth >= loaded_depth) return depth;
  }
  return depths.empty() ? 0 : depths.back();
}

Bitmap ConvertOutputDepth(Bitmap image, std::string_view extension, int target_depth) {
  if (!image) return image;
  const int current = static_cast<int>(Bpp(image));
  if (current == target_depth) return image;
  FIBITMAP* source = image.get();
  switch (target_depth) {
    case 96:
      return AdoptBitmap(FreeImage_ConvertToRGBF(source));
    case 48:
      return AdoptBitmap(FreeImage_ConvertToRGB16(source));
    case 32:
      return AdoptBitmap(FreeImage_ConvertTo32Bits(source));
    case 24:
      return AdoptBitmap(FreeImage_ConvertTo24Bits(source));
    case 16: {
      Bitmap rgb = current > 32 ? AdoptBitmap(FreeImage_ConvertTo24Bits(source)) : nullptr;
      FIBITMAP* from = rgb ? rgb.get() : source;
      if (current > 32 && !rgb) return nullptr;
      return AdoptBitmap(IsOneOf(extension, {"ico", "tga"}) ? FreeImage_ConvertTo16Bits555(from)
                                                             : FreeImage_ConvertTo16Bits565(from));
    }
    case 8: {
      // JPEG-family formats store 8 bits as grey; the others get a 256-colour palette.
      if (IsOneOf(extension, {"j2k", "jp2", "jpg", "jxr"})) {
        return AdoptBitmap(FreeImage_ConvertTo8Bits(source));
      }
      Bitmap rgb = current != 24 ? AdoptBitmap(FreeImage_ConvertTo24Bits(source)) : nullptr;
      if (current != 24 && !rgb) return nullptr;
      return AdoptBitmap(FreeImage_ColorQuantizeEx(rgb ? rgb.get() : source, FIQ_WUQUANT, 256, 0,
                                                   nullptr));
    }
    case 4:
      return AdoptBitmap(FreeImage_ConvertTo4Bits(source));
    case 1:
      return AdoptBitmap(FreeImage_Dither(source, FID_FS));
    default:
      return nullptr;
  }
}

}  // namespace tavrosine
