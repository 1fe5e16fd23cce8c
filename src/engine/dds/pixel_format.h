#pragma once

#include <cstdint>

namespace tavrosine::dds {

// How the bytes of a surface turn into pixels.
enum class Codec : uint8_t {
  // 4x4 blocks
  kBc1,
  kBc2,
  kBc3,
  kBc4,
  kBc4Snorm,
  kBc5,
  kBc5Snorm,
  kBc6hUnsigned,
  kBc6hSigned,
  kBc7,
  // one pixel after another
  kMasks,       // up to 32 bits per pixel, channels selected by bit masks
  kComponents,  // 16- or 32-bit components in R, G, B, A order
  kR11G11B10Float,
  kR9G9B9E5,
  kPalette8,  // 8-bit indices into the 256-entry RGBA palette after the header
};

// What the pipeline receives.
enum class OutputKind : uint8_t { kGrey8, kRgb24, kRgba32 };

// A change made to every decoded pixel before it is stored.
enum class Fixup : uint8_t {
  kNone,
  kRebuildBlue,       // two-channel normal map: blue becomes the normal's Z
  kUnpremultiply,     // DXT2, DXT4 and DX10 premultiplied alpha
  kAlphaIsRed,        // RXGB: red was stored in alpha
  kAlphaGreenNormal,  // DXT5 normal map: X in alpha, Y in green
  kYCoCg,             // DXT5 holding Co, Cg and Y in red, green and alpha
};

enum class ComponentType : uint8_t { kUnorm16, kSnorm16, kFloat16, kFloat32 };

struct PixelFormat {
  Codec codec = Codec::kMasks;
  OutputKind output = OutputKind::kRgba32;
  Fixup fixup = Fixup::kNone;
  uint8_t bits_per_pixel = 0;  // formats that are not block compressed
  bool is_signed = false;      // kMasks: channels are two's complement (bump maps, SNORM)
  uint32_t masks[4] = {};      // kMasks: red, green, blue, alpha; grey has r = g = b
  ComponentType component = ComponentType::kUnorm16;  // kComponents
  uint8_t components = 0;                             // kComponents: 1 to 4

  bool BlockCompressed() const { return codec <= Codec::kBc7; }
  int BlockBytes() const {
    return codec == Codec::kBc1 || codec == Codec::kBc4 || codec == Codec::kBc4Snorm ? 8 : 16;
  }
};

// Builders for the rows of the format tables.
constexpr PixelFormat Block(Codec codec, OutputKind output, Fixup fixup = Fixup::kNone) {
  return {.codec = codec, .output = output, .fixup = fixup};
}
constexpr PixelFormat Components(ComponentType type, uint8_t count, OutputKind output,
                                 Fixup fixup = Fixup::kNone) {
  const int size = type == ComponentType::kFloat32 ? 32 : 16;
  return {.codec = Codec::kComponents,
          .output = output,
          .fixup = fixup,
          .bits_per_pixel = static_cast<uint8_t>(size * count),
          .component = type,
          .components = count};
}

}  // namespace tavrosine::dds
