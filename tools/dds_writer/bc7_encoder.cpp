#include <algorithm>
#include <cmath>

#include "dds_writer/block_encoders.h"

namespace tavrosine::dds_writer {
namespace {

constexpr int kWeights4[16] = {0, 4, 9, 13, 17, 21, 26, 30, 34, 38, 43, 47, 51, 55, 60, 64};

// Picks the 7-bit values and the shared low bit that come closest to an 8-bit endpoint.
void QuantizeEndpoint(const float value[4], int quantized[4], int& p_bit) {
  int best_error = 1 << 30;
  for (int p = 0; p < 2; ++p) {
    int q[4];
    int error = 0;
    for (int c = 0; c < 4; ++c) {
      q[c] = std::clamp(static_cast<int>(std::lround((value[c] - p) / 2.0f)), 0, 127);
      const int diff = (q[c] << 1 | p) - static_cast<int>(std::lround(value[c]));
      error += diff * diff;
    }
    if (error < best_error) {
      best_error = error;
      p_bit = p;
      std::copy_n(q, 4, quantized);
    }
  }
}

class BitWriter {
 public:
  explicit BitWriter(uint8_t* out) : out_(out) { std::fill_n(out_, 16, 0); }
  void Put(uint32_t value, int bits) {
    for (int i = 0; i < bits; ++i, ++position_) {
      if (value >> i & 1) out_[position_ / 8] |= static_cast<uint8_t>(1 << (position_ % 8));
    }
  }

 private:
  uint8_t* out_;
  int position_ = 0;
};

}  // namespace

void EncodeBc7Mode6Block(const Block pixels, uint8_t out[16]) {
  float points[64];
  for (int i = 0; i < 64; ++i) points[i] = pixels[i];
  float lo[4], hi[4];
  FitEndpoints(points, 16, 4, lo, hi);

  int q[2][4], p[2];
  QuantizeEndpoint(lo, q[0], p[0]);
  QuantizeEndpoint(hi, q[1], p[1]);
  int endpoint[2][4];
  for (int e = 0; e < 2; ++e) {
    for (int c = 0; c < 4; ++c) endpoint[e][c] = q[e][c] << 1 | p[e];
  }
  int palette[16][4];
  for (int k = 0; k < 16; ++k) {
    for (int c = 0; c < 4; ++c) {
      palette[k][c] =
          ((64 - kWeights4[k]) * endpoint[0][c] + kWeights4[k] * endpoint[1][c] + 32) >> 6;
    }
  }
  int indices[16];
  for (int i = 0; i < 16; ++i) {
    int best_error = 1 << 30;
    for (int k = 0; k < 16; ++k) {
      int error = 0;
      for (int c = 0; c < 4; ++c) {
        const int diff = palette[k][c] - pixels[i * 4 + c];
        error += diff * diff;
      }
      if (error < best_error) best_error = error, indices[i] = k;
    }
  }
  // The first pixel's index is stored without its top bit, so it must be below 8.
  if (indices[0] >= 8) {
    std::swap(q[0], q[1]);
    std::swap(p[0], p[1]);
    for (int& index : indices) index = 15 - index;
  }
  BitWriter writer(out);
  writer.Put(1 << 6, 7);
  for (int c = 0; c < 4; ++c) {
    writer.Put(static_cast<uint32_t>(q[0][c]), 7);
    writer.Put(static_cast<uint32_t>(q[1][c]), 7);
  }
  writer.Put(static_cast<uint32_t>(p[0]), 1);
  writer.Put(static_cast<uint32_t>(p[1]), 1);
  writer.Put(static_cast<uint32_t>(indices[0]), 3);
  for (int i = 1; i < 16; ++i) writer.Put(static_cast<uint32_t>(indices[i]), 4);
}

}  // namespace tavrosine::dds_writer
