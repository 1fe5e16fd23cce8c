#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

namespace tavrosine::dds {

// IEEE half precision to single precision, denormals included.
inline float HalfToFloat(uint16_t half) {
  const uint32_t sign = static_cast<uint32_t>(half & 0x8000) << 16;
  const uint32_t exponent = half >> 10 & 0x1F;
  uint32_t mantissa = half & 0x3FF;
  uint32_t bits;
  if (exponent == 0x1F) {
    bits = sign | 0x7F800000 | mantissa << 13;  // infinity or NaN
  } else if (exponent != 0) {
    bits = sign | (exponent + 112) << 23 | mantissa << 13;
  } else if (mantissa == 0) {
    bits = sign;
  } else {
    int shift = 0;
    while (!(mantissa & 0x400)) mantissa <<= 1, ++shift;
    bits = sign | static_cast<uint32_t>(113 - shift) << 23 | (mantissa & 0x3FF) << 13;
  }
  return std::bit_cast<float>(bits);
}

// Clamps to 0…1 and scales to 8 bits; NaN becomes 0.
inline uint8_t UnitToByte(float value) {
  if (!(value > 0.0f)) return 0;
  if (value >= 1.0f) return 255;
  return static_cast<uint8_t>(value * 255.0f + 0.5f);
}

}  // namespace tavrosine::dds
