#include "dds_writer/test_picture.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavrosine::dds_writer {
namespace {

// Small, fast and identical on every platform, unlike the standard distributions.
class SplitMix {
 public:
  explicit SplitMix(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  float Unit() { return static_cast<float>(Next() >> 40) / static_cast<float>(1 << 24); }

 private:
  uint64_t state_;
};

constexpr int kGrid = 9;

// Value noise: random values on a coarse grid, blended smoothly in between. Rows are
// blended once per picture row so the per-pixel cost stays a single interpolation.
class SoftNoise {
 public:
  explicit SoftNoise(SplitMix& random) {
    for (float& v : values_) v = random.Unit();
  }
  void SetRow(float v) {
    const float gy = v * (kGrid - 1);
    const int y0 = std::min(static_cast<int>(gy), kGrid - 2);
    const float fy = Smooth(gy - static_cast<float>(y0));
    for (int x = 0; x < kGrid; ++x) {
      row_[x] = Lerp(values_[y0 * kGrid + x], values_[(y0 + 1) * kGrid + x], fy);
    }
  }
  float At(float u) const {
    const float gx = u * (kGrid - 1);
    const int x0 = std::min(static_cast<int>(gx), kGrid - 2);
    return Lerp(row_[x0], row_[x0 + 1], Smooth(gx - static_cast<float>(x0)));
  }

 private:
  static float Smooth(float t) { return t * t * (3 - 2 * t); }
  static float Lerp(float a, float b, float t) { return a + (b - a) * t; }
  std::array<float, kGrid * kGrid> values_{};
  std::array<float, kGrid> row_{};
};

uint8_t ToByte(float v) { return static_cast<uint8_t>(std::clamp(v, 0.0f, 255.0f) + 0.5f); }

}  // namespace

RgbaImage MakeTestPicture(int width, int height, uint32_t seed, bool alpha) {
  RgbaImage image;
  image.width = width;
  image.height = height;
  image.rgba.resize(static_cast<size_t>(width) * height * 4);
  SplitMix random(seed * 0x2545F4914F6CDD1Dull + 1);
  SoftNoise red(random), green(random), blue(random), shade(random);
  const float tint = random.Unit();
  const float wide = static_cast<float>(std::max(width - 1, 1));
  const float high = static_cast<float>(std::max(height - 1, 1));
  uint8_t* out = image.rgba.data();
  for (int y = 0; y < height; ++y) {
    const float v = static_cast<float>(y) / high;
    for (SoftNoise* noise : {&red, &green, &blue, &shade}) noise->SetRow(v);
    for (int x = 0; x < width; ++x, out += 4) {
      const float u = static_cast<float>(x) / wide;
      const float grain = (random.Unit() - 0.5f) * 12.0f;
      const float light = 0.55f + 0.45f * shade.At(u);
      out[0] = ToByte((90.0f * u + 165.0f * red.At(u)) * light + grain);
      out[1] = ToByte((80.0f * v + 175.0f * green.At(u)) * light + grain);
      out[2] = ToByte((60.0f * tint + 195.0f * blue.At(u)) * light + grain);
      if (alpha) {
        const float du = u - 0.5f, dv = v - 0.5f;
        const float fall = 1.0f - 1.6f * (du * du + dv * dv) * 2.0f;
        const bool hole = u > 0.7f && u < 0.9f && v > 0.1f && v < 0.3f;
        out[3] = hole ? 0 : ToByte(255.0f * fall + grain);
      } else {
        out[3] = 255;
      }
    }
  }
  return image;
}

}  // namespace tavrosine::dds_writer
