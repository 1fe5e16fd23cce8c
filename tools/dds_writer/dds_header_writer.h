#pragma once

#include <cstdint>
#include <vector>

namespace tavrosine::dds_writer {

inline constexpr uint32_t kDdsdCaps = 0x1;
inline constexpr uint32_t kDdsdHeight = 0x2;
inline constexpr uint32_t kDdsdWidth = 0x4;
inline constexpr uint32_t kDdsdPitch = 0x8;
inline constexpr uint32_t kDdsdPixelFormat = 0x1000;
inline constexpr uint32_t kDdsdMipMapCount = 0x20000;
inline constexpr uint32_t kDdsdLinearSize = 0x80000;
inline constexpr uint32_t kDdsdDepth = 0x800000;

inline constexpr uint32_t kDdpfAlphaPixels = 0x1;
inline constexpr uint32_t kDdpfAlpha = 0x2;
inline constexpr uint32_t kDdpfFourCc = 0x4;
inline constexpr uint32_t kDdpfPaletteIndexed8 = 0x20;
inline constexpr uint32_t kDdpfRgb = 0x40;
inline constexpr uint32_t kDdpfLuminance = 0x20000;

inline constexpr uint32_t kCapsTexture = 0x1000;
inline constexpr uint32_t kCapsComplex = 0x8;
inline constexpr uint32_t kCapsMipMap = 0x400000;
inline constexpr uint32_t kCaps2Cubemap = 0x200;
inline constexpr uint32_t kCaps2AllFaces = 0xFC00;
inline constexpr uint32_t kCaps2Volume = 0x200000;

constexpr uint32_t FourCc(char a, char b, char c, char d) {
  return static_cast<uint32_t>(static_cast<uint8_t>(a)) |
         static_cast<uint32_t>(static_cast<uint8_t>(b)) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(c)) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(d)) << 24;
}

// Every field of the file header, so tests can also write the damaged headers that real
// tools produce. The defaults describe a plain one-level 2D texture.
struct DdsHeaderFields {
  uint32_t header_size = 124;
  uint32_t flags = kDdsdCaps | kDdsdHeight | kDdsdWidth | kDdsdPixelFormat;
  uint32_t height = 0;
  uint32_t width = 0;
  uint32_t pitch_or_linear_size = 0;
  uint32_t depth = 0;
  uint32_t mip_count = 0;
  uint32_t pf_size = 32;
  uint32_t pf_flags = 0;
  uint32_t fourcc = 0;
  uint32_t rgb_bit_count = 0;
  uint32_t r_mask = 0;
  uint32_t g_mask = 0;
  uint32_t b_mask = 0;
  uint32_t a_mask = 0;
  uint32_t caps = kCapsTexture;
  uint32_t caps2 = 0;

  bool dx10 = false;  // also writes the extended header (and sets the "DX10" FourCC)
  uint32_t dxgi_format = 0;
  uint32_t resource_dimension = 3;  // a 2D texture
  uint32_t misc_flag = 0;
  uint32_t array_size = 1;
  uint32_t misc_flags2 = 0;
};

// The magic number, the 124-byte header and, when asked for, the 20-byte extended header.
std::vector<uint8_t> SerializeDdsHeader(const DdsHeaderFields& fields);

void AppendLe32(std::vector<uint8_t>& out, uint32_t value);

}  // namespace tavrosine::dds_writer
