// The legacy header's pixel formats: FourCC codes and bit-mask layouts.

#include <bit>
#include <cstdio>

#include "engine/dds/dds_formats.h"

namespace tavrosine::dds {
namespace {

constexpr OutputKind kGrey = OutputKind::kGrey8;
constexpr OutputKind kRgb = OutputKind::kRgb24;
constexpr OutputKind kRgba = OutputKind::kRgba32;


struct FourCcEntry {
  uint32_t fourcc;
  const char* name;
  PixelFormat format;
  const char* refusal;  // non-null: not decoded, and why
};

// D3DFMT values some writers store in the FourCC field instead of four characters.
constexpr uint32_t kD3dA16B16G16R16 = 36;
constexpr uint32_t kD3dQ16W16V16U16 = 110;
constexpr uint32_t kD3dR16F = 111;
constexpr uint32_t kD3dG16R16F = 112;
constexpr uint32_t kD3dA16B16G16R16F = 113;
constexpr uint32_t kD3dR32F = 114;
constexpr uint32_t kD3dG32R32F = 115;
constexpr uint32_t kD3dA32B32G32R32F = 116;

constexpr const char* kVideo = "is a video (YUV) format, not a texture this program converts";

const FourCcEntry kFourCcFormats[] = {
    {MakeFourCc("DXT1"), "DXT1", Block(Codec::kBc1, kRgba), nullptr},
    {MakeFourCc("DXT2"), "DXT2", Block(Codec::kBc2, kRgba, Fixup::kUnpremultiply), nullptr},
    {MakeFourCc("DXT3"), "DXT3", Block(Codec::kBc2, kRgba), nullptr},
    {MakeFourCc("DXT4"), "DXT4", Block(Codec::kBc3, kRgba, Fixup::kUnpremultiply), nullptr},
    {MakeFourCc("DXT5"), "DXT5", Block(Codec::kBc3, kRgba), nullptr},
    {MakeFourCc("RXGB"), "RXGB", Block(Codec::kBc3, kRgb, Fixup::kAlphaIsRed), nullptr},
    {MakeFourCc("ATI1"), "ATI1", Block(Codec::kBc4, kGrey), nullptr},
    {MakeFourCc("BC4U"), "BC4U", Block(Codec::kBc4, kGrey), nullptr},
    {MakeFourCc("BC4S"), "BC4S", Block(Codec::kBc4Snorm, kGrey), nullptr},
    {MakeFourCc("ATI2"), "ATI2", Block(Codec::kBc5, kRgb, Fixup::kRebuildBlue), nullptr},
    {MakeFourCc("BC5U"), "BC5U", Block(Codec::kBc5, kRgb, Fixup::kRebuildBlue), nullptr},
    {MakeFourCc("BC5S"), "BC5S", Block(Codec::kBc5Snorm, kRgb, Fixup::kRebuildBlue), nullptr},
    {kD3dA16B16G16R16, "A16B16G16R16", Components(ComponentType::kUnorm16, 4, kRgba), nullptr},
    {kD3dQ16W16V16U16, "Q16W16V16U16", Components(ComponentType::kSnorm16, 4, kRgba), nullptr},
    {kD3dR16F, "R16F", Components(ComponentType::kFloat16, 1, kGrey), nullptr},
    {kD3dG16R16F, "G16R16F", Components(ComponentType::kFloat16, 2, kRgb, Fixup::kRebuildBlue),
     nullptr},
    {kD3dA16B16G16R16F, "A16B16G16R16F", Components(ComponentType::kFloat16, 4, kRgba), nullptr},
    {kD3dR32F, "R32F", Components(ComponentType::kFloat32, 1, kGrey), nullptr},
    {kD3dG32R32F, "G32R32F", Components(ComponentType::kFloat32, 2, kRgb, Fixup::kRebuildBlue),
     nullptr},
    {kD3dA32B32G32R32F, "A32B32G32R32F", Components(ComponentType::kFloat32, 4, kRgba), nullptr},
    {MakeFourCc("UYVY"), "UYVY", {}, kVideo},
    {MakeFourCc("YUY2"), "YUY2", {}, kVideo},
    {MakeFourCc("RGBG"), "RGBG", {}, kVideo},
    {MakeFourCc("GRGB"), "GRGB", {}, kVideo},
    {117, "CxV8U8", {}, "is a compressed bump map this program does not decode"},
};

enum class MaskKind : uint8_t { kRgb, kLuminance, kAlpha, kBump };

struct MaskEntry {
  MaskKind kind;
  uint8_t bits;
  uint32_t r, g, b, a;  // luminance keeps its mask in r
  const char* name;
};

// The layouts Direct3D 9 named. Anything else with valid masks is decoded as well, and
// reported by its masks.
constexpr MaskEntry kMaskFormats[] = {
    {MaskKind::kRgb, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000, "A8R8G8B8"},
    {MaskKind::kRgb, 32, 0xFF0000, 0xFF00, 0xFF, 0, "X8R8G8B8"},
    {MaskKind::kRgb, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, "A8B8G8R8"},
    {MaskKind::kRgb, 32, 0xFF, 0xFF00, 0xFF0000, 0, "X8B8G8R8"},
    {MaskKind::kRgb, 32, 0x3FF, 0xFFC00, 0x3FF00000, 0xC0000000, "A2B10G10R10"},
    {MaskKind::kRgb, 32, 0x3FF00000, 0xFFC00, 0x3FF, 0xC0000000, "A2R10G10B10"},
    {MaskKind::kRgb, 32, 0xFFFF, 0xFFFF0000, 0, 0, "G16R16"},
    {MaskKind::kRgb, 24, 0xFF0000, 0xFF00, 0xFF, 0, "R8G8B8"},
    {MaskKind::kRgb, 24, 0xFF, 0xFF00, 0xFF0000, 0, "B8G8R8"},
    {MaskKind::kRgb, 16, 0xF800, 0x7E0, 0x1F, 0, "R5G6B5"},
    {MaskKind::kRgb, 16, 0x7C00, 0x3E0, 0x1F, 0x8000, "A1R5G5B5"},
    {MaskKind::kRgb, 16, 0x7C00, 0x3E0, 0x1F, 0, "X1R5G5B5"},
    {MaskKind::kRgb, 16, 0xF00, 0xF0, 0xF, 0xF000, "A4R4G4B4"},
    {MaskKind::kRgb, 16, 0xF00, 0xF0, 0xF, 0, "X4R4G4B4"},
    {MaskKind::kRgb, 16, 0xE0, 0x1C, 0x3, 0xFF00, "A8R3G3B2"},
    {MaskKind::kRgb, 8, 0xE0, 0x1C, 0x3, 0, "R3G3B2"},
    {MaskKind::kLuminance, 8, 0xFF, 0, 0, 0, "L8"},
    {MaskKind::kLuminance, 16, 0xFFFF, 0, 0, 0, "L16"},
    {MaskKind::kLuminance, 16, 0xFF, 0, 0, 0xFF00, "A8L8"},
    {MaskKind::kLuminance, 8, 0xF, 0, 0, 0xF0, "A4L4"},
    {MaskKind::kAlpha, 8, 0, 0, 0, 0xFF, "A8"},
    {MaskKind::kBump, 16, 0xFF, 0xFF00, 0, 0, "V8U8"},
    {MaskKind::kBump, 32, 0xFFFF, 0xFFFF0000, 0, 0, "V16U16"},
    {MaskKind::kBump, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, "Q8W8V8U8"},
};

// Writers that leave every mask at zero mean the usual layout for the size.
constexpr MaskEntry kDefaultRgbMasks[] = {
    {MaskKind::kRgb, 32, 0xFF0000, 0xFF00, 0xFF, 0, "X8R8G8B8 (masks missing)"},
    {MaskKind::kRgb, 24, 0xFF0000, 0xFF00, 0xFF, 0, "R8G8B8 (masks missing)"},
    {MaskKind::kRgb, 16, 0xF800, 0x7E0, 0x1F, 0, "R5G6B5 (masks missing)"},
    {MaskKind::kRgb, 8, 0xE0, 0x1C, 0x3, 0, "R3G3B2 (masks missing)"},
};

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", value);
  return text;
}

std::string FourCcText(uint32_t fourcc) {
  std::string text;
  for (int shift = 0; shift < 32; shift += 8) {
    const char c = static_cast<char>(fourcc >> shift & 0xFF);
    if (c < 0x20 || c > 0x7E) return Hex(fourcc);
    text += c;
  }
  return "'" + text + "'";
}

FormatLookup FromFourCc(const LegacyPixelFormat& pf) {
  FormatLookup result;
  for (const FourCcEntry& entry : kFourCcFormats) {
    if (entry.fourcc != pf.fourcc) continue;
    result.name = entry.name;
    if (entry.refusal != nullptr) {
      result.error = Unsupported("The pixel format " + result.name + " " + entry.refusal + ".");
      return result;
    }
    result.format = entry.format;
    if (result.name == "DXT5" && (pf.flags & kPfNormal)) {
      result.format.fixup = Fixup::kAlphaGreenNormal;
      result.format.output = kRgb;
    } else if (result.name == "DXT5" && pf.writer_tag == MakeFourCc("YCG1")) {
      result.format.fixup = Fixup::kYCoCg;
      result.format.output = kRgb;
    }
    return result;
  }
  if (pf.fourcc == 0) {
    result.error = InvalidData("The pixel format is marked as a FourCC code but gives none.");
  } else {
    result.error = Unsupported("The pixel format's FourCC code " + FourCcText(pf.fourcc) +
                               " is not a format this program knows.");
  }
  return result;
}

bool Contiguous(uint32_t mask) {
  if (mask == 0) return true;
  const uint32_t shifted = mask >> std::countr_zero(mask);
  return (shifted & (shifted + 1)) == 0;
}

// The layout of a mask entry, after checking that the masks can describe pixels.
FormatLookup FromMasks(const MaskEntry& m, std::string name) {
  FormatLookup result;
  result.name = std::move(name);
  const uint32_t masks[] = {m.r, m.g, m.b, m.a};
  const uint64_t limit = (uint64_t{1} << m.bits) - 1;
  uint32_t seen = 0;
  for (uint32_t mask : masks) {
    if (mask > limit || !Contiguous(mask) || (seen & mask) != 0) {
      result.error = InvalidData("The pixel format's bit masks (" + Hex(m.r) + ", " + Hex(m.g) +
                                 ", " + Hex(m.b) + ", " + Hex(m.a) + ") do not describe " +
                                 std::to_string(m.bits) + "-bit pixels.");
      return result;
    }
    seen |= mask;
  }
  if (seen == 0) {
    result.error = InvalidData("The pixel format's bit masks are all zero.");
    return result;
  }
  PixelFormat& f = result.format;
  f.codec = Codec::kMasks;
  f.bits_per_pixel = m.bits;
  f.is_signed = m.kind == MaskKind::kBump;
  f.masks[3] = m.a;
  if (m.kind == MaskKind::kLuminance) {
    f.masks[0] = f.masks[1] = f.masks[2] = m.r;
    f.output = m.a != 0 ? kRgba : kGrey;
  } else if (m.kind == MaskKind::kAlpha) {
    f.output = kRgba;
  } else {
    f.masks[0] = m.r, f.masks[1] = m.g, f.masks[2] = m.b;
    const bool two_channel = m.r != 0 && m.g != 0 && m.b == 0 && m.a == 0;
    f.output = m.a != 0 ? kRgba : kRgb;
    if (two_channel) f.fixup = Fixup::kRebuildBlue;
  }
  return result;
}

MaskKind KindFromFlags(const LegacyPixelFormat& pf) {
  if (pf.flags & kPfRgb) return MaskKind::kRgb;
  if (pf.flags & kPfLuminance) return MaskKind::kLuminance;
  if (pf.flags & kPfBumpDuDv) return MaskKind::kBump;
  if (pf.flags & kPfAlpha) return MaskKind::kAlpha;
  // No kind flag at all: guess from the masks, as tolerant readers do.
  const uint32_t r = pf.masks[0], g = pf.masks[1], b = pf.masks[2];
  if (r == 0 && g == 0 && b == 0 && pf.masks[3] != 0) return MaskKind::kAlpha;
  if (r != 0 && r == g && g == b) return MaskKind::kLuminance;
  return MaskKind::kRgb;
}

FormatLookup FromBitMasks(const LegacyPixelFormat& pf) {
  if (pf.bit_count != 8 && pf.bit_count != 16 && pf.bit_count != 24 && pf.bit_count != 32) {
    FormatLookup result;
    result.error = Unsupported("The pixel format declares " + std::to_string(pf.bit_count) +
                               " bits per pixel; bit-mask pixels have 8, 16, 24 or 32.");
    return result;
  }
  MaskEntry m{KindFromFlags(pf),
              static_cast<uint8_t>(pf.bit_count),
              pf.masks[0],
              pf.masks[1],
              pf.masks[2],
              pf.masks[3],
              nullptr};
  if (m.kind == MaskKind::kLuminance) {
    m.g = m.b = 0;
    // Some writers store the luminance mask as if pixels were 32 bits wide.
    if (m.r == 0 || (m.bits < 32 && m.r >> m.bits != 0)) {
      m.r = m.bits == 8 ? 0xFF : m.bits == 16 ? (m.a != 0 ? 0xFF : 0xFFFF) : m.r;
    }
  }
  if (m.kind == MaskKind::kAlpha) m.r = m.g = m.b = 0;
  for (const MaskEntry& known : kMaskFormats) {
    if (known.kind == m.kind && known.bits == m.bits && known.r == m.r && known.g == m.g &&
        known.b == m.b && known.a == m.a) {
      return FromMasks(known, known.name);
    }
  }
  if (m.kind == MaskKind::kRgb && m.r == 0 && m.g == 0 && m.b == 0 && m.a == 0) {
    for (const MaskEntry& fallback : kDefaultRgbMasks) {
      if (fallback.bits == m.bits) return FromMasks(fallback, fallback.name);
    }
  }
  return FromMasks(m, "bit masks " + Hex(m.r) + "/" + Hex(m.g) + "/" + Hex(m.b) + "/" + Hex(m.a) +
                          " in " + std::to_string(m.bits) + " bits");
}

}  // namespace

FormatLookup LookUpLegacyFormat(const LegacyPixelFormat& pf) {
  constexpr uint32_t kKindFlags = kPfRgb | kPfLuminance | kPfBumpDuDv | kPfAlpha;
  const bool has_masks = (pf.masks[0] | pf.masks[1] | pf.masks[2] | pf.masks[3]) != 0;
  const bool other_kind = (pf.flags & (kKindFlags | kPfPaletteIndexed8)) != 0;
  if ((pf.flags & kPfPaletteIndexed4) && !(pf.flags & (kPfFourCc | kKindFlags))) {
    FormatLookup result;
    result.error = Unsupported("4-bit palette textures are not supported.");
    return result;
  }
  // Real tools write a FourCC without its flag, and the flag without a FourCC.
  if (pf.fourcc != 0 && ((pf.flags & kPfFourCc) || !other_kind)) return FromFourCc(pf);
  if ((pf.flags & kPfFourCc) && !other_kind && !has_masks) return FromFourCc(pf);
  if (pf.flags & kPfPaletteIndexed8) {
    FormatLookup result;
    result.name = "8-bit palette";
    // The flag decides: writers put 8, 24 or 0 in the bit count of palette files.
    result.format = {.codec = Codec::kPalette8, .output = kRgba, .bits_per_pixel = 8};
    return result;
  }
  if ((pf.flags & kKindFlags) || has_masks) return FromBitMasks(pf);
  FormatLookup result;
  if (pf.flags & kPfYuv) {
    result.error = Unsupported("YUV pixel formats are not supported.");
  } else {
    result.error = InvalidData("The pixel format (flags " + Hex(pf.flags) +
                               ") describes neither a FourCC code nor bit masks.");
  }
  return result;
}

}  // namespace tavrosine::dds
