// BC7: one to three subsets per block, eight modes with different endpoint precision,
// optional separate alpha indices and channel rotation.

#include <bit>
#include <utility>

#include "engine/dds/block_decoders.h"
#include "engine/dds/bptc_tables.h"
#include "engine/dds/byte_order.h"

namespace tavrosine::dds {
namespace {

struct Bc7Mode {
  uint8_t subsets;
  uint8_t partition_bits;
  uint8_t rotation_bits;
  uint8_t index_selection_bits;
  uint8_t colour_bits;
  uint8_t alpha_bits;
  uint8_t endpoint_pbits;  // one p-bit per endpoint
  uint8_t shared_pbits;    // one p-bit per subset
  uint8_t index_bits;
  uint8_t index2_bits;
};

constexpr Bc7Mode kModes[8] = {
    {3, 4, 0, 0, 4, 0, 1, 0, 3, 0}, {2, 6, 0, 0, 6, 0, 0, 1, 3, 0}, {3, 6, 0, 0, 5, 0, 0, 0, 2, 0},
    {2, 6, 0, 0, 7, 0, 1, 0, 2, 0}, {1, 0, 2, 1, 5, 6, 0, 0, 2, 3}, {1, 0, 2, 0, 7, 8, 0, 0, 2, 2},
    {1, 0, 0, 0, 7, 7, 1, 0, 4, 0}, {2, 6, 0, 0, 5, 5, 1, 0, 2, 0},
};

const uint8_t* WeightsFor(int bits) {
  return bits == 2 ? kBptcWeights2 : bits == 3 ? kBptcWeights3 : kBptcWeights4;
}

inline uint32_t Interpolate(uint32_t e0, uint32_t e1, uint32_t weight) {
  return ((64 - weight) * e0 + weight * e1 + 32) >> 6;
}

// Widens a value of `bits` bits to 8 by repeating its top bits below it.
inline uint32_t Widen(uint32_t value, int bits) {
  const uint32_t shifted = value << (8 - bits);
  return (shifted | shifted >> bits) & 0xFF;
}

// Up to 63 bits of the block from `position` on (positions past the end read as zero).
inline uint64_t BitsFrom(const uint8_t* block, int position) {
  const uint64_t low = Le64(block), high = Le64(block + 8);
  if (position == 0) return low;
  if (position < 64) return low >> position | high << (64 - position);
  return position < 128 ? high >> (position - 64) : 0;
}

// Palette entries of one subset: every index value interpolated between its endpoints. The
// four channels are interpolated at once in 16-bit lanes of one 64-bit word; no lane can
// carry into the next (64 * 255 + 32 < 2^14).
inline void SubsetPalette(const uint32_t e0[4], const uint32_t e1[4], const uint8_t* weights,
                          int count, uint32_t* palette) {
  auto lanes = [](const uint32_t e[4]) {
    return uint64_t{e[0]} | uint64_t{e[1]} << 16 | uint64_t{e[2]} << 32 | uint64_t{e[3]} << 48;
  };
  constexpr uint64_t kRounding = 32 * 0x0001000100010001ull;
  constexpr uint64_t kLaneBytes = 0x00FF00FF00FF00FFull;
  const uint64_t a = lanes(e0), b = lanes(e1);
  for (int k = 0; k < count; ++k) {
    const uint64_t w = weights[k];
    const uint64_t mixed = ((64 - w) * a + w * b + kRounding) >> 6 & kLaneBytes;
    palette[k] =
        PackRgba(static_cast<uint32_t>(mixed & 0xFF), static_cast<uint32_t>(mixed >> 16 & 0xFF),
                 static_cast<uint32_t>(mixed >> 32 & 0xFF), static_cast<uint32_t>(mixed >> 48));
  }
}

inline uint32_t Rotate(uint32_t packed, int rotation) {
  if (rotation == 0) return packed;
  // Packed layout: blue bits 0-7, green 8-15, red 16-23, alpha 24-31.
  const int shift = rotation == 1 ? 16 : rotation == 2 ? 8 : 0;
  const uint32_t alpha = packed >> 24, other = packed >> shift & 0xFF;
  return (packed & ~(0xFFu << shift) & 0x00FFFFFFu) | alpha << shift | other << 24;
}

// Mode 6 (one subset, 7-bit RGBA endpoints with a p-bit each, 4-bit indices) is the mode
// encoders choose most for smooth colour; its fields sit at fixed places, so it skips the
// general field reader.
void DecodeMode6(const uint8_t* block, Rgba8* out) {
  const uint64_t low = Le64(block), high = Le64(block + 8);
  const uint32_t p0 = static_cast<uint32_t>(low >> 63), p1 = static_cast<uint32_t>(high & 1);
  uint32_t e0[4], e1[4];
  for (int c = 0; c < 4; ++c) {
    e0[c] = static_cast<uint32_t>(low >> (7 + 14 * c) & 0x7F) << 1 | p0;
    e1[c] = static_cast<uint32_t>(low >> (14 + 14 * c) & 0x7F) << 1 | p1;
  }
  uint32_t palette[16];
  SubsetPalette(e0, e1, kBptcWeights4, 16, palette);
  uint64_t indices = high >> 1;
  StorePacked(out, palette[indices & 7]);
  indices >>= 3;
  for (int i = 1; i < 16; ++i, indices >>= 4) StorePacked(out + i, palette[indices & 15]);
}

// Every mode is its own instance, so that field widths and loop counts are constants.
template <int kMode>
void DecodeMode(const uint8_t* block, Rgba8* out) {
  constexpr Bc7Mode mode = kModes[kMode];
  BlockBits bits(block);
  bits.Skip(kMode + 1);
  const int partition = static_cast<int>(bits.Read(mode.partition_bits));
  const int rotation = static_cast<int>(bits.Read(mode.rotation_bits));
  const bool swap_indices = bits.Read(mode.index_selection_bits) != 0;
  constexpr int subsets = mode.subsets;
  constexpr int ends = subsets * 2;

  uint32_t endpoints[6][4];
  for (int channel = 0; channel < 3; ++channel) {
    for (int e = 0; e < ends; ++e) endpoints[e][channel] = bits.Read(mode.colour_bits);
  }
  for (int e = 0; e < ends; ++e) endpoints[e][3] = mode.alpha_bits ? bits.Read(mode.alpha_bits) : 0;
  uint32_t pbits[6] = {};
  if (mode.endpoint_pbits) {
    for (int e = 0; e < ends; ++e) pbits[e] = bits.Read(1);
  } else if (mode.shared_pbits) {
    for (int s = 0; s < subsets; ++s) pbits[2 * s] = pbits[2 * s + 1] = bits.Read(1);
  }
  constexpr int has_pbit = mode.endpoint_pbits | mode.shared_pbits;
  for (int e = 0; e < ends; ++e) {
    for (int c = 0; c < 3; ++c) {
      endpoints[e][c] = Widen(endpoints[e][c] << has_pbit | pbits[e], mode.colour_bits + has_pbit);
    }
    endpoints[e][3] =
        mode.alpha_bits ? Widen(endpoints[e][3] << has_pbit | pbits[e], mode.alpha_bits + has_pbit)
                        : 255;
  }

  uint32_t subset_of = 0;
  uint32_t anchors = 1;  // bit i set: pixel i stores its index with one bit fewer
  if constexpr (subsets == 2) {
    subset_of = kBptcPartitions2[partition];
    anchors |= 1u << kBptcAnchor2[partition];
  } else if constexpr (subsets == 3) {
    subset_of = kBptcPartitions3[partition];
    anchors |= 1u << kBptcAnchor3Second[partition] | 1u << kBptcAnchor3Third[partition];
  }

  // With two index sets, one drives colour and the other alpha; the selection bit swaps them.
  constexpr int primary_bits = mode.index_bits;
  const int primary_start = bits.position();
  uint64_t primary = BitsFrom(block, primary_start);
  if constexpr (mode.index2_bits == 0) {
    uint32_t palette[subsets][1 << primary_bits];
    constexpr int count = 1 << primary_bits;
    for (int s = 0; s < subsets; ++s) {
      SubsetPalette(endpoints[2 * s], endpoints[2 * s + 1], WeightsFor(primary_bits), count,
                    palette[s]);
    }
    for (int i = 0; i < 16; ++i) {
      const int n = primary_bits - static_cast<int>(anchors >> i & 1);
      const uint32_t index = static_cast<uint32_t>(primary & ((1u << n) - 1));
      primary >>= n;
      StorePacked(out + i, palette[subsets == 1 ? 0 : subset_of >> (2 * i) & 3][index]);
    }
  } else {
    // Modes 4 and 5: one subset, colour and alpha indexed separately, channels rotated.
    uint64_t secondary = BitsFrom(block, primary_start + 16 * primary_bits - 1);
    const int colour_bits = swap_indices ? mode.index2_bits : primary_bits;
    const int alpha_bits = swap_indices ? primary_bits : mode.index2_bits;
    uint32_t colours[8], alphas[8];
    SubsetPalette(endpoints[0], endpoints[1], WeightsFor(colour_bits), 1 << colour_bits, colours);
    const uint8_t* alpha_weights = WeightsFor(alpha_bits);
    for (int k = 0; k < (1 << alpha_bits); ++k) {
      alphas[k] = Interpolate(endpoints[0][3], endpoints[1][3], alpha_weights[k]);
    }
    for (int i = 0; i < 16; ++i) {
      const int n1 = primary_bits - (i == 0), n2 = mode.index2_bits - (i == 0);
      uint32_t first = static_cast<uint32_t>(primary & ((1u << n1) - 1));
      uint32_t second = static_cast<uint32_t>(secondary & ((1u << n2) - 1));
      primary >>= n1;
      secondary >>= n2;
      if (swap_indices) std::swap(first, second);
      const uint32_t pixel = (colours[first] & 0x00FFFFFFu) | alphas[second] << 24;
      StorePacked(out + i, Rotate(pixel, rotation));
    }
  }
}

}  // namespace

void DecodeBc7Block(const uint8_t* block, Rgba8* out) {
  switch (std::countr_zero(static_cast<unsigned>(block[0]))) {
    case 0:
      return DecodeMode<0>(block, out);
    case 1:
      return DecodeMode<1>(block, out);
    case 2:
      return DecodeMode<2>(block, out);
    case 3:
      return DecodeMode<3>(block, out);
    case 4:
      return DecodeMode<4>(block, out);
    case 5:
      return DecodeMode<5>(block, out);
    case 6:
      return DecodeMode6(block, out);
    case 7:
      return DecodeMode<7>(block, out);
    default:  // no mode bit: reserved, defined as transparent black
      for (int i = 0; i < 16; ++i) StorePacked(out + i, 0);
  }
}

}  // namespace tavrosine::dds
