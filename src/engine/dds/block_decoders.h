#pragma once

#include <cstdint>

namespace tavrosine::dds {

struct Rgba8 {
  uint8_t r, g, b, a;
};

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
