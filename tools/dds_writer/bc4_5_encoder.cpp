#include <algorithm>
#include <cstdlib>

#include "dds_writer/block_encoders.h"

namespace tavrosine::dds_writer {
namespace {

// Palette index of the n-th step from the first value to the second.
int StepIndex(int step) { return step == 0 ? 0 : step == 7 ? 1 : step + 1; }

}  // namespace

void EncodeBc4Block(const Block pixels, int channel, uint8_t out[8]) {
  int lo = 255, hi = 0;
  for (int i = 0; i < 16; ++i) {
    lo = std::min<int>(lo, pixels[i * 4 + channel]);
    hi = std::max<int>(hi, pixels[i * 4 + channel]);
  }
  // Eight-value mode (first > second); a flat block keeps every index at 0.
  int palette[8] = {hi, lo};
  for (int k = 2; k < 8; ++k) palette[k] = ((8 - k) * hi + (k - 1) * lo) / 7;
  uint64_t indices = 0;
  for (int i = 0; i < 16 && hi > lo; ++i) {
    // Steps run from the first value (step 0) to the second (step 7); the nearest step
    // by arithmetic is at most one away from the nearest after the palette's truncation.
    const int value = pixels[i * 4 + channel];
    const int step = ((hi - value) * 7 + (hi - lo) / 2) / (hi - lo);
    int best = StepIndex(step);
    for (int neighbour : {step - 1, step + 1}) {
      if (neighbour < 0 || neighbour > 7) continue;
      const int k = StepIndex(neighbour);
      if (std::abs(palette[k] - value) < std::abs(palette[best] - value)) best = k;
    }
    indices |= static_cast<uint64_t>(best) << (3 * i);
  }
  out[0] = static_cast<uint8_t>(hi);
  out[1] = static_cast<uint8_t>(lo);
  for (int k = 0; k < 6; ++k) out[2 + k] = static_cast<uint8_t>(indices >> (8 * k));
}

}  // namespace tavrosine::dds_writer
