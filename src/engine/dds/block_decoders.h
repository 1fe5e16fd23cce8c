#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace tavrosine::dds {

// A decoded pixel. The members are in the byte order of FreeImage's 32-bit bitmaps on
// little-endian machines, so whole rows of pixels copy straight into a bitmap.
struct Rgba8 {
  uint8_t b, g, r, a;
};

constexpr Rgba8 Rgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a) { return {b, g, r, a}; }

// A pixel as one 32-bit value with the layout of Rgba8 in memory. Decoders that build
// pixels this way store each with a single write, which later whole-row copies can read
// back without stalling.
constexpr uint32_t PackRgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
  static_assert(std::endian::native == std::endian::little, "packed pixels assume little-endian");
  return b | g << 8 | r << 16 | a << 24;
}
inline void StorePacked(Rgba8* out, uint32_t packed) { std::memcpy(out, &packed, sizeof packed); }

// Every block decoder has this shape: one 4x4 block in, sixteen pixels out, row by row.
// Blocks are never invalid as such: reserved encodings decode to defined pixels.
using BlockDecoder = void (*)(const uint8_t* block, Rgba8* out);

void DecodeBc1Block(const uint8_t* block, Rgba8* out);
void DecodeBc2Block(const uint8_t* block, Rgba8* out);
void DecodeBc3Block(const uint8_t* block, Rgba8* out);
// One-channel blocks repeat the value in red, green and blue.
void DecodeBc4Block(const uint8_t* block, Rgba8* out);
void DecodeBc4SnormBlock(const uint8_t* block, Rgba8* out);
// Two-channel blocks fill red and green; blue is 0 until a fixup rebuilds it.
void DecodeBc5Block(const uint8_t* block, Rgba8* out);
void DecodeBc5SnormBlock(const uint8_t* block, Rgba8* out);
// Half floats clamped to 0…1; alpha 255.
void DecodeBc6hUnsignedBlock(const uint8_t* block, Rgba8* out);
void DecodeBc6hSignedBlock(const uint8_t* block, Rgba8* out);
void DecodeBc7Block(const uint8_t* block, Rgba8* out);

// Sixteen values from two 8-bit endpoints and 3-bit indices: BC3's alpha, BC4 and BC5.
void DecodeInterpolatedChannel(const uint8_t* block, uint8_t values[16]);

}  // namespace tavrosine::dds
