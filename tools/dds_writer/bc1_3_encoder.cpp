#include <algorithm>
#include <cmath>

#include "dds_writer/block_encoders.h"

namespace tavrosine::dds_writer {
namespace {

uint16_t To565(const float c[4]) {
  auto quantize = [](float v, int max) {
    return static_cast<int>(std::lround(std::clamp(v, 0.0f, 255.0f) * max / 255.0f));
  };
  return static_cast<uint16_t>(quantize(c[0], 31) << 11 | quantize(c[1], 63) << 5 |
                               quantize(c[2], 31));
}

void Expand565(uint16_t c, int out[3]) {
  const int r = c >> 11 & 31, g = c >> 5 & 63, b = c & 31;
  out[0] = r << 3 | r >> 2;
  out[1] = g << 2 | g >> 4;
  out[2] = b << 3 | b >> 2;
}

// The corners of the colour bounding box on the diagonal that follows the colours' trend:
// each channel runs with or against the channel of widest range, as its covariance says.
// Cheaper than the principal axis and close enough for BC1, which quantizes to 5:6:5.
void FitBoundingBoxDiagonal(const float* points, int count, float lo[4], float hi[4]) {
  float mean[3] = {};
  for (int c = 0; c < 3; ++c) lo[c] = 255, hi[c] = 0;
  for (int i = 0; i < count; ++i) {
    for (int c = 0; c < 3; ++c) {
      const float v = points[i * 3 + c];
      mean[c] += v;
      lo[c] = std::min(lo[c], v);
      hi[c] = std::max(hi[c], v);
    }
  }
  for (float& m : mean) m /= static_cast<float>(count);
  int widest = 0;
  for (int c = 1; c < 3; ++c) {
    if (hi[c] - lo[c] > hi[widest] - lo[widest]) widest = c;
  }
  float covariance[3] = {};
  for (int i = 0; i < count; ++i) {
    const float w = points[i * 3 + widest] - mean[widest];
    for (int c = 0; c < 3; ++c) covariance[c] += (points[i * 3 + c] - mean[c]) * w;
  }
  for (int c = 0; c < 3; ++c) {
    if (covariance[c] < 0) std::swap(lo[c], hi[c]);
  }
}

int Distance(const int a[3], const uint8_t* p) {
  const int dr = a[0] - p[0], dg = a[1] - p[1], db = a[2] - p[2];
  return dr * dr + dg * dg + db * db;
}

}  // namespace

void GatherBlock(const RgbaImage& image, int bx, int by, Block out) {
  for (int y = 0; y < 4; ++y) {
    const int sy = std::min(by * 4 + y, image.height - 1);
    for (int x = 0; x < 4; ++x) {
      const int sx = std::min(bx * 4 + x, image.width - 1);
      std::copy_n(image.Pixel(sx, sy), 4, out + (y * 4 + x) * 4);
    }
  }
}

namespace {

template <int kDims>
void FitEndpointsOf(const float* points, int count, float lo[4], float hi[4]) {
  float mean[kDims] = {};
  for (int i = 0; i < count; ++i) {
    for (int d = 0; d < kDims; ++d) mean[d] += points[i * kDims + d];
  }
  for (float& m : mean) m /= static_cast<float>(count);
  float cov[kDims][kDims] = {};
  for (int i = 0; i < count; ++i) {
    float centred[kDims];
    for (int d = 0; d < kDims; ++d) centred[d] = points[i * kDims + d] - mean[d];
    for (int a = 0; a < kDims; ++a) {
      for (int b = 0; b < kDims; ++b) cov[a][b] += centred[a] * centred[b];
    }
  }
  // A few power iterations find the principal axis well enough for test fixtures.
  float axis[kDims];
  for (float& a : axis) a = 1;
  for (int iteration = 0; iteration < 6; ++iteration) {
    float next[kDims] = {};
    float length = 0;
    for (int a = 0; a < kDims; ++a) {
      for (int b = 0; b < kDims; ++b) next[a] += cov[a][b] * axis[b];
      length = std::max(length, std::fabs(next[a]));
    }
    if (length < 1e-6f) break;
    for (int a = 0; a < kDims; ++a) axis[a] = next[a] / length;
  }
  float norm = 0;
  for (float a : axis) norm += a * a;
  float t_min = 0, t_max = 0;
  for (int i = 0; i < count; ++i) {
    float t = 0;
    for (int d = 0; d < kDims; ++d) t += (points[i * kDims + d] - mean[d]) * axis[d];
    t_min = std::min(t_min, t);
    t_max = std::max(t_max, t);
  }
  t_min /= norm;
  t_max /= norm;
  for (int d = 0; d < kDims; ++d) {
    lo[d] = std::clamp(mean[d] + axis[d] * t_min, 0.0f, 255.0f);
    hi[d] = std::clamp(mean[d] + axis[d] * t_max, 0.0f, 255.0f);
  }
}

}  // namespace

void FitEndpoints(const float* points, int count, int dims, float lo[4], float hi[4]) {
  if (dims == 3) {
    FitEndpointsOf<3>(points, count, lo, hi);
  } else {
    FitEndpointsOf<4>(points, count, lo, hi);
  }
}

void EncodeBc1Block(const Block pixels, bool allow_transparent, uint8_t out[8]) {
  bool transparent[16];
  bool any_transparent = false;
  float points[16 * 3];
  int count = 0;
  for (int i = 0; i < 16; ++i) {
    transparent[i] = allow_transparent && pixels[i * 4 + 3] < 128;
    any_transparent |= transparent[i];
    if (transparent[i]) continue;
    for (int c = 0; c < 3; ++c) points[count * 3 + c] = pixels[i * 4 + c];
    ++count;
  }
  uint16_t c0 = 0, c1 = 0;
  if (count > 0) {
    float lo[4], hi[4];
    FitBoundingBoxDiagonal(points, count, lo, hi);
    c0 = To565(hi);
    c1 = To565(lo);
  }
  // Four-colour blocks need colour0 > colour1, three-colour blocks colour0 <= colour1.
  if (any_transparent ? c0 > c1 : c0 < c1) std::swap(c0, c1);

  int palette[4][3];
  Expand565(c0, palette[0]);
  Expand565(c1, palette[1]);
  for (int c = 0; c < 3; ++c) {
    if (any_transparent) {
      palette[2][c] = (palette[0][c] + palette[1][c]) / 2;
      palette[3][c] = 0;
    } else {
      palette[2][c] = (2 * palette[0][c] + palette[1][c]) / 3;
      palette[3][c] = (palette[0][c] + 2 * palette[1][c]) / 3;
    }
  }
  const int choices = any_transparent ? 3 : 4;
  uint32_t indices = 0;
  for (int i = 0; i < 16; ++i) {
    int best = 3;
    if (!transparent[i]) {
      int best_distance = Distance(palette[0], pixels + i * 4);
      best = 0;
      for (int k = 1; k < choices; ++k) {
        const int distance = Distance(palette[k], pixels + i * 4);
        const bool closer = distance < best_distance;
        best_distance = closer ? distance : best_distance;
        best = closer ? k : best;
      }
    }
    indices |= static_cast<uint32_t>(best) << (2 * i);
  }
  out[0] = static_cast<uint8_t>(c0);
  out[1] = static_cast<uint8_t>(c0 >> 8);
  out[2] = static_cast<uint8_t>(c1);
  out[3] = static_cast<uint8_t>(c1 >> 8);
  for (int k = 0; k < 4; ++k) out[4 + k] = static_cast<uint8_t>(indices >> (8 * k));
}

void EncodeBc3Block(const Block pixels, uint8_t out[16]) {
  EncodeBc4Block(pixels, 3, out);
  EncodeBc1Block(pixels, false, out + 8);
}

}  // namespace tavrosine::dds_writer
