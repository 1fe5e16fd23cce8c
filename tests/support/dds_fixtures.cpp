#include "support/dds_fixtures.h"

namespace tavrosine::testing {

using namespace dds_writer;

DdsHeaderFields MaskHeader(uint32_t width, uint32_t height, uint32_t pf_flags, uint32_t bits,
                           uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
  DdsHeaderFields h;
  h.width = width;
  h.height = height;
  h.flags |= kDdsdPitch;
  h.pitch_or_linear_size = (width * bits + 7) / 8;
  h.pf_flags = pf_flags;
  h.rgb_bit_count = bits;
  h.r_mask = r, h.g_mask = g, h.b_mask = b, h.a_mask = a;
  return h;
}

DdsHeaderFields FourCcHeader(uint32_t width, uint32_t height, uint32_t fourcc) {
  DdsHeaderFields h;
  h.width = width;
  h.height = height;
  h.flags |= kDdsdLinearSize;
  h.pf_flags = kDdpfFourCc;
  h.fourcc = fourcc;
  return h;
}

DdsHeaderFields Dx10Header(uint32_t width, uint32_t height, uint32_t dxgi_format) {
  DdsHeaderFields h;
  h.width = width;
  h.height = height;
  h.dx10 = true;
  h.dxgi_format = dxgi_format;
  return h;
}

std::string DdsFile(const DdsHeaderFields& header, const std::vector<uint8_t>& payload) {
  std::vector<uint8_t> bytes = SerializeDdsHeader(header);
  bytes.insert(bytes.end(), payload.begin(), payload.end());
  return std::string(bytes.begin(), bytes.end());
}

RgbaImage TwoColourBlocks(int width, int height, uint32_t seed, bool bc7_exact) {
  uint64_t state = seed * 0x9E3779B97F4A7C15ull + 7;
  auto next = [&state] {
    state ^= state << 13, state ^= state >> 7, state ^= state << 17;
    return static_cast<uint32_t>(state >> 11);
  };
  auto colour = [&](uint8_t out[4]) {
    if (bc7_exact) {
      for (int c = 0; c < 4; ++c) out[c] = static_cast<uint8_t>(next() & 0xFE);
      return;
    }
    const uint32_t r = next() & 31, g = next() & 63, b = next() & 31;
    out[0] = static_cast<uint8_t>(r << 3 | r >> 2);
    out[1] = static_cast<uint8_t>(g << 2 | g >> 4);
    out[2] = static_cast<uint8_t>(b << 3 | b >> 2);
    out[3] = static_cast<uint8_t>(next() & 0xFF);
  };
  RgbaImage image;
  image.width = width;
  image.height = height;
  image.rgba.resize(static_cast<size_t>(width) * height * 4);
  for (int by = 0; by < height; by += 4) {
    for (int bx = 0; bx < width; bx += 4) {
      uint8_t pair[2][4];
      colour(pair[0]);
      colour(pair[1]);
      const uint32_t pattern = next();
      for (int y = by; y < by + 4 && y < height; ++y) {
        for (int x = bx; x < bx + 4 && x < width; ++x) {
          const int which = pattern >> ((y - by) * 4 + (x - bx)) & 1;
          uint8_t* p = image.rgba.data() + (static_cast<size_t>(y) * width + x) * 4;
          for (int c = 0; c < 4; ++c) p[c] = pair[which][c];
        }
      }
    }
  }
  return image;
}

}  // namespace tavrosine::testing
