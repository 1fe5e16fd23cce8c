// Formats with 16- or 32-bit components and the packed float formats. Floats are clamped
// to 0…1 before scaling to 8 bits: values beyond 1 are HDR highlights a JPEG cannot hold.

#include <bit>
#include <cmath>

#include "engine/dds/byte_order.h"
#include "engine/dds/half_float.h"
#include "engine/dds/pixel_rows.h"

namespace tavrosine::dds {
namespace {

uint8_t ComponentToByte(ComponentType type, const uint8_t* p) {
  switch (type) {
    case ComponentType::kUnorm16:
      return static_cast<uint8_t>(Le16(p) >> 8);  // as bit-mask channels wider than 8 bits
    case ComponentType::kSnorm16: {
      int value = static_cast<int16_t>(Le16(p));
      if (value < -32767) value = -32767;
      return static_cast<uint8_t>(((value + 32767) * 255 + 32767) / 65534);
    }
    case ComponentType::kFloat16:
      return UnitToByte(HalfToFloat(Le16(p)));
    case ComponentType::kFloat32:
      return UnitToByte(std::bit_cast<float>(Le32(p)));
  }
  return 0;
}

// Small unsigned floats (5-bit exponent, 6- or 5-bit mantissa) widen exactly to halves.
uint8_t SmallFloatToByte(uint32_t value, int mantissa_bits) {
  const uint32_t exponent = value >> mantissa_bits;
  const uint32_t mantissa = value & ((1u << mantissa_bits) - 1);
  return UnitToByte(
      HalfToFloat(static_cast<uint16_t>(exponent << 10 | mantissa << (10 - mantissa_bits))));
}

}  // namespace

void DecodeComponentRow(const PixelFormat& format, const uint8_t* row, int width, Rgba8* out) {
  const int size = format.component == ComponentType::kFloat32 ? 4 : 2;
  const int count = format.components;
  for (int x = 0; x < width; ++x, row += size * count) {
    uint8_t v[4] = {0, 0, 0, 255};
    for (int c = 0; c < count; ++c) v[c] = ComponentToByte(format.component, row + c * size);
    if (count == 1) v[1] = v[2] = v[0];
    out[x] = Rgba(v[0], v[1], v[2], v[3]);
  }
}

void DecodeR11G11B10FloatRow(const uint8_t* row, int width, Rgba8* out) {
  for (int x = 0; x < width; ++x, row += 4) {
    const uint32_t p = Le32(row);
    out[x] = Rgba(SmallFloatToByte(p & 0x7FF, 6), SmallFloatToByte(p >> 11 & 0x7FF, 6),
                  SmallFloatToByte(p >> 22, 5), 255);
  }
}

void DecodeR9G9B9E5Row(const uint8_t* row, int width, Rgba8* out) {
  for (int x = 0; x < width; ++x, row += 4) {
    const uint32_t p = Le32(row);
    const int exponent = static_cast<int>(p >> 27) - 15 - 9;
    auto channel = [&](int shift) {
      return UnitToByte(std::ldexp(static_cast<float>(p >> shift & 0x1FF), exponent));
    };
    out[x] = Rgba(channel(0), channel(9), channel(18), 255);
  }
}

}  // namespace tavrosine::dds
