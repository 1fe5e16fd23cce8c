// BC1, BC2 and BC3 (DXT1 to DXT5): a 5:6:5 colour pair with 2-bit indices, plus explicit
// (BC2) or interpolated (BC3) alpha.

#include "engine/dds/block_decoders.h"
#include "engine/dds/byte_order.h"

namespace tavrosine::dds {
namespace {

constexpr uint32_t kColourBits = 0x00FFFFFF;

struct Colour {
  uint32_t r, g, b;
};

inline Colour Expand565(uint32_t c) {
  const uint32_t r = c >> 11 & 31, g = c >> 5 & 63, b = c & 31;
  return {r << 3 | r >> 2, g << 2 | g >> 4, b << 3 | b >> 2};
}

// Colours interpolate rounding down, as the reference decoders of the DXT era do.
inline uint32_t Blend(const Colour& a, const Colour& b, uint32_t wa, uint32_t wb, uint32_t total) {
  return PackRgba((a.r * wa + b.r * wb) / total, (a.g * wa + b.g * wb) / total,
                  (a.b * wa + b.b * wb) / total, 255);
}

// BC2 and BC3 always use four colours; only BC1 switches to three colours and transparent
// black when the first colour is not greater than the second.
template <bool kCanBeTransparent>
inline void ColourPalette(const uint8_t* block, uint32_t palette[4]) {
  const uint32_t c0 = Le16(block), c1 = Le16(block + 2);
  const Colour p0 = Expand565(c0), p1 = Expand565(c1);
  palette[0] = PackRgba(p0.r, p0.g, p0.b, 255);
  palette[1] = PackRgba(p1.r, p1.g, p1.b, 255);
  if (!kCanBeTransparent || c0 > c1) {
    palette[2] = Blend(p0, p1, 2, 1, 3);
    palette[3] = Blend(p0, p1, 1, 2, 3);
  } else {
    palette[2] = Blend(p0, p1, 1, 1, 2);
    palette[3] = 0;
  }
}

// The eight values of BC3 alpha, BC4 and BC5, from two endpoints.
inline void ChannelPalette(const uint8_t* block, uint32_t palette[8]) {
  const uint32_t a0 = block[0], a1 = block[1];
  palette[0] = a0;
  palette[1] = a1;
  if (a0 > a1) {
    for (uint32_t k = 1; k < 7; ++k) palette[k + 1] = ((7 - k) * a0 + k * a1 + 3) / 7;
  } else {
    for (uint32_t k = 1; k < 5; ++k) palette[k + 1] = ((5 - k) * a0 + k * a1 + 2) / 5;
    palette[6] = 0;
    palette[7] = 255;
  }
}

inline uint64_t ChannelIndices(const uint8_t* block) {
  return static_cast<uint64_t>(Le16(block + 2)) | static_cast<uint64_t>(Le32(block + 4)) << 16;
}

}  // namespace

void DecodeInterpolatedChannel(const uint8_t* block, uint8_t values[16]) {
  uint32_t palette[8];
  ChannelPalette(block, palette);
  uint64_t indices = ChannelIndices(block);
  for (int i = 0; i < 16; ++i, indices >>= 3)
    values[i] = static_cast<uint8_t>(palette[indices & 7]);
}

void DecodeBc1Block(const uint8_t* block, Rgba8* out) {
  uint32_t palette[4];
  ColourPalette<true>(block, palette);
  uint32_t indices = Le32(block + 4);
  for (int i = 0; i < 16; ++i, indices >>= 2) StorePacked(out + i, palette[indices & 3]);
}

void DecodeBc2Block(const uint8_t* block, Rgba8* out) {
  uint32_t palette[4];
  ColourPalette<false>(block + 8, palette);
  uint32_t indices = Le32(block + 12);
  uint64_t alpha = Le64(block);
  for (int i = 0; i < 16; ++i, indices >>= 2, alpha >>= 4) {
    const uint32_t a = static_cast<uint32_t>(alpha & 15) * 17;
    StorePacked(out + i, (palette[indices & 3] & kColourBits) | a << 24);
  }
}

void DecodeBc3Block(const uint8_t* block, Rgba8* out) {
  uint32_t palette[4], alpha_palette[8];
  ColourPalette<false>(block + 8, palette);
  ChannelPalette(block, alpha_palette);
  uint32_t indices = Le32(block + 12);
  uint64_t alpha_indices = ChannelIndices(block);
  for (int i = 0; i < 16; ++i, indices >>= 2, alpha_indices >>= 3) {
    StorePacked(out + i,
                (palette[indices & 3] & kColourBits) | alpha_palette[alpha_indices & 7] << 24);
  }
}

}  // namespace tavrosine::dds
