// BC7: one to three subsets per block, eight modes with different endpoint precision,
// optional separate alpha indices and channel rotation.

#include <bit>
#include <cstring>
#include <utility>

#include "engine/dds/block_decoders.h"
#include "engine/dds/bptc_tables.h"

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

inline uint8_t Interpolate(int e0, int e1, int weight) {
  return static_cast<uint8_t>(((64 - weight) * e0 + weight * e1 + 32) >> 6);
}

// Widens a value of `bits` bits to 8 by repeating its top bits below it.
inline int Widen(uint32_t value, int bits) {
  const uint32_t shifted = value << (8 - bits);
  return static_cast<int>(shifted | shifted >> bits);
}

// Reads `count` indices; anchor pixels store one bit fewer.
void ReadIndices(BlockBits& bits, int index_bits, const uint8_t* anchors, int anchor_count,
                 uint8_t out[16]) {
  for (int i = 0; i < 16; ++i) {
    bool anchor = false;
    for (int k = 0; k < anchor_count; ++k) anchor |= anchors[k] == i;
    out[i] = static_cast<uint8_t>(bits.Read(anchor ? index_bits - 1 : index_bits));
  }
}

}  // namespace

void DecodeBc7Block(const uint8_t* block, Rgba8* out) {
  if (block[0] == 0) {  // reserved mode: defined as transparent black
    std::memset(out, 0, 16 * sizeof(Rgba8));
    return;
  }
  const int mode_number = std::countr_zero(block[0]);
  const Bc7Mode& mode = kModes[mode_number];
  BlockBits bits(block);
  bits.Skip(mode_number + 1);
  const int partition = static_cast<int>(bits.Read(mode.partition_bits));
  const int rotation = static_cast<int>(bits.Read(mode.rotation_bits));
  const int index_selection = static_cast<int>(bits.Read(mode.index_selection_bits));
  const int subsets = mode.subsets;

  // endpoints[subset * 2 + end][channel]
  uint32_t raw[6][4] = {};
  for (int channel = 0; channel < 3; ++channel) {
    for (int e = 0; e < subsets * 2; ++e) raw[e][channel] = bits.Read(mode.colour_bits);
  }
  for (int e = 0; e < subsets * 2 && mode.alpha_bits; ++e) raw[e][3] = bits.Read(mode.alpha_bits);
  uint32_t pbits[6] = {};
  if (mode.endpoint_pbits) {
    for (int e = 0; e < subsets * 2; ++e) pbits[e] = bits.Read(1);
  } else if (mode.shared_pbits) {
    for (int s = 0; s < subsets; ++s) pbits[2 * s] = pbits[2 * s + 1] = bits.Read(1);
  }
  const int has_pbit = mode.endpoint_pbits | mode.shared_pbits;
  int endpoints[6][4];
  for (int e = 0; e < subsets * 2; ++e) {
    for (int c = 0; c < 3; ++c) {
      endpoints[e][c] = Widen(raw[e][c] << has_pbit | pbits[e], mode.colour_bits + has_pbit);
    }
    endpoints[e][3] =
        mode.alpha_bits ? Widen(raw[e][3] << has_pbit | pbits[e], mode.alpha_bits + has_pbit) : 255;
  }

  uint32_t subset_of = 0;
  uint8_t anchors[3] = {0, 0, 0};
  if (subsets == 2) {
    subset_of = kBptcPartitions2[partition];
    anchors[1] = kBptcAnchor2[partition];
  } else if (subsets == 3) {
    subset_of = kBptcPartitions3[partition];
    anchors[1] = kBptcAnchor3Second[partition];
    anchors[2] = kBptcAnchor3Third[partition];
  }
  uint8_t primary[16], secondary[16];
  ReadIndices(bits, mode.index_bits, anchors, subsets, primary);
  if (mode.index2_bits) ReadIndices(bits, mode.index2_bits, anchors, 1, secondary);

  // With two index sets, one drives colour and the other alpha; the selection bit swaps them.
  const bool swap = index_selection != 0;
  const uint8_t* colour_index = mode.index2_bits && swap ? secondary : primary;
  const uint8_t* alpha_index = mode.index2_bits && !swap ? secondary : primary;
  const uint8_t* colour_weights =
      WeightsFor(mode.index2_bits && swap ? mode.index2_bits : mode.index_bits);
  const uint8_t* alpha_weights =
      WeightsFor(mode.index2_bits && !swap ? mode.index2_bits : mode.index_bits);

  for (int i = 0; i < 16; ++i) {
    const int s = static_cast<int>(subset_of >> (2 * i) & 3);
    const int* e0 = endpoints[2 * s];
    const int* e1 = endpoints[2 * s + 1];
    const int cw = colour_weights[colour_index[i]], aw = alpha_weights[alpha_index[i]];
    Rgba8 p = Rgba(Interpolate(e0[0], e1[0], cw), Interpolate(e0[1], e1[1], cw),
                   Interpolate(e0[2], e1[2], cw), Interpolate(e0[3], e1[3], aw));
    switch (rotation) {
      case 1:
        std::swap(p.a, p.r);
        break;
      case 2:
        std::swap(p.a, p.g);
        break;
      case 3:
        std::swap(p.a, p.b);
        break;
      default:
        break;
    }
    out[i] = p;
  }
}

}  // namespace tavrosine::dds
