#include "settings/output_options.h"

#include <FreeImage.h>

#include <initializer_list>
#include <optional>

#include "settings/formats.h"
#include "settings/settings_table.h"

namespace tavrosine {
namespace {

// The flag a keyword code stands for; a code outside the list contributes nothing.
int FlagFor(std::initializer_list<int> flags_by_code, int code) {
  if (code < 0 || code >= static_cast<int>(flags_by_code.size())) return 0;
  return *(flags_by_code.begin() + code);
}

}  // namespace

int ComputeSaveFlags(std::string_view extension, const ConversionSettings& s) {
  if (extension == "bmp") return FlagFor({0, BMP_SAVE_RLE}, s.bmp_compression);
  if (extension == "exr") {
    return FlagFor({EXR_NONE, EXR_ZIP, EXR_PIZ, EXR_PXR24, EXR_B44}, s.exr_compression);
  }
  if (extension == "jpg") {
    return s.jpg_quality |
           FlagFor({JPEG_SUBSAMPLING_444, JPEG_SUBSAMPLING_422, JPEG_SUBSAMPLING_420,
                    JPEG_SUBSAMPLING_411},
                   s.jpg_chroma) |
           FlagFor({0, JPEG_BASELINE, JPEG_OPTIMIZE, JPEG_PROGRESSIVE}, s.jpg_save_as);
  }
  if (extension == "jxr") return JXR_LOSSLESS;
  if (extension == "png") {
    return FlagFor({PNG_Z_NO_COMPRESSION, PNG_Z_BEST_SPEED, PNG_Z_DEFAULT_COMPRESSION,
                    PNG_Z_BEST_COMPRESSION},
                   s.png_compression) |
           (s.png_interlaced ? PNG_INTERLACED : 0);
  }
  if (extension == "tga") return FlagFor({0, TARGA_SAVE_RLE}, s.tga_compression);
  if (extension == "tiff") {
    return FlagFor({TIFF_NONE, TIFF_CCITTFAX3, TIFF_CCITTFAX4, TIFF_PACKBITS, TIFF_DEFLATE,
                    TIFF_ADOBE_DEFLATE, TIFF_LZW, TIFF_JPEG, TIFF_LOGLUV},
                   s.tiff_compression) |
           (s.tiff_color_model == 1 ? TIFF_CMYK : 0);
  }
  if (extension == "webp") return WEBP_LOSSLESS;
  return 0;
}

void ResolveOutputOptions(JobState& job, const ConversionSettings& settings) {
  const std::string& extension = job.output_extension;
  if (const OutputFormat* format = FindOutputFormat(extension)) {
    job.output_freeimage_format = format->freeimage_format;
  }
  // dds, pcx and psd have depth settings and flags but no format row.
  if (const std::optional<int> depth = DepthSetting(settings, extension)) {
    job.target_depth = *depth;
    job.save_flags = ComputeSaveFlags(extension, settings);
  }
  job.automatic_depth = job.target_depth == 0;
}

}  // namespace tavrosine
