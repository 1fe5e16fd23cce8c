#pragma once

#include <cstddef>
#include <cstdint>

namespace tavrosine::dds {

// DDS is little-endian whatever the host; reading byte by byte also never needs alignment.
inline uint16_t Le16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | static_cast<unsigned>(p[1]) << 8);
}
inline uint32_t Le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
inline uint64_t Le64(const uint8_t* p) {
  return static_cast<uint64_t>(Le32(p)) | static_cast<uint64_t>(Le32(p + 4)) << 32;
}

}  // namespace tavrosine::dds
