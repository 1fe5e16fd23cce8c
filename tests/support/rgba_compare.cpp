#include "support/rgba_compare.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tavrosine::testing {

RgbaImage ToRgba(FIBITMAP* bitmap) {
  RgbaImage out;
  if (bitmap == nullptr || FreeImage_GetImageType(bitmap) != FIT_BITMAP) return out;
  const unsigned bpp = FreeImage_GetBPP(bitmap);
  if (bpp != 8 && bpp != 24 && bpp != 32) return out;
  out.width = static_cast<int>(FreeImage_GetWidth(bitmap));
  out.height = static_cast<int>(FreeImage_GetHeight(bitmap));
  out.rgba.resize(static_cast<size_t>(out.width) * out.height * 4);
  const RGBQUAD* palette = FreeImage_GetPalette(bitmap);
  for (int y = 0; y < out.height; ++y) {
    // FreeImage keeps the bottom row first.
    const BYTE* row = FreeImage_GetScanLine(bitmap, out.height - 1 - y);
    for (int x = 0; x < out.width; ++x) {
      uint8_t* p = out.rgba.data() + (static_cast<size_t>(y) * out.width + x) * 4;
      if (bpp == 8) {
        const RGBQUAD& entry = palette[row[x]];
        p[0] = entry.rgbRed, p[1] = entry.rgbGreen, p[2] = entry.rgbBlue, p[3] = 255;
      } else {
        const BYTE* s = row + x * (bpp / 8);
        p[0] = s[FI_RGBA_RED], p[1] = s[FI_RGBA_GREEN], p[2] = s[FI_RGBA_BLUE];
        p[3] = bpp == 32 ? s[FI_RGBA_ALPHA] : 255;
      }
    }
  }
  return out;
}

ImageDifference Compare(const RgbaImage& actual, const RgbaImage& expected, int channels) {
  ImageDifference result;
  result.same_size = actual.width == expected.width && actual.height == expected.height &&
                     actual.rgba.size() == expected.rgba.size();
  if (!result.same_size) return result;
  double squared = 0;
  size_t samples = 0;
  for (int y = 0; y < actual.height; ++y) {
    for (int x = 0; x < actual.width; ++x) {
      const uint8_t* a = actual.Pixel(x, y);
      const uint8_t* e = expected.Pixel(x, y);
      for (int c = 0; c < 4; ++c) {
        if (!(channels >> c & 1)) continue;
        const int error = std::abs(a[c] - e[c]);
        if (error > 0 && result.first_mismatch.empty()) {
          result.first_mismatch = "(" + std::to_string(x) + "," + std::to_string(y) + ") channel " +
                                  std::string(1, "RGBA"[c]) + ": " + std::to_string(a[c]) + " vs " +
                                  std::to_string(e[c]);
        }
        result.max_error = std::max(result.max_error, error);
        squared += error * error;
        ++samples;
      }
    }
  }
  const double mse = samples ? squared / static_cast<double>(samples) : 0;
  result.psnr = mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
  return result;
}

FIBITMAP* LoadWithFreeImage(const std::string& bytes) {
  FIMEMORY* memory = FreeImage_OpenMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                          static_cast<DWORD>(bytes.size()));
  FIBITMAP* bitmap = FreeImage_LoadFromMemory(FIF_DDS, memory, 0);
  FreeImage_CloseMemory(memory);
  return bitmap;
}

RgbaImage LoadReferencePicture(const std::string& path) {
  const FREE_IMAGE_FORMAT type = FreeImage_GetFileType(path.c_str(), 0);
  if (type == FIF_UNKNOWN) return {};
  FIBITMAP* loaded = FreeImage_Load(type, path.c_str(), 0);
  if (loaded == nullptr) return {};
  FIBITMAP* rgba = FreeImage_ConvertTo32Bits(loaded);
  FreeImage_Unload(loaded);
  RgbaImage out = ToRgba(rgba);
  FreeImage_Unload(rgba);
  return out;
}

}  // namespace tavrosine::testing
