#include "engine/dds/pixel_fixups.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavrosine::dds {
namespace {

// Blue for every red/green pair of a normal map: the Z that makes the normal unit length,
// stored like X and Y (-1…1 over 0…255). Normals longer than 1 get Z = 0.
class NormalZTable {
 public:
  NormalZTable() {
    for (int r = 0; r < 256; ++r) {
      const double x = r / 127.5 - 1.0;
      for (int g = 0; g < 256; ++g) {
        const double y = g / 127.5 - 1.0;
        const double z = std::sqrt(std::max(0.0, 1.0 - x * x - y * y));
        table_[static_cast<size_t>(r * 256 + g)] =
            static_cast<uint8_t>(std::lround((z + 1.0) * 127.5));
      }
    }
  }
  uint8_t operator()(uint8_t r, uint8_t g) const {
    return table_[static_cast<size_t>(r * 256 + g)];
  }

 private:
  std::array<uint8_t, 256 * 256> table_{};
};

const NormalZTable& NormalZ() {
  static const NormalZTable table;
  return table;
}

uint8_t ClampByte(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

}  // namespace

void ApplyFixup(Fixup fixup, Rgba8* pixels, int count) {
  switch (fixup) {
    case Fixup::kNone:
      return;
    case Fixup::kRebuildBlue: {
      const NormalZTable& z = NormalZ();
      for (int i = 0; i < count; ++i) pixels[i].b = z(pixels[i].r, pixels[i].g);
      return;
    }
    case Fixup::kUnpremultiply:
      for (int i = 0; i < count; ++i) {
        Rgba8& p = pixels[i];
        if (p.a == 0 || p.a == 255) continue;
        auto divide = [a = p.a](uint8_t c) { return ClampByte((c * 255 + a / 2) / a); };
        p = Rgba(divide(p.r), divide(p.g), divide(p.b), p.a);
      }
      return;
    case Fixup::kAlphaIsRed:
      for (int i = 0; i < count; ++i) pixels[i].r = pixels[i].a, pixels[i].a = 255;
      return;
    case Fixup::kAlphaGreenNormal: {
      const NormalZTable& z = NormalZ();
      for (int i = 0; i < count; ++i) {
        Rgba8& p = pixels[i];
        p = Rgba(p.a, p.g, z(p.a, p.g), 255);
      }
      return;
    }
    case Fixup::kYCoCg:
      for (int i = 0; i < count; ++i) {
        Rgba8& p = pixels[i];
        const int co = p.r - 128, cg = p.g - 128, y = p.a;
        p = Rgba(ClampByte(y + co - cg), ClampByte(y + cg), ClampByte(y - co - cg), 255);
      }
      return;
  }
}

}  // namespace tavrosine::dds
