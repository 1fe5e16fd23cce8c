// Formats stored pixel by pixel: every layout decodes exactly to what its definition says,
// in the bitmap depth the pipeline expects.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <initializer_list>
#include <limits>
#include <vector>

#include "dds_writer/dds_header_writer.h"
#include "support/dds_bytes.h"
#include "support/dds_fixtures.h"
#include "support/rgba_compare.h"

namespace tavrosine {
namespace {

using namespace dds_writer;
using Quad = std::array<int, 4>;

// Every case is a 2x1 picture.
struct PixelCase {
  const char* name;
  DdsHeaderFields header;
  std::vector<uint8_t> payload;
  unsigned bpp;
  Quad first, second;  // RGBA as the pipeline sees it; 255 alpha where the bitmap has none
};

DdsHeaderFields Masks(uint32_t flags, uint32_t bits, uint32_t r, uint32_t g, uint32_t b,
                      uint32_t a) {
  return testing::MaskHeader(2, 1, flags, bits, r, g, b, a);
}
DdsHeaderFields Dxgi(uint32_t format, uint32_t alpha_mode = 0) {
  DdsHeaderFields h = testing::Dx10Header(2, 1, format);
  h.misc_flags2 = alpha_mode;
  return h;
}
DdsHeaderFields D3dFormat(uint32_t code) { return testing::FourCcHeader(2, 1, code); }

std::vector<uint8_t> Le(int bytes, std::initializer_list<uint64_t> values) {
  std::vector<uint8_t> out;
  for (uint64_t v : values) {
    for (int k = 0; k < bytes; ++k) out.push_back(static_cast<uint8_t>(v >> (8 * k)));
  }
  return out;
}
std::vector<uint8_t> Floats(std::initializer_list<float> values) {
  std::vector<uint8_t> out;
  for (float f : values) {
    const auto v = std::bit_cast<uint32_t>(f);
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<uint8_t>(v >> (8 * k)));
  }
  return out;
}

constexpr uint32_t kRgb = kDdpfRgb, kRgba = kDdpfRgb | kDdpfAlphaPixels;
constexpr uint32_t kLum = kDdpfLuminance, kBump = 0x80000;
constexpr uint16_t kHalfOne = 0x3C00, kHalfHalf = 0x3800, kHalfTwo = 0x4000, kHalfMinusOne = 0xBC00,
                   kHalfQuarter = 0x3400;

const PixelCase kCases[] = {
    // Legacy bit masks. Narrow channels widen by bit replication: 5-bit 16 -> 132,
    // 3-bit 5 -> 182, 2-bit 1 -> 85, 2-bit alpha 2 -> 170; 10-bit keeps its top 8 bits.
    {"A8R8G8B8",
     Masks(kRgba, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000),
     Le(4, {0x40302010, 0xFF000000}),
     32,
     {0x30, 0x20, 0x10, 0x40},
     {0, 0, 0, 255}},
    {"X8R8G8B8",
     Masks(kRgb, 32, 0xFF0000, 0xFF00, 0xFF, 0),
     Le(4, {0x40302010, 0x00FFFFFF}),
     24,
     {0x30, 0x20, 0x10, 255},
     {255, 255, 255, 255}},
    {"A8B8G8R8",
     Masks(kRgba, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000),
     Le(4, {0x40302010, 0x01020304}),
     32,
     {0x10, 0x20, 0x30, 0x40},
     {4, 3, 2, 1}},
    {"R8G8B8",
     Masks(kRgb, 24, 0xFF0000, 0xFF00, 0xFF, 0),
     Le(3, {0x302010, 0x0000FF}),
     24,
     {0x30, 0x20, 0x10, 255},
     {0, 0, 255, 255}},
    {"B8G8R8",
     Masks(kRgb, 24, 0xFF, 0xFF00, 0xFF0000, 0),
     Le(3, {0x302010, 0x0000FF}),
     24,
     {0x10, 0x20, 0x30, 255},
     {255, 0, 0, 255}},
    {"R5G6B5",
     Masks(kRgb, 16, 0xF800, 0x7E0, 0x1F, 0),
     Le(2, {0x8000, 0x07E0}),
     24,
     {132, 0, 0, 255},
     {0, 255, 0, 255}},
    {"A1R5G5B5",
     Masks(kRgba, 16, 0x7C00, 0x3E0, 0x1F, 0x8000),
     Le(2, {0x8000 | 0x4000, 0x001F}),
     32,
     {132, 0, 0, 255},
     {0, 0, 255, 0}},
    {"A4R4G4B4",
     Masks(kRgba, 16, 0xF00, 0xF0, 0xF, 0xF000),
     Le(2, {0x4321, 0xF0A0}),
     32,
     {0x33, 0x22, 0x11, 0x44},
     {0, 0xAA, 0, 0xFF}},
    {"R3G3B2",
     Masks(kRgb, 8, 0xE0, 0x1C, 0x3, 0),
     {0b10101001, 0xFF},
     24,
     {182, 73, 85, 255},
     {255, 255, 255, 255}},
    {"A2B10G10R10",
     Masks(kRgba, 32, 0x3FF, 0xFFC00, 0x3FF00000, 0xC0000000),
     Le(4, {0x3FFu | 0x200u << 10 | 1u << 20 | 2u << 30, 0}),
     32,
     {255, 128, 0, 170},
     {0, 0, 0, 0}},
    {"L8", Masks(kLum, 8, 0xFF, 0, 0, 0), {0x80, 0x07}, 8, {128, 128, 128, 255}, {7, 7, 7, 255}},
    {"A8L8",
     Masks(kLum | kDdpfAlphaPixels, 16, 0xFF, 0, 0, 0xFF00),
     Le(2, {0x8040, 0xFF00}),
     32,
     {0x40, 0x40, 0x40, 0x80},
     {0, 0, 0, 255}},
    {"L16",
     Masks(kLum, 16, 0xFFFF, 0, 0, 0),
     Le(2, {0xABCD, 0x00FF}),
     8,
     {0xAB, 0xAB, 0xAB, 255},
     {0, 0, 0, 255}},
    {"L8 mask written for 32 bits",
     Masks(kLum, 8, 0xFF000000, 0xFF000000, 0xFF000000, 0),
     {0x80, 0x07},
     8,
     {128, 128, 128, 255},
     {7, 7, 7, 255}},
    {"A8", Masks(kDdpfAlpha, 8, 0, 0, 0, 0xFF), {0x80, 0xFF}, 32, {0, 0, 0, 0x80}, {0, 0, 0, 255}},
    {"G16R16 normal",
     Masks(kRgb, 32, 0xFFFF, 0xFFFF0000, 0, 0),
     Le(4, {0x80008000, 0x8000FFFF}),
     24,
     {128, 128, 255, 255},
     {255, 128, 128, 255}},
    {"V8U8 signed normal",
     Masks(kBump, 16, 0xFF, 0xFF00, 0, 0),
     Le(2, {0x0000, 0x817F}),
     24,
     {128, 128, 255, 255},
     {255, 0, 128, 255}},
    {"unnamed R4G4B4 masks",
     Masks(kRgb, 16, 0xF000, 0x0F00, 0x00F0, 0),
     Le(2, {0x1230, 0xF000}),
     24,
     {0x11, 0x22, 0x33, 255},
     {255, 0, 0, 255}},
    {"RGB with masks missing",
     Masks(kRgb, 24, 0, 0, 0, 0),
     Le(3, {0x302010, 0}),
     24,
     {0x30, 0x20, 0x10, 255},
     {0, 0, 0, 255}},
    // DX10 formats.
    {"R8G8B8A8_UNORM", Dxgi(28), {1, 2, 3, 4, 5, 6, 7, 8}, 32, {1, 2, 3, 4}, {5, 6, 7, 8}},
    {"R8G8B8A8 premultiplied",
     Dxgi(28, 2),
     {64, 32, 0, 128, 9, 9, 9, 0},
     32,
     {128, 64, 0, 128},
     {9, 9, 9, 0}},
    {"B8G8R8X8_UNORM_SRGB", Dxgi(93), {1, 2, 3, 4, 5, 6, 7, 8}, 24, {3, 2, 1, 255}, {7, 6, 5, 255}},
    {"B8G8R8A8_TYPELESS", Dxgi(90), {1, 2, 3, 4, 5, 6, 7, 8}, 32, {3, 2, 1, 4}, {7, 6, 5, 8}},
    {"R10G10B10A2_UNORM",
     Dxgi(24),
     Le(4, {0x3FFu | 0x200u << 10 | 1u << 20 | 2u << 30, 0}),
     32,
     {255, 128, 0, 170},
     {0, 0, 0, 0}},
    {"B5G6R5_UNORM", Dxgi(85), Le(2, {0x8000, 0x001F}), 24, {132, 0, 0, 255}, {0, 0, 255, 255}},
    {"B4G4R4A4_UNORM", Dxgi(115), Le(2, {0x4321, 0}), 32, {0x33, 0x22, 0x11, 0x44}, {0, 0, 0, 0}},
    {"R8_SNORM", Dxgi(63), {0x81, 0x7F}, 8, {0, 0, 0, 255}, {255, 255, 255, 255}},
    {"R8G8_UNORM normal",
     Dxgi(49),
     {128, 128, 255, 128},
     24,
     {128, 128, 255, 255},
     {255, 128, 128, 255}},
    {"A8_UNORM", Dxgi(65), {0x80, 0}, 32, {0, 0, 0, 0x80}, {0, 0, 0, 0}},
    {"R16_UNORM",
     Dxgi(56),
     Le(2, {0xFF00, 0x1234}),
     8,
     {255, 255, 255, 255},
     {0x12, 0x12, 0x12, 255}},
    {"R16_FLOAT",
     Dxgi(54),
     Le(2, {kHalfHalf, kHalfTwo}),
     8,
     {128, 128, 128, 255},
     {255, 255, 255, 255}},
    {"R16G16B16A16_FLOAT clamps",
     Dxgi(10),
     Le(2, {kHalfTwo, kHalfMinusOne, kHalfQuarter, kHalfOne, 0, 0, 0, 0}),
     32,
     {255, 0, 64, 255},
     {0, 0, 0, 0}},
    {"R16G16B16A16_UNORM",
     Dxgi(11),
     Le(2, {0x1234, 0xFFFF, 0, 0x8000, 0, 0, 0, 0}),
     32,
     {0x12, 255, 0, 128},
     {0, 0, 0, 0}},
    {"R32_FLOAT", Dxgi(41), Floats({0.5f, 7.0f}), 8, {128, 128, 128, 255}, {255, 255, 255, 255}},
    {"R32G32B32A32_FLOAT NaN is black",
     Dxgi(2),
     Floats({std::numeric_limits<float>::quiet_NaN(), 1.0f, 0.25f, 1.0f, 0, 0, 0, 0}),
     32,
     {0, 255, 64, 255},
     {0, 0, 0, 0}},
    {"R11G11B10_FLOAT",
     Dxgi(26),
     Le(4, {0x3C0u | 0x1E0u << 22, 0}),
     24,
     {255, 0, 255, 255},
     {0, 0, 0, 255}},
    {"R9G9B9E5_SHAREDEXP",
     Dxgi(67),
     Le(4, {256u | 128u << 9 | 16u << 27, 0}),
     24,
     {255, 128, 0, 255},
     {0, 0, 0, 255}},
    // Direct3D 9 format numbers in the FourCC field.
    {"D3DFMT_A16B16G16R16F",
     D3dFormat(113),
     Le(2, {kHalfTwo, kHalfMinusOne, kHalfQuarter, kHalfOne, 0, 0, 0, 0}),
     32,
     {255, 0, 64, 255},
     {0, 0, 0, 0}},
    {"D3DFMT_R16F", D3dFormat(111), Le(2, {kHalfHalf, 0}), 8, {128, 128, 128, 255}, {0, 0, 0, 255}},
    {"D3DFMT_G32R32F normal",
     D3dFormat(115),
     Floats({0.5f, 0.5f, 1.0f, 0.5f}),
     24,
     {128, 128, 255, 255},
     {255, 128, 128, 255}},
};

class PixelFormats : public ::testing::TestWithParam<PixelCase> {};

TEST_P(PixelFormats, DecodeExactly) {
  const PixelCase& c = GetParam();
  const dds::DecodedDds decoded = testing::DecodeDdsString(testing::DdsFile(c.header, c.payload));
  ASSERT_TRUE(decoded.image) << decoded.error.message;
  ASSERT_EQ(Bpp(decoded.image), c.bpp);
  if (c.bpp == 8) {
    EXPECT_EQ(FreeImage_GetColorType(decoded.image.get()), FIC_MINISBLACK);
  }
  const testing::RgbaImage rgba = testing::ToRgba(decoded.image.get());
  for (int x = 0; x < 2; ++x) {
    const uint8_t* p = rgba.Pixel(x, 0);
    EXPECT_EQ((Quad{p[0], p[1], p[2], p[3]}), x == 0 ? c.first : c.second) << "pixel " << x;
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, PixelFormats, ::testing::ValuesIn(kCases), [](const auto& info) {
  std::string name;
  for (const char* s = info.param.name; *s; ++s) {
    if (std::isalnum(static_cast<unsigned char>(*s))) name += *s;
  }
  return name;
});

// Palette entries are red, green, blue, alpha. Alpha that is 0 (the old flags byte) or 255
// for every used colour means an opaque picture.
TEST(PaletteFormat, AlphaOnlyWhenThePaletteHasSome) {
  std::vector<uint8_t> palette(1024, 0);
  const uint8_t entries[3][4] = {{10, 20, 30, 0}, {40, 50, 60, 0}, {70, 80, 90, 128}};
  for (int k = 0; k < 3; ++k) std::copy_n(entries[k], 4, palette.begin() + 4 * k);
  DdsHeaderFields h = Masks(kDdpfPaletteIndexed8, 8, 0, 0, 0, 0);
  struct {
    std::vector<uint8_t> indices;
    unsigned bpp;
    Quad second;
  } cases[] = {{{0, 1}, 24, {40, 50, 60, 255}}, {{0, 2}, 32, {70, 80, 90, 128}}};
  for (const auto& c : cases) {
    std::vector<uint8_t> payload = palette;
    payload.resize(palette.size() + c.indices.size());
    std::copy(c.indices.begin(), c.indices.end(), payload.begin() + 1024);
    const dds::DecodedDds decoded = testing::DecodeDdsString(testing::DdsFile(h, payload));
    ASSERT_TRUE(decoded.image) << decoded.error.message;
    EXPECT_EQ(Bpp(decoded.image), c.bpp);
    const testing::RgbaImage rgba = testing::ToRgba(decoded.image.get());
    const uint8_t* p = rgba.Pixel(1, 0);
    EXPECT_EQ((Quad{p[0], p[1], p[2], p[3]}), c.second);
  }
}

}  // namespace
}  // namespace tavrosine
