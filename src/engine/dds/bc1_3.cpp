// BC1, BC2 and BC3 (DXT1 to DXT5): a 5:6:5 colour pair with 2-bit indices, plus explicit
// (BC2) or interpolated (BC3) alpha.

#include "engine/dds/block_decoders.h"
#include "engine/dds/byte_order.h"

namespace tavrosine::dds {
namespace {

inline Rgba8 Expand565(uint32_t c) {
  const uint32_t r = c >> 11 & 31, g = c >> 5 & 63, b = c & 31;
  return {static_cast<uint8_t>(r << 3 | r >> 2), static_cast<uint8_t>(g << 2 | g >> 4),
          static_cast<uint8_t>(b << 3 | b >> 2), 255};
}

inline uint8_t Mix(int a, int b, int wa, int wb, int total) {
  return static_cast<uint8_t>((a * wa + b * wb + total / 2) / total);
}

// Colours interpolate rounding down, as the reference decoders of the DXT era do.
inline uint8_t MixDown(int a, int b, int wa, int wb, int total) {
  return static_cast<uint8_t>((a * wa + b * wb) / total);
}

// BC2 and BC3 always use four colours; only BC1 switches to three colours and transparent
// black when the first colour is not greater than the second.
template <bool kCanBeTransparent>
inline void DecodeColours(const uint8_t* block, Rgba8* out) {
  const uint32_t c0 = Le16(block), c1 = Le16(block + 2);
  Rgba8 palette[4];
  palette[0] = Expand565(c0);
  palette[1] = Expand565(c1);
  const Rgba8 &p0 = palette[0], &p1 = palette[1];
  if (!kCanBeTransparent || c0 > c1) {
    palette[2] = {MixDown(p0.r, p1.r, 2, 1, 3), MixDown(p0.g, p1.g, 2, 1, 3),
                  MixDown(p0.b, p1.b, 2, 1, 3), 255};
    palette[3] = {MixDown(p0.r, p1.r, 1, 2, 3), MixDown(p0.g, p1.g, 1, 2, 3),
                  MixDown(p0.b, p1.b, 1, 2, 3), 255};
  } else {
    palette[2] = {MixDown(p0.r, p1.r, 1, 1, 2), MixDown(p0.g, p1.g, 1, 1, 2),
                  MixDown(p0.b, p1.b, 1, 1, 2), 255};
    palette[3] = {0, 0, 0, 0};
  }
  uint32_t indices = Le32(block + 4);
  for (int i = 0; i < 16; ++i, indices >>= 2) out[i] = palette[indices & 3];
}

}  // namespace

void DecodeInterpolatedChannel(const uint8_t* block, uint8_t values[16]) {
  const int a0 = block[0], a1 = block[1];
  uint8_t palette[8] = {static_cast<uint8_t>(a0), static_cast<uint8_t>(a1)};
  if (a0 > a1) {
    for (int k = 1; k < 7; ++k) palette[k + 1] = Mix(a0, a1, 7 - k, k, 7);
  } else {
    for (int k = 1; k < 5; ++k) palette[k + 1] = Mix(a0, a1, 5 - k, k, 5);
    palette[6] = 0;
    palette[7] = 255;
  }
  uint64_t indices = static_cast<uint64_t>(Le16(block + 2)) | static_cast<uint64_t>(Le32(block + 4))
                                                                  << 16;
  for (int i = 0; i < 16; ++i, indices >>= 3) values[i] = palette[indices & 7];
}

void DecodeBc1Block(const uint8_t* block, Rgba8* out) { DecodeColours<true>(block, out); }

void DecodeBc2Block(const uint8_t* block, Rgba8* out) {
  DecodeColours<false>(block + 8, out);
  uint64_t alpha = Le64(block);
  for (int i = 0; i < 16; ++i, alpha >>= 4) out[i].a = static_cast<uint8_t>((alpha & 15) * 17);
}

void DecodeBc3Block(const uint8_t* block, Rgba8* out) {
  DecodeColours<false>(block + 8, out);
  uint8_t alpha[16];
  DecodeInterpolatedChannel(block, alpha);
  for (int i = 0; i < 16; ++i) out[i].a = alpha[i];
}

}  // namespace tavrosine::dds
