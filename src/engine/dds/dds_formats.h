#pragma once

#include <cstdint>
#include <string>

#include "engine/dds/dds_error.h"
#include "engine/dds/pixel_format.h"

namespace tavrosine::dds {

// A resolved format: how to decode it and the name users know it by, or why not.
struct FormatLookup {
  PixelFormat format;
  std::string name;  // e.g. "BC7_UNORM_SRGB", "DXT5", "A8R8G8B8"
  DdsError error;
};

// DDS_PIXELFORMAT of the legacy header, plus the tag some writers leave in the reserved
// words (GIMP marks YCoCg-encoded DXT5 with "YCG1").
struct LegacyPixelFormat {
  uint32_t flags = 0;
  uint32_t fourcc = 0;
  uint32_t bit_count = 0;
  uint32_t masks[4] = {};  // red, green, blue, alpha
  uint32_t writer_tag = 0;
};

inline constexpr uint32_t kPfAlphaPixels = 0x1;
inline constexpr uint32_t kPfAlpha = 0x2;
inline constexpr uint32_t kPfFourCc = 0x4;
inline constexpr uint32_t kPfPaletteIndexed4 = 0x8;
inline constexpr uint32_t kPfPaletteIndexed8 = 0x20;
inline constexpr uint32_t kPfRgb = 0x40;
inline constexpr uint32_t kPfYuv = 0x200;
inline constexpr uint32_t kPfLuminance = 0x20000;
inline constexpr uint32_t kPfBumpDuDv = 0x80000;
inline constexpr uint32_t kPfNormal = 0x80000000;  // set by NVIDIA's and GIMP's tools

constexpr uint32_t MakeFourCc(const char (&s)[5]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(s[0])) |
         static_cast<uint32_t>(static_cast<uint8_t>(s[1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(s[2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(s[3])) << 24;
}
inline constexpr uint32_t kFourCcDx10 = MakeFourCc("DX10");

// Resolves the legacy pixel format block (FourCC, bit masks or palette).
FormatLookup LookUpLegacyFormat(const LegacyPixelFormat& pf);

// Resolves the DX10 header's DXGI format; `premultiplied` comes from its alpha mode.
FormatLookup LookUpDxgiFormat(uint32_t dxgi_format, bool premultiplied);

}  // namespace tavrosine::dds
