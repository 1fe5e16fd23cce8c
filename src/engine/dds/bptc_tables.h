#pragma once

#include <cstdint>

namespace tavrosine::dds {

// Partition shapes and anchor pixels shared by BC6H and BC7 (BPTC).

// For partition p, the subset of pixel i is (kBptcPartitions2[p] >> 2 * i) & 3.
extern const uint32_t kBptcPartitions2[64];
extern const uint32_t kBptcPartitions3[64];

// Anchor pixel (whose index drops its top bit) of the second subset of two-subset
// partitions, and of the second and third subsets of three-subset partitions. The first
// subset's anchor is always pixel 0.
extern const uint8_t kBptcAnchor2[64];
extern const uint8_t kBptcAnchor3Second[64];
extern const uint8_t kBptcAnchor3Third[64];

// Interpolation weights (out of 64) for 2-, 3- and 4-bit indices.
inline constexpr uint8_t kBptcWeights2[4] = {0, 21, 43, 64};
inline constexpr uint8_t kBptcWeights3[8] = {0, 9, 18, 27, 37, 46, 55, 64};
inline constexpr uint8_t kBptcWeights4[16] = {0,  4,  9,  13, 17, 21, 26, 30,
                                              34, 38, 43, 47, 51, 55, 60, 64};

// Reads a 128-bit block from its lowest bit up.
class BlockBits {
 public:
  explicit BlockBits(const uint8_t* block);
  // The next `count` (0 to 32) bits, first bit in the lowest position; zeros past the end.
  uint32_t Read(int count) {
    const uint32_t value =
        static_cast<uint32_t>(bits_) & static_cast<uint32_t>((uint64_t{1} << count) - 1);
    bits_ >>= count;
    position_ += count;
    return value;
  }
  void Skip(int count) {
    bits_ >>= count;
    position_ += count;
  }
  int position() const { return position_; }

 private:
  __extension__ using Bits128 = unsigned __int128;  // GCC and Clang; keeps reads branch-free
  Bits128 bits_;
  int position_ = 0;
};

}  // namespace tavrosine::dds
