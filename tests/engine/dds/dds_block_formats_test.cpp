// Block-compressed formats: whole files through the writer and the reader, and blocks
// built by hand for the encodings the writer never produces.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "dds_writer/dds_writer.h"
#include "dds_writer/test_picture.h"
#include "engine/dds/block_decoders.h"
#include "support/dds_bytes.h"
#include "support/dds_fixtures.h"
#include "support/rgba_compare.h"

namespace tavrosine {
namespace {

using dds::Rgba8;
using dds_writer::DdsFormat;
using dds_writer::RgbaImage;

std::string Encode(const RgbaImage& image, DdsFormat format) {
  const std::vector<uint8_t> bytes = dds_writer::EncodeDds(image, format);
  return std::string(bytes.begin(), bytes.end());
}

// What a lossless encoding of `source` decodes to in each format.
RgbaImage Expected(RgbaImage source, DdsFormat format) {
  for (size_t i = 0; i < source.rgba.size(); i += 4) {
    uint8_t* p = &source.rgba[i];
    switch (format) {
      case DdsFormat::kDxt1:
        if (p[3] < 128) p[0] = p[1] = p[2] = 0;
        p[3] = p[3] < 128 ? 0 : 255;
        break;
      case DdsFormat::kBgr8:
      case DdsFormat::kBc5:
        p[3] = 255;
        break;
      case DdsFormat::kBc4:
        p[1] = p[2] = p[0];
        p[3] = 255;
        break;
      default:
        break;
    }
  }
  return source;
}

struct RoundTripCase {
  DdsFormat format;
  int width, height;
  unsigned bpp;  // of the bitmap the pipeline receives
  bool bc7_exact;
};

class ExactRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

// Pictures the writer encodes losslessly must come back bit for bit, at every size: the
// edges of sizes that are not multiples of 4 are where readers crop or shear.
TEST_P(ExactRoundTrip, DecodesEveryPixelExactly) {
  const RoundTripCase& c = GetParam();
  const RgbaImage source = testing::TwoColourBlocks(c.width, c.height, 11, c.bc7_exact);
  const dds::DecodedDds decoded = testing::DecodeDdsString(Encode(source, c.format));
  ASSERT_TRUE(decoded.image) << decoded.error.message;
  EXPECT_EQ(Bpp(decoded.image), c.bpp);
  if (c.bpp == 8) {
    EXPECT_EQ(FreeImage_GetColorType(decoded.image.get()), FIC_MINISBLACK);
  }
  const int channels = c.format == DdsFormat::kBc5 ? 3 : 15;  // BC5's blue is rebuilt
  const auto diff =
      testing::Compare(testing::ToRgba(decoded.image.get()), Expected(source, c.format), channels);
  ASSERT_TRUE(diff.same_size);
  EXPECT_EQ(diff.max_error, 0) << diff.first_mismatch;
}

INSTANTIATE_TEST_SUITE_P(Sizes, ExactRoundTrip,
                         ::testing::Values(RoundTripCase{DdsFormat::kBgr8, 37, 21, 24, false},
                                           RoundTripCase{DdsFormat::kBgra8, 37, 21, 32, false},
                                           RoundTripCase{DdsFormat::kDxt1, 1, 1, 32, false},
                                           RoundTripCase{DdsFormat::kDxt1, 3, 5, 32, false},
                                           RoundTripCase{DdsFormat::kDxt1, 37, 21, 32, false},
                                           RoundTripCase{DdsFormat::kDxt5, 5, 3, 32, false},
                                           RoundTripCase{DdsFormat::kDxt5, 64, 64, 32, false},
                                           RoundTripCase{DdsFormat::kBc4, 7, 9, 8, false},
                                           RoundTripCase{DdsFormat::kBc5, 9, 7, 24, false},
                                           RoundTripCase{DdsFormat::kBc7, 6, 10, 32, true},
                                           RoundTripCase{DdsFormat::kBc7, 33, 17, 32, true}));

// On sizes FreeImage handles, its DXT decoder and ours must agree: two independent
// decoders of the same blocks.
TEST(BlockFormats, Dxt1AndDxt5AgreeWithFreeImage) {
  const RgbaImage source = dds_writer::MakeTestPicture(64, 32, 3, true);
  for (DdsFormat format : {DdsFormat::kDxt1, DdsFormat::kDxt5}) {
    const std::string file = Encode(source, format);
    const dds::DecodedDds ours = testing::DecodeDdsString(file);
    Bitmap theirs(testing::LoadWithFreeImage(file));
    ASSERT_TRUE(ours.image && theirs);
    const auto diff =
        testing::Compare(testing::ToRgba(ours.image.get()), testing::ToRgba(theirs.get()));
    EXPECT_LE(diff.max_error, 1) << diff.first_mismatch;
  }
}

TEST(BlockFormats, NaturalPicturesSurviveLossyEncoding) {
  const RgbaImage source = dds_writer::MakeTestPicture(130, 70, 9, false);
  for (DdsFormat format : {DdsFormat::kDxt1, DdsFormat::kDxt5, DdsFormat::kBc7}) {
    const dds::DecodedDds decoded = testing::DecodeDdsString(Encode(source, format));
    ASSERT_TRUE(decoded.image);
    EXPECT_GE(testing::Compare(testing::ToRgba(decoded.image.get()), source, 7).psnr, 32.0)
        << static_cast<int>(format);
  }
}

// Blocks built bit by bit, for encodings the writer never produces.
class BlockBuilder {
 public:
  BlockBuilder& Put(uint64_t value, int bits) {
    for (int i = 0; i < bits; ++i, ++position_) {
      if (value >> i & 1) bytes_[position_ / 8] |= static_cast<uint8_t>(1 << (position_ % 8));
    }
    return *this;
  }
  const uint8_t* data() const { return bytes_; }

 private:
  uint8_t bytes_[16] = {};
  int position_ = 0;
};

std::vector<Rgba8> Decode(dds::BlockDecoder decode, const BlockBuilder& block) {
  std::vector<Rgba8> out(16);
  decode(block.data(), out.data());
  return out;
}

using Quad = std::array<int, 4>;
Quad Px(const Rgba8& p) { return {p.r, p.g, p.b, p.a}; }

TEST(BlockFormats, Bc1SwitchesToThreeColoursAndTransparencyOnlyWhenAsked) {
  // colour0 (pure blue) <= colour1 (pure red): three colours and transparent black.
  BlockBuilder three;
  three.Put(0x001F, 16).Put(0xF800, 16).Put(0b11100100, 8);
  const auto bc1 = Decode(dds::DecodeBc1Block, three);
  EXPECT_EQ(Px(bc1[0]), (Quad{0, 0, 255, 255}));
  EXPECT_EQ(Px(bc1[1]), (Quad{255, 0, 0, 255}));
  EXPECT_EQ(Px(bc1[2]), (Quad{127, 0, 127, 255}));
  EXPECT_EQ(Px(bc1[3]), (Quad{0, 0, 0, 0}));
  // The same colour block inside BC3 always has four colours (FreeImage gets this wrong).
  BlockBuilder bc3_block;
  bc3_block.Put(255, 8).Put(255, 8).Put(0, 48).Put(0x001F, 16).Put(0xF800, 16).Put(0b11100100, 8);
  const auto bc3 = Decode(dds::DecodeBc3Block, bc3_block);
  EXPECT_EQ(Px(bc3[2]), (Quad{85, 0, 170, 255}));
  EXPECT_EQ(Px(bc3[3]), (Quad{170, 0, 85, 255}));
}

TEST(BlockFormats, InterpolatedChannelsHaveSixValueModeWithBlackAndWhite) {
  // first <= second: four interpolated values, then index 6 is 0 and index 7 is 255.
  BlockBuilder block;
  block.Put(50, 8).Put(250, 8);
  for (uint32_t index : {0u, 1u, 2u, 5u, 6u, 7u}) block.Put(index, 3);
  uint8_t values[16];
  dds::DecodeInterpolatedChannel(block.data(), values);
  const uint8_t expected[] = {50, 250, 90, 210, 0, 255};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(values[i], expected[i]) << i;
}

TEST(BlockFormats, SignedBc4MapsMinusOneToBlackAndTreatsMinus128AsMinus127) {
  BlockBuilder block;
  block.Put(0x7F, 8).Put(0x80, 8).Put(0, 3).Put(1, 3);
  const auto pixels = Decode(dds::DecodeBc4SnormBlock, block);
  EXPECT_EQ(Px(pixels[0]), (Quad{255, 255, 255, 255}));
  EXPECT_EQ(Px(pixels[1]), (Quad{0, 0, 0, 255}));
}

TEST(BlockFormats, Bc5RebuildsBlueOnlyThroughTheFileDecoder) {
  // A flat normal (0, 0, 1) is stored as red = green = 128 and comes back pointing up.
  std::vector<uint8_t> payload = {128, 128, 0, 0, 0, 0, 0, 0, 128, 128, 0, 0, 0, 0, 0, 0};
  const dds::DecodedDds decoded = testing::DecodeDdsString(testing::DdsFile(
      testing::FourCcHeader(4, 4, dds_writer::FourCc('A', 'T', 'I', '2')), payload));
  ASSERT_TRUE(decoded.image);
  const RgbaImage rgba = testing::ToRgba(decoded.image.get());
  EXPECT_EQ(rgba.Pixel(2, 2)[0], 128);
  EXPECT_EQ(rgba.Pixel(2, 2)[1], 128);
  EXPECT_EQ(rgba.Pixel(2, 2)[2], 255);
}

// Mode 2 (three subsets, 5-bit endpoints, 2-bit indices) is absent from the corpus.
TEST(BlockFormats, Bc7ModeTwoUsesThreeSubsetPartitionsAndAnchors) {
  // Partition 0: subsets 0,0,1,1 / 0,0,1,1 / 0,2,2,1 / 2,2,2,2; anchors 0, 3 and 15.
  const uint32_t ends[3][2][3] = {{{0, 0, 0}, {31, 31, 31}},   // grey ramp
                                  {{31, 0, 0}, {31, 0, 0}},    // red
                                  {{0, 0, 31}, {0, 31, 31}}};  // blue to cyan
  BlockBuilder block;
  block.Put(0b100, 3).Put(0, 6);
  for (int c = 0; c < 3; ++c) {
    for (int s = 0; s < 3; ++s) block.Put(ends[s][0][c], 5).Put(ends[s][1][c], 5);
  }
  const int indices[16] = {1, 2, 0, 1, 3, 0, 2, 3, 0, 1, 2, 3, 2, 3, 0, 1};
  for (int i = 0; i < 16; ++i)
    block.Put(static_cast<uint32_t>(indices[i]), i == 0 || i == 3 || i == 15 ? 1 : 2);
  const auto pixels = Decode(dds::DecodeBc7Block, block);
  const uint8_t ramp[4] = {0, 84, 171, 255};  // weights 0, 21, 43, 64 of 64
  EXPECT_EQ(Px(pixels[0]), (Quad{84, 84, 84, 255}));
  EXPECT_EQ(Px(pixels[1]), (Quad{171, 171, 171, 255}));
  EXPECT_EQ(Px(pixels[4]), (Quad{255, 255, 255, 255}));
  EXPECT_EQ(Px(pixels[2]), (Quad{255, 0, 0, 255}));
  EXPECT_EQ(Px(pixels[11]), (Quad{255, 0, 0, 255}));
  EXPECT_EQ(Px(pixels[9]), (Quad{0, ramp[1], 255, 255}));
  EXPECT_EQ(Px(pixels[15]), (Quad{0, ramp[1], 255, 255}));
  EXPECT_EQ(Px(pixels[13]), (Quad{0, ramp[3], 255, 255}));
}

TEST(BlockFormats, ReservedModesDecodeToDefinedPixels) {
  BlockBuilder zero;
  for (const Rgba8& p : Decode(dds::DecodeBc7Block, zero)) EXPECT_EQ(Px(p), (Quad{0, 0, 0, 0}));
  BlockBuilder reserved_bc6h;
  reserved_bc6h.Put(0b10011, 5).Put(0xFFFFFFFF, 32);
  for (const Rgba8& p : Decode(dds::DecodeBc6hUnsignedBlock, reserved_bc6h)) {
    EXPECT_EQ(Px(p), (Quad{0, 0, 0, 255}));
  }
}

// One flat DXT5 block (colour 66,65,0 from 5:6:5 values 8,16,0; alpha 128) read under the
// names and marks that change its meaning.
TEST(BlockFormats, Dxt5VariantsReinterpretTheSameBlock) {
  BlockBuilder block;
  block.Put(128, 8).Put(128, 8).Put(0, 48).Put(8 << 11 | 16 << 5, 16).Put(8 << 11 | 16 << 5, 16);
  const std::vector<uint8_t> payload(block.data(), block.data() + 16);
  auto header = [](const char* fourcc) {
    return testing::FourCcHeader(4, 4,
                                 dds_writer::FourCc(fourcc[0], fourcc[1], fourcc[2], fourcc[3]));
  };
  testing::DdsHeaderFields normal = header("DXT5");
  normal.pf_flags |= 0x80000000u;
  testing::DdsHeaderFields ycocg = header("DXT5");
  const std::string gimp = "GIMP-DDS";
  const struct {
    const char* name;
    testing::DdsHeaderFields header;
    const char* writer_tag;  // GIMP's mark for YCoCg
    unsigned bpp;
    Quad expected;
  } cases[] = {
      {"DXT5", header("DXT5"), nullptr, 32, {66, 65, 0, 128}},
      {"DXT4 is premultiplied", header("DXT4"), nullptr, 32, {131, 129, 0, 128}},
      {"RXGB keeps red in alpha", header("RXGB"), nullptr, 24, {128, 65, 0, 255}},
      {"normal map: X in alpha, Y in green", normal, nullptr, 24, {128, 65, 239, 255}},
      {"YCoCg: Co, Cg, Y in red, green, alpha", ycocg, "YCG1", 24, {129, 65, 253, 255}},
  };
  for (const auto& c : cases) {
    std::string bytes = testing::DdsFile(c.header, payload);
    if (c.writer_tag != nullptr) {
      bytes.replace(32, 8, gimp);
      bytes.replace(44, 4, c.writer_tag);
    }
    const dds::DecodedDds decoded = testing::DecodeDdsString(bytes);
    ASSERT_TRUE(decoded.image) << c.name;
    EXPECT_EQ(Bpp(decoded.image), c.bpp) << c.name;
    const RgbaImage rgba = testing::ToRgba(decoded.image.get());
    const uint8_t* p = rgba.Pixel(3, 3);
    EXPECT_EQ((Quad{p[0], p[1], p[2], p[3]}), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace tavrosine
