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
  // The next `count` (0 to 32) bits, first bit in the lowest position.
  uint32_t Read(int count) {
    uint32_t value = 0;
    if (count > 0 && position_ + count <= 128) {
      const int p = position_;
      uint64_t bits = p < 64 ? low_ >> p : high_ >> (p - 64);
      if (p < 64 && p + count > 64) bits |= high_ << (64 - p);
      value = static_cast<uint32_t>(bits & ((uint64_t{1} << count) - 1));
      position_ += count;
    }
    return value;
  }
  void Skip(int count) { position_ += count; }
  int position() const { return position_; }

 private:
  uint64_t low_;
  uint64_t high_;
  int position_ = 0;
};

}  // namespace tavrosine::dds
