#include <bit>

#include "engine/dds/byte_order.h"
#include "engine/dds/pixel_rows.h"

namespace tavrosine::dds {
namespace {

uint8_t WidenUnsigned(uint32_t value, int bits) {
  // Wider channels keep their top bits, the inverse of widening by replication.
  if (bits >= 8) return static_cast<uint8_t>(value >> (bits - 8));
  // Repeat the bits until the byte is full: 0b101 becomes 0b10110110.
  uint32_t widened = value << (8 - bits);
  for (int filled = bits; filled < 8; filled *= 2) widened |= widened >> filled;
  return static_cast<uint8_t>(widened);
}

// Two's complement of `bits` bits, -1…1 mapped onto 0…255 (the lowest value counts as -1).
uint8_t WidenSigned(uint32_t value, int bits) {
  const int64_t half = int64_t{1} << (bits - 1);
  int64_t s = static_cast<int64_t>(value) - ((value & half) ? 2 * half : 0);
  const int64_t max = half - 1;
  if (max == 0) return s < 0 ? 0 : 255;
  if (s < -max) s = -max;
  return static_cast<uint8_t>(((s + max) * 255 + max) / (2 * max));
}

}  // namespace

MaskRowDecoder::MaskRowDecoder(const PixelFormat& format)
    : bytes_per_pixel_(format.bits_per_pixel / 8), is_signed_(format.is_signed) {
  whole_bytes_ = !is_signed_ && bytes_per_pixel_ >= 3;
  for (int c = 0; c < 4; ++c) {
    const uint32_t mask = format.masks[c];
    if (mask == 0) continue;
    const int shift = std::countr_zero(mask);
    if (mask >> shift != 0xFF || shift % 8 != 0 || shift / 8 >= bytes_per_pixel_) {
      whole_bytes_ = false;
    } else {
      byte_of_[c] = shift / 8;
    }
  }
  for (int c = 0; c < 4; ++c) {
    Channel& channel = channels_[c];
    channel.mask = format.masks[c];
    if (channel.mask == 0) continue;
    channel.shift = std::countr_zero(channel.mask);
    channel.bits = std::popcount(channel.mask);
    if (channel.bits > 8) continue;
    for (uint32_t v = 0; v < (1u << channel.bits); ++v) {
      channel.table[v] = is_signed_ ? WidenSigned(v, channel.bits) : WidenUnsigned(v, channel.bits);
    }
  }
}

uint8_t MaskRowDecoder::Convert(const Channel& channel, uint32_t pixel, uint8_t absent) const {
  if (channel.mask == 0) return absent;
  const uint32_t value = (pixel & channel.mask) >> channel.shift;
  if (channel.bits <= 8) return channel.table[value];
  return is_signed_ ? WidenSigned(value, channel.bits) : WidenUnsigned(value, channel.bits);
}

void MaskRowDecoder::Decode(const uint8_t* row, int width, Rgba8* out) const {
  if (whole_bytes_) {
    const int r = byte_of_[0], g = byte_of_[1], b = byte_of_[2], a = byte_of_[3];
    for (int x = 0; x < width; ++x, row += bytes_per_pixel_) {
      out[x] = Rgba(r >= 0 ? row[r] : 0, g >= 0 ? row[g] : 0, b >= 0 ? row[b] : 0,
                    a >= 0 ? row[a] : 255);
    }
    return;
  }
  for (int x = 0; x < width; ++x, row += bytes_per_pixel_) {
    uint32_t pixel = 0;
    for (int k = 0; k < bytes_per_pixel_; ++k) pixel |= static_cast<uint32_t>(row[k]) << (8 * k);
    out[x] = Rgba(Convert(channels_[0], pixel, 0), Convert(channels_[1], pixel, 0),
                  Convert(channels_[2], pixel, 0), Convert(channels_[3], pixel, 255));
  }
}

void DecodePaletteRow(const uint8_t* palette, const uint8_t* row, int width, Rgba8* out) {
  for (int x = 0; x < width; ++x) {
    const uint8_t* entry = palette + 4 * row[x];
    out[x] = Rgba(entry[0], entry[1], entry[2], entry[3]);
  }
}

}  // namespace tavrosine::dds
