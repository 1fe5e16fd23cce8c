// BC6H: half-float RGB in one or two subsets, with endpoints stored either directly or as
// deltas from the first one, in fourteen modes that spread the endpoint bits differently.

#include <array>
#include <string_view>
#include <utility>

#include "engine/dds/block_decoders.h"
#include "engine/dds/bptc_tables.h"
#include "engine/dds/half_float.h"

namespace tavrosine::dds {
namespace {

// Fields of a block: the mode bits, then red, green and blue of endpoints 0 to 3.
enum Field : uint8_t { kM, kR0, kG0, kB0, kR1, kG1, kB1, kR2, kG2, kB2, kR3, kG3, kB3, kFields };

struct Bc6hMode {
  uint8_t number;  // the value of the mode bits
  bool transformed;
  bool two_subsets;
  uint8_t endpoint_bits;
  uint8_t delta_bits[3];  // red, green, blue
  // Where the block's bits go, in the notation of the format's documentation: runs such as
  // "r0[9:0]" fill bits 0 to 9 of r0 from the next ten block bits; "r0[10:15]" fills bits 15
  // down to 10.
  std::string_view layout;
};

constexpr Bc6hMode kModes[] = {
    {0,
     true,
     true,
     10,
     {5, 5, 5},
     "m[1:0],g2[4],b2[4],b3[4],r0[9:0],g0[9:0],b0[9:0],r1[4:0],g3[4],g2[3:0],g1[4:0],b3[0],"
     "g3[3:0],b1[4:0],b3[1],b2[3:0],r2[4:0],b3[2],r3[4:0],b3[3]"},
    {1,
     true,
     true,
     7,
     {6, 6, 6},
     "m[1:0],g2[5],g3[4],g3[5],r0[6:0],b3[0],b3[1],b2[4],g0[6:0],b2[5],b3[2],g2[4],b0[6:0],"
     "b3[3],b3[5],b3[4],r1[5:0],g2[3:0],g1[5:0],g3[3:0],b1[5:0],b2[3:0],r2[5:0],r3[5:0]"},
    {2,
     true,
     true,
     11,
     {5, 4, 4},
     "m[4:0],r0[9:0],g0[9:0],b0[9:0],r1[4:0],r0[10],g2[3:0],g1[3:0],g0[10],b3[0],g3[3:0],"
     "b1[3:0],b0[10],b3[1],b2[3:0],r2[4:0],b3[2],r3[4:0],b3[3]"},
    {6,
     true,
     true,
     11,
     {4, 5, 4},
     "m[4:0],r0[9:0],g0[9:0],b0[9:0],r1[3:0],r0[10],g3[4],g2[3:0],g1[4:0],g0[10],g3[3:0],"
     "b1[3:0],b0[10],b3[1],b2[3:0],r2[3:0],b3[0],b3[2],r3[3:0],g2[4],b3[3]"},
    {10,
     true,
     true,
     11,
     {4, 4, 5},
     "m[4:0],r0[9:0],g0[9:0],b0[9:0],r1[3:0],r0[10],b2[4],g2[3:0],g1[3:0],g0[10],b3[0],"
     "g3[3:0],b1[4:0],b0[10],b2[3:0],r2[3:0],b3[1],b3[2],r3[3:0],b3[4],b3[3]"},
    {14,
     true,
     true,
     9,
     {5, 5, 5},
     "m[4:0],r0[8:0],b2[4],g0[8:0],g2[4],b0[8:0],b3[4],r1[4:0],g3[4],g2[3:0],g1[4:0],b3[0],"
     "g3[3:0],b1[4:0],b3[1],b2[3:0],r2[4:0],b3[2],r3[4:0],b3[3]"},
    {18,
     true,
     true,
     8,
     {6, 5, 5},
     "m[4:0],r0[7:0],g3[4],b2[4],g0[7:0],b3[2],g2[4],b0[7:0],b3[3],b3[4],r1[5:0],g2[3:0],"
     "g1[4:0],b3[0],g3[3:0],b1[4:0],b3[1],b2[3:0],r2[5:0],r3[5:0]"},
    {22,
     true,
     true,
     8,
     {5, 6, 5},
     "m[4:0],r0[7:0],b3[0],b2[4],g0[7:0],g2[5],g2[4],b0[7:0],g3[5],b3[4],r1[4:0],g3[4],"
     "g2[3:0],g1[5:0],g3[3:0],b1[4:0],b3[1],b2[3:0],r2[4:0],b3[2],r3[4:0],b3[3]"},
    {26,
     true,
     true,
     8,
     {5, 5, 6},
     "m[4:0],r0[7:0],b3[1],b2[4],g0[7:0],b2[5],g2[4],b0[7:0],b3[5],b3[4],r1[4:0],g3[4],"
     "g2[3:0],g1[4:0],b3[0],g3[3:0],b1[5:0],b2[3:0],r2[4:0],b3[2],r3[4:0],b3[3]"},
    {30,
     false,
     true,
     6,
     {6, 6, 6},
     "m[4:0],r0[5:0],g3[4],b3[0],b3[1],b2[4],g0[5:0],g2[5],b2[5],b3[2],g2[4],b0[5:0],g3[5],"
     "b3[3],b3[5],b3[4],r1[5:0],g2[3:0],g1[5:0],g3[3:0],b1[5:0],b2[3:0],r2[5:0],r3[5:0]"},
    {3, false, false, 10, {10, 10, 10}, "m[4:0],r0[9:0],g0[9:0],b0[9:0],r1[9:0],g1[9:0],b1[9:0]"},
    {7,
     true,
     false,
     11,
     {9, 9, 9},
     "m[4:0],r0[9:0],g0[9:0],b0[9:0],r1[8:0],r0[10],g1[8:0],g0[10],b1[8:0],b0[10]"},
    {11,
     true,
     false,
     12,
     {8, 8, 8},
     "m[4:0],r0[9:0],g0[9:0],b0[9:0],r1[7:0],r0[10:11],g1[7:0],g0[10:11],b1[7:0],b0[10:11]"},
    {15,
     true,
     false,
     16,
     {4, 4, 4},
     "m[4:0],r0[9:0],g0[9:0],b0[9:0],r1[3:0],r0[10:15],g1[3:0],g0[10:15],b1[3:0],b0[10:15]"},
};

struct Run {
  uint8_t field;
  uint8_t first_bit;  // receives the first block bit of the run
  int8_t step;        // +1 or -1
  uint8_t count;
};

struct CompiledMode {
  std::array<Run, 40> runs{};
  int run_count = 0;
};

constexpr int ParseNumber(std::string_view text, size_t& at) {
  int value = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9')
    value = value * 10 + text[at++] - '0';
  return value;
}

// Turns a layout string into runs once, at compile time.
constexpr CompiledMode Compile(std::string_view layout) {
  CompiledMode compiled;
  size_t at = 0;
  while (at < layout.size()) {
    uint8_t field = kM;
    if (layout[at] != 'm') {
      const int channel = layout[at] == 'r' ? 0 : layout[at] == 'g' ? 1 : 2;
      const int endpoint = layout[at + 1] - '0';
      field = static_cast<uint8_t>(kR0 + endpoint * 3 + channel);
      ++at;
    }
    at += 2;  // name character and '['
    const int high = ParseNumber(layout, at);
    int low = high;
    if (layout[at] == ':') {
      ++at;
      low = ParseNumber(layout, at);
    }
    at += 2;  // ']' and ','
    // v[a:b] fills bit b first and moves towards a.
    compiled.runs[static_cast<size_t>(compiled.run_count++)] = {
        field, static_cast<uint8_t>(low), static_cast<int8_t>(high >= low ? 1 : -1),
        static_cast<uint8_t>((high >= low ? high - low : low - high) + 1)};
  }
  return compiled;
}

template <size_t... kIndex>
constexpr std::array<CompiledMode, sizeof...(kIndex)> CompileAll(std::index_sequence<kIndex...>) {
  return {Compile(kModes[kIndex].layout)...};
}

constexpr auto kCompiled = CompileAll(std::make_index_sequence<std::size(kModes)>());

// Two-subset layouts leave 5 partition bits and 46 index bits; one-subset layouts 63.
constexpr bool LayoutsFillBlocks() {
  for (size_t k = 0; k < std::size(kModes); ++k) {
    int total = 0;
    for (int r = 0; r < kCompiled[k].run_count; ++r)
      total += kCompiled[k].runs[static_cast<size_t>(r)].count;
    if (total != (kModes[k].two_subsets ? 77 : 65)) return false;
  }
  return true;
}
static_assert(LayoutsFillBlocks());

int SignExtend(int value, int bits) {
  const int sign = 1 << (bits - 1);
  return (value & (sign - 1)) - (value & sign);
}

int Unquantize(int value, int bits, bool is_signed) {
  if (!is_signed) {
    if (bits >= 15 || value == 0) return value;
    if (value == (1 << bits) - 1) return 0xFFFF;
    return ((value << 15) + 0x4000) >> (bits - 1);
  }
  if (bits >= 16) return value;
  const bool negative = value < 0;
  int magnitude = negative ? -value : value;
  if (magnitude == 0) {
    magnitude = 0;
  } else if (magnitude >= (1 << (bits - 1)) - 1) {
    magnitude = 0x7FFF;
  } else {
    magnitude = ((magnitude << 15) + 0x4000) >> (bits - 1);
  }
  return negative ? -magnitude : magnitude;
}

uint8_t FinishToByte(int value, bool is_signed) {
  uint16_t half;
  if (!is_signed) {
    half = static_cast<uint16_t>((value * 31) >> 6);
  } else {
    // Negative values end up below zero and clamp to black anyway.
    if (value < 0) return 0;
    half = static_cast<uint16_t>((value * 31) >> 5);
  }
  return UnitToByte(HalfToFloat(half));
}

void DecodeBc6h(const uint8_t* block, Rgba8* out, bool is_signed) {
  const int low_bits = block[0] & 3;
  const int mode_bits = low_bits < 2 ? low_bits : block[0] & 31;
  int mode_index = -1;
  for (size_t k = 0; k < std::size(kModes); ++k) {
    if (kModes[k].number == mode_bits) mode_index = static_cast<int>(k);
  }
  if (mode_index < 0) {  // reserved modes decode to black
    for (int i = 0; i < 16; ++i) out[i] = Rgba(0, 0, 0, 255);
    return;
  }
  const Bc6hMode& mode = kModes[static_cast<size_t>(mode_index)];
  const CompiledMode& compiled = kCompiled[static_cast<size_t>(mode_index)];

  BlockBits bits(block);
  int fields[kFields] = {};
  for (int r = 0; r < compiled.run_count; ++r) {
    const Run& run = compiled.runs[static_cast<size_t>(r)];
    int bit = run.first_bit;
    for (int k = 0; k < run.count; ++k, bit += run.step) {
      fields[run.field] |= static_cast<int>(bits.Read(1)) << bit;
    }
  }
  const int partition = mode.two_subsets ? static_cast<int>(bits.Read(5)) : 0;
  const int endpoint_count = mode.two_subsets ? 4 : 2;
  const int epb = mode.endpoint_bits;

  int endpoints[4][3];
  for (int c = 0; c < 3; ++c) {
    int base = fields[kR0 + c];
    if (is_signed) base = SignExtend(base, epb);
    endpoints[0][c] = base;
    for (int e = 1; e < endpoint_count; ++e) {
      int value = fields[kR0 + e * 3 + c];
      if (mode.transformed) {
        value = SignExtend(value, mode.delta_bits[c]);
        value = (fields[kR0 + c] + value) & ((1 << epb) - 1);
        if (is_signed) value = SignExtend(value, epb);
      } else if (is_signed) {
        value = SignExtend(value, epb);
      }
      endpoints[e][c] = value;
    }
  }
  for (int e = 0; e < endpoint_count; ++e) {
    for (int c = 0; c < 3; ++c) endpoints[e][c] = Unquantize(endpoints[e][c], epb, is_signed);
  }

  const int index_bits = mode.two_subsets ? 3 : 4;
  const uint8_t* weights = mode.two_subsets ? kBptcWeights3 : kBptcWeights4;
  const uint32_t subset_of = mode.two_subsets ? kBptcPartitions2[partition] : 0;
  const int anchor = mode.two_subsets ? kBptcAnchor2[partition] : 0;
  for (int i = 0; i < 16; ++i) {
    const bool is_anchor = i == 0 || (mode.two_subsets && i == anchor);
    const int w = weights[bits.Read(is_anchor ? index_bits - 1 : index_bits)];
    const int s = static_cast<int>(subset_of >> (2 * i) & 3);
    const int* e0 = endpoints[2 * s];
    const int* e1 = endpoints[2 * s + 1];
    uint8_t rgb[3];
    for (int c = 0; c < 3; ++c) {
      rgb[c] = FinishToByte(((64 - w) * e0[c] + w * e1[c] + 32) >> 6, is_signed);
    }
    out[i] = Rgba(rgb[0], rgb[1], rgb[2], 255);
  }
}

}  // namespace

void DecodeBc6hUnsignedBlock(const uint8_t* block, Rgba8* out) { DecodeBc6h(block, out, false); }

void DecodeBc6hSignedBlock(const uint8_t* block, Rgba8* out) { DecodeBc6h(block, out, true); }

}  // namespace tavrosine::dds
