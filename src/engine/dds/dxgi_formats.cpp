// The DXGI formats a DX10 header can name, and what this reader makes of each.

#include <array>

#include "engine/dds/dds_formats.h"

namespace tavrosine::dds {
namespace {

enum class Support : uint8_t { kDecoded, kInteger, kDepth, kVideo, kNotATexture };

struct DxgiEntry {
  uint32_t code;
  const char* name;
  Support support;
  PixelFormat format;
};

constexpr OutputKind kGrey = OutputKind::kGrey8;
constexpr OutputKind kRgb = OutputKind::kRgb24;
constexpr OutputKind kRgba = OutputKind::kRgba32;

constexpr PixelFormat Masks(uint8_t bits, uint32_t r, uint32_t g, uint32_t b, uint32_t a,
                            OutputKind output, Fixup fixup = Fixup::kNone, bool is_signed = false) {
  return {.codec = Codec::kMasks,
          .output = output,
          .fixup = fixup,
          .bits_per_pixel = bits,
          .is_signed = is_signed,
          .masks = {r, g, b, a}};
}
constexpr PixelFormat Packed(Codec codec) {
  return {.codec = codec, .output = kRgb, .bits_per_pixel = 32};
}

constexpr Support kOk = Support::kDecoded;
constexpr PixelFormat kNone{};
constexpr auto kF32 = ComponentType::kFloat32;
constexpr auto kF16 = ComponentType::kFloat16;
constexpr auto kU16 = ComponentType::kUnorm16;
constexpr auto kS16 = ComponentType::kSnorm16;
constexpr Fixup kBlue = Fixup::kRebuildBlue;

// TYPELESS formats decode as their UNORM sibling, or FLOAT for 32-bit channels; SRGB data is
// already display-encoded, so it decodes like UNORM.
constexpr DxgiEntry kDxgiFormats[] = {
    {1, "R32G32B32A32_TYPELESS", kOk, Components(kF32, 4, kRgba)},
    {2, "R32G32B32A32_FLOAT", kOk, Components(kF32, 4, kRgba)},
    {3, "R32G32B32A32_UINT", Support::kInteger, kNone},
    {4, "R32G32B32A32_SINT", Support::kInteger, kNone},
    {5, "R32G32B32_TYPELESS", kOk, Components(kF32, 3, kRgb)},
    {6, "R32G32B32_FLOAT", kOk, Components(kF32, 3, kRgb)},
    {7, "R32G32B32_UINT", Support::kInteger, kNone},
    {8, "R32G32B32_SINT", Support::kInteger, kNone},
    {9, "R16G16B16A16_TYPELESS", kOk, Components(kU16, 4, kRgba)},
    {10, "R16G16B16A16_FLOAT", kOk, Components(kF16, 4, kRgba)},
    {11, "R16G16B16A16_UNORM", kOk, Components(kU16, 4, kRgba)},
    {12, "R16G16B16A16_UINT", Support::kInteger, kNone},
    {13, "R16G16B16A16_SNORM", kOk, Components(kS16, 4, kRgba)},
    {14, "R16G16B16A16_SINT", Support::kInteger, kNone},
    {15, "R32G32_TYPELESS", kOk, Components(kF32, 2, kRgb, kBlue)},
    {16, "R32G32_FLOAT", kOk, Components(kF32, 2, kRgb, kBlue)},
    {17, "R32G32_UINT", Support::kInteger, kNone},
    {18, "R32G32_SINT", Support::kInteger, kNone},
    {19, "R32G8X24_TYPELESS", Support::kDepth, kNone},
    {20, "D32_FLOAT_S8X24_UINT", Support::kDepth, kNone},
    {21, "R32_FLOAT_X8X24_TYPELESS", Support::kDepth, kNone},
    {22, "X32_TYPELESS_G8X24_UINT", Support::kDepth, kNone},
    {23, "R10G10B10A2_TYPELESS", kOk, Masks(32, 0x3FF, 0xFFC00, 0x3FF00000, 0xC0000000, kRgba)},
    {24, "R10G10B10A2_UNORM", kOk, Masks(32, 0x3FF, 0xFFC00, 0x3FF00000, 0xC0000000, kRgba)},
    {25, "R10G10B10A2_UINT", Support::kInteger, kNone},
    {26, "R11G11B10_FLOAT", kOk, Packed(Codec::kR11G11B10Float)},
    {27, "R8G8B8A8_TYPELESS", kOk, Masks(32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, kRgba)},
    {28, "R8G8B8A8_UNORM", kOk, Masks(32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, kRgba)},
    {29, "R8G8B8A8_UNORM_SRGB", kOk, Masks(32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, kRgba)},
    {30, "R8G8B8A8_UINT", Support::kInteger, kNone},
    {31, "R8G8B8A8_SNORM", kOk,
     Masks(32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, kRgba, Fixup::kNone, true)},
    {32, "R8G8B8A8_SINT", Support::kInteger, kNone},
    {33, "R16G16_TYPELESS", kOk, Components(kU16, 2, kRgb, kBlue)},
    {34, "R16G16_FLOAT", kOk, Components(kF16, 2, kRgb, kBlue)},
    {35, "R16G16_UNORM", kOk, Components(kU16, 2, kRgb, kBlue)},
    {36, "R16G16_UINT", Support::kInteger, kNone},
    {37, "R16G16_SNORM", kOk, Components(kS16, 2, kRgb, kBlue)},
    {38, "R16G16_SINT", Support::kInteger, kNone},
    {39, "R32_TYPELESS", kOk, Components(kF32, 1, kGrey)},
    {40, "D32_FLOAT", Support::kDepth, kNone},
    {41, "R32_FLOAT", kOk, Components(kF32, 1, kGrey)},
    {42, "R32_UINT", Support::kInteger, kNone},
    {43, "R32_SINT", Support::kInteger, kNone},
    {44, "R24G8_TYPELESS", Support::kDepth, kNone},
    {45, "D24_UNORM_S8_UINT", Support::kDepth, kNone},
    {46, "R24_UNORM_X8_TYPELESS", Support::kDepth, kNone},
    {47, "X24_TYPELESS_G8_UINT", Support::kDepth, kNone},
    {48, "R8G8_TYPELESS", kOk, Masks(16, 0xFF, 0xFF00, 0, 0, kRgb, kBlue)},
    {49, "R8G8_UNORM", kOk, Masks(16, 0xFF, 0xFF00, 0, 0, kRgb, kBlue)},
    {50, "R8G8_UINT", Support::kInteger, kNone},
    {51, "R8G8_SNORM", kOk, Masks(16, 0xFF, 0xFF00, 0, 0, kRgb, kBlue, true)},
    {52, "R8G8_SINT", Support::kInteger, kNone},
    {53, "R16_TYPELESS", kOk, Components(kU16, 1, kGrey)},
    {54, "R16_FLOAT", kOk, Components(kF16, 1, kGrey)},
    {55, "D16_UNORM", Support::kDepth, kNone},
    {56, "R16_UNORM", kOk, Components(kU16, 1, kGrey)},
    {57, "R16_UINT", Support::kInteger, kNone},
    {58, "R16_SNORM", kOk, Components(kS16, 1, kGrey)},
    {59, "R16_SINT", Support::kInteger, kNone},
    {60, "R8_TYPELESS", kOk, Masks(8, 0xFF, 0xFF, 0xFF, 0, kGrey)},
    {61, "R8_UNORM", kOk, Masks(8, 0xFF, 0xFF, 0xFF, 0, kGrey)},
    {62, "R8_UINT", Support::kInteger, kNone},
    {63, "R8_SNORM", kOk, Masks(8, 0xFF, 0xFF, 0xFF, 0, kGrey, Fixup::kNone, true)},
    {64, "R8_SINT", Support::kInteger, kNone},
    {65, "A8_UNORM", kOk, Masks(8, 0, 0, 0, 0xFF, kRgba)},
    {66, "R1_UNORM", Support::kNotATexture, kNone},
    {67, "R9G9B9E5_SHAREDEXP", kOk, Packed(Codec::kR9G9B9E5)},
    {68, "R8G8_B8G8_UNORM", Support::kVideo, kNone},
    {69, "G8R8_G8B8_UNORM", Support::kVideo, kNone},
    {70, "BC1_TYPELESS", kOk, Block(Codec::kBc1, kRgba)},
    {71, "BC1_UNORM", kOk, Block(Codec::kBc1, kRgba)},
    {72, "BC1_UNORM_SRGB", kOk, Block(Codec::kBc1, kRgba)},
    {73, "BC2_TYPELESS", kOk, Block(Codec::kBc2, kRgba)},
    {74, "BC2_UNORM", kOk, Block(Codec::kBc2, kRgba)},
    {75, "BC2_UNORM_SRGB", kOk, Block(Codec::kBc2, kRgba)},
    {76, "BC3_TYPELESS", kOk, Block(Codec::kBc3, kRgba)},
    {77, "BC3_UNORM", kOk, Block(Codec::kBc3, kRgba)},
    {78, "BC3_UNORM_SRGB", kOk, Block(Codec::kBc3, kRgba)},
    {79, "BC4_TYPELESS", kOk, Block(Codec::kBc4, kGrey)},
    {80, "BC4_UNORM", kOk, Block(Codec::kBc4, kGrey)},
    {81, "BC4_SNORM", kOk, Block(Codec::kBc4Snorm, kGrey)},
    {82, "BC5_TYPELESS", kOk, Block(Codec::kBc5, kRgb, kBlue)},
    {83, "BC5_UNORM", kOk, Block(Codec::kBc5, kRgb, kBlue)},
    {84, "BC5_SNORM", kOk, Block(Codec::kBc5Snorm, kRgb, kBlue)},
    {85, "B5G6R5_UNORM", kOk, Masks(16, 0xF800, 0x7E0, 0x1F, 0, kRgb)},
    {86, "B5G5R5A1_UNORM", kOk, Masks(16, 0x7C00, 0x3E0, 0x1F, 0x8000, kRgba)},
    {87, "B8G8R8A8_UNORM", kOk, Masks(32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000, kRgba)},
    {88, "B8G8R8X8_UNORM", kOk, Masks(32, 0xFF0000, 0xFF00, 0xFF, 0, kRgb)},
    {89, "R10G10B10_XR_BIAS_A2_UNORM", Support::kNotATexture, kNone},
    {90, "B8G8R8A8_TYPELESS", kOk, Masks(32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000, kRgba)},
    {91, "B8G8R8A8_UNORM_SRGB", kOk, Masks(32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000, kRgba)},
    {92, "B8G8R8X8_TYPELESS", kOk, Masks(32, 0xFF0000, 0xFF00, 0xFF, 0, kRgb)},
    {93, "B8G8R8X8_UNORM_SRGB", kOk, Masks(32, 0xFF0000, 0xFF00, 0xFF, 0, kRgb)},
    {94, "BC6H_TYPELESS", kOk, Block(Codec::kBc6hUnsigned, kRgb)},
    {95, "BC6H_UF16", kOk, Block(Codec::kBc6hUnsigned, kRgb)},
    {96, "BC6H_SF16", kOk, Block(Codec::kBc6hSigned, kRgb)},
    {97, "BC7_TYPELESS", kOk, Block(Codec::kBc7, kRgba)},
    {98, "BC7_UNORM", kOk, Block(Codec::kBc7, kRgba)},
    {99, "BC7_UNORM_SRGB", kOk, Block(Codec::kBc7, kRgba)},
    {100, "AYUV", Support::kVideo, kNone},
    {101, "Y410", Support::kVideo, kNone},
    {102, "Y416", Support::kVideo, kNone},
    {103, "NV12", Support::kVideo, kNone},
    {104, "P010", Support::kVideo, kNone},
    {105, "P016", Support::kVideo, kNone},
    {106, "420_OPAQUE", Support::kVideo, kNone},
    {107, "YUY2", Support::kVideo, kNone},
    {108, "Y210", Support::kVideo, kNone},
    {109, "Y216", Support::kVideo, kNone},
    {110, "NV11", Support::kVideo, kNone},
    {111, "AI44", Support::kVideo, kNone},
    {112, "IA44", Support::kVideo, kNone},
    {113, "P8", Support::kNotATexture, kNone},
    {114, "A8P8", Support::kNotATexture, kNone},
    {115, "B4G4R4A4_UNORM", kOk, Masks(16, 0xF00, 0xF0, 0xF, 0xF000, kRgba)},
    {130, "P208", Support::kVideo, kNone},
    {131, "V208", Support::kVideo, kNone},
    {132, "V408", Support::kVideo, kNone},
    {189, "SAMPLER_FEEDBACK_MIN_MIP_OPAQUE", Support::kNotATexture, kNone},
    {190, "SAMPLER_FEEDBACK_MIP_REGION_USED_OPAQUE", Support::kNotATexture, kNone},
    {191, "A4B4G4R4_UNORM", kOk, Masks(16, 0xF000, 0xF00, 0xF0, 0xF, kRgba)},
};

// ASTC codes come in groups of four (TYPELESS, UNORM, UNORM_SRGB, unused) from 133.
constexpr uint32_t kFirstAstc = 133;
constexpr std::array<const char*, 14> kAstcBlocks = {"4X4",  "5X4",   "5X5",   "6X5",  "6X6",
                                                     "8X5",  "8X6",   "8X8",   "10X5", "10X6",
                                                     "10X8", "10X10", "12X10", "12X12"};

std::string AstcName(uint32_t code) {
  const uint32_t group = (code - kFirstAstc) / 4, variant = (code - kFirstAstc) % 4;
  if (group >= kAstcBlocks.size() || variant == 3) return "";
  static constexpr const char* kVariants[] = {"TYPELESS", "UNORM", "UNORM_SRGB"};
  return std::string("ASTC_") + kAstcBlocks[group] + "_" + kVariants[variant];
}

}  // namespace

FormatLookup LookUpDxgiFormat(uint32_t code, bool premultiplied) {
  FormatLookup result;
  if (code == 0) {
    result.error = InvalidData("The DX10 header gives no pixel format (DXGI format 0).");
    return result;
  }
  if (code >= kFirstAstc) {
    result.name = AstcName(code);
    if (!result.name.empty()) {
      result.error = Unsupported("DXGI format " + result.name +
                                 " is ASTC, a mobile texture format that desktop DDS readers "
                                 "do not decode; export the texture as BC7 instead.");
      return result;
    }
  }
  for (const DxgiEntry& entry : kDxgiFormats) {
    if (entry.code != code) continue;
    result.name = entry.name;
    result.format = entry.format;
    const std::string named = "DXGI format " + result.name;
    switch (entry.support) {
      case Support::kDecoded:
        if (premultiplied && result.format.output == OutputKind::kRgba32) {
          result.format.fixup = Fixup::kUnpremultiply;
        }
        break;
      case Support::kInteger:
        result.error = Unsupported(named + " holds raw integers, not colours; there is no " +
                                   "picture to convert.");
        break;
      case Support::kDepth:
        result.error = Unsupported(named + " is a depth/stencil buffer, not a picture.");
        break;
      case Support::kVideo:
        result.error =
            Unsupported(named + " is a video (YUV) format, not a texture this program converts.");
        break;
      case Support::kNotATexture:
        result.error = Unsupported(named + " is not a colour texture this program converts.");
        break;
    }
    return result;
  }
  result.error = Unsupported("The DX10 header names DXGI format " + std::to_string(code) +
                             ", which is not a known format.");
  return result;
}

}  // namespace tavrosine::dds
