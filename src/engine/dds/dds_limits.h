#pragma once

#include <cstdint>

namespace tavrosine::dds {

// The largest side a DDS texture may declare (Direct3D's own limit is 16384; some tools
// write larger atlases).
inline constexpr uint32_t kMaxSide = 65536;

// Decoding also stops before allocating a bitmap larger than this share of the machine's
// physical memory.
inline constexpr unsigned kMaxMemoryPercent = 50;

// Bytes the bitmap of a decoded picture may take on this machine.
uint64_t MaxBitmapBytes();

}  // namespace tavrosine::dds
