#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavrosine::dds_writer {

// Pixels as the writer takes them: rows top to bottom, four bytes R, G, B, A per pixel.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;

  const uint8_t* Pixel(int x, int y) const {
    return rgba.data() + (static_cast<size_t>(y) * width + x) * 4;
  }
};

}  // namespace tavrosine::dds_writer
