#pragma once

#include <array>
#include <cstdint>

#include "engine/dds/block_decoders.h"
#include "engine/dds/pixel_format.h"

namespace tavrosine::dds {

// Decoders for formats stored pixel after pixel. Each turns one row of `width` pixels into
// RGBA; one-channel formats repeat their value in red, green and blue.

// Bit-mask layouts of up to 32 bits per pixel (legacy masks and the DXGI formats that fit
// them). Channels narrower than 8 bits widen by bit replication; wider ones keep their top
// eight bits.
class MaskRowDecoder {
 public:
  explicit MaskRowDecoder(const PixelFormat& format);
  void Decode(const uint8_t* row, int width, Rgba8* out) const;

 private:
  struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    std::array<uint8_t, 256> table{};  // for channels of up to 8 bits
  };
  uint8_t Convert(const Channel& channel, uint32_t pixel, uint8_t absent) const;

  int bytes_per_pixel_;
  bool is_signed_;
  Channel channels_[4];
  // Layouts whose channels are whole bytes (B8G8R8A8, R8G8B8, …) copy bytes instead of
  // masking: the byte of red, green, blue, alpha in a pixel, -1 when absent.
  bool whole_bytes_ = false;
  int byte_of_[4] = {-1, -1, -1, -1};
};

// 16- and 32-bit components (UNORM, SNORM, half and single float).
void DecodeComponentRow(const PixelFormat& format, const uint8_t* row, int width, Rgba8* out);
void DecodeR11G11B10FloatRow(const uint8_t* row, int width, Rgba8* out);
void DecodeR9G9B9E5Row(const uint8_t* row, int width, Rgba8* out);
// 8-bit indices into 256 palette entries of four bytes: red, green, blue, alpha.
void DecodePaletteRow(const uint8_t* palette, const uint8_t* row, int width, Rgba8* out);

}  // namespace tavrosine::dds
