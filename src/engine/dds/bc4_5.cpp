// BC4 and BC5 (ATI1/ATI2): one or two channels of interpolated 8-bit values, unsigned or
// signed.

#include "engine/dds/block_decoders.h"

namespace tavrosine::dds {

namespace {

// Signed blocks interpolate in -127…127 (-128 counts as -127); the result maps -1…1 onto
// 0…255.
void DecodeSignedChannel(const uint8_t* block, uint8_t values[16]) {
  auto to_signed = [](uint8_t v) { return v == 128 ? -127 : static_cast<int8_t>(v) + 0; };
  const int s0 = to_signed(block[0]), s1 = to_signed(block[1]);
  int palette[8] = {s0, s1};
  auto mix = [](int a, int b, int wa, int wb, int total) {
    const int sum = a * wa + b * wb;
    return (sum >= 0 ? sum + total / 2 : sum - total / 2) / total;
  };
  if (s0 > s1) {
    for (int k = 1; k < 7; ++k) palette[k + 1] = mix(s0, s1, 7 - k, k, 7);
  } else {
    for (int k = 1; k < 5; ++k) palette[k + 1] = mix(s0, s1, 5 - k, k, 5);
    palette[6] = -127;
    palette[7] = 127;
  }
  uint8_t bytes[8];
  for (int k = 0; k < 8; ++k)
    bytes[k] = static_cast<uint8_t>(((palette[k] + 127) * 255 + 127) / 254);
  uint64_t indices = 0;
  for (int k = 0; k < 6; ++k) indices |= static_cast<uint64_t>(block[2 + k]) << (8 * k);
  for (int i = 0; i < 16; ++i, indices >>= 3) values[i] = bytes[indices & 7];
}

void StoreGrey(const uint8_t values[16], Rgba8* out) {
  for (int i = 0; i < 16; ++i) StorePacked(out + i, values[i] * 0x010101u | 0xFF000000u);
}

void StoreRedGreen(const uint8_t red[16], const uint8_t green[16], Rgba8* out) {
  for (int i = 0; i < 16; ++i) StorePacked(out + i, PackRgba(red[i], green[i], 0, 255));
}

}  // namespace

void DecodeBc4Block(const uint8_t* block, Rgba8* out) {
  uint8_t values[16];
  DecodeInterpolatedChannel(block, values);
  StoreGrey(values, out);
}

void DecodeBc4SnormBlock(const uint8_t* block, Rgba8* out) {
  uint8_t values[16];
  DecodeSignedChannel(block, values);
  StoreGrey(values, out);
}

void DecodeBc5Block(const uint8_t* block, Rgba8* out) {
  uint8_t red[16], green[16];
  DecodeInterpolatedChannel(block, red);
  DecodeInterpolatedChannel(block + 8, green);
  StoreRedGreen(red, green, out);
}

void DecodeBc5SnormBlock(const uint8_t* block, Rgba8* out) {
  uint8_t red[16], green[16];
  DecodeSignedChannel(block, red);
  DecodeSignedChannel(block + 8, green);
  StoreRedGreen(red, green, out);
}

}  // namespace tavrosine::dds
