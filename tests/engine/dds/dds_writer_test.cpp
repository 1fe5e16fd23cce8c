#include "dds_writer/dds_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "dds_writer/test_picture.h"
#include "engine/bitmap.h"
#include "support/rgba_compare.h"

namespace tavrosine {
namespace {

using dds_writer::DdsFormat;
using dds_writer::RgbaImage;

std::string Bytes(const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); }

// What a format keeps of the source: DXT1 turns alpha below 128 into transparent black and
// the rest opaque; opaque formats read back alpha 255.
RgbaImage Expected(const RgbaImage& source, DdsFormat format) {
  RgbaImage expected = source;
  for (size_t i = 0; i < expected.rgba.size(); i += 4) {
    uint8_t* p = &expected.rgba[i];
    if (format == DdsFormat::kDxt1) {
      if (p[3] < 128) p[0] = p[1] = p[2] = 0;
      p[3] = p[3] < 128 ? 0 : 255;
    }
    if (format == DdsFormat::kBgr8) p[3] = 255;
  }
  return expected;
}

struct FreeImageCase {
  DdsFormat format;
  int width, height;
  double min_psnr;  // over R, G, B
  int max_alpha_error;
};

class WriterThroughFreeImage : public ::testing::TestWithParam<FreeImageCase> {};

// FreeImage's own plugin is an independent decoder for the formats it handles correctly
// (multiple-of-4 sizes, 8-bit channels in ARGB order): it checks the writer before and
// independently of our reader.
TEST_P(WriterThroughFreeImage, DecodesCloseToTheSource) {
  const FreeImageCase& c = GetParam();
  const RgbaImage source = dds_writer::MakeTestPicture(c.width, c.height, 7, true);
  Bitmap decoded(testing::LoadWithFreeImage(Bytes(dds_writer::EncodeDds(source, c.format))));
  ASSERT_TRUE(decoded);
  const RgbaImage actual = testing::ToRgba(decoded.get());
  const RgbaImage expected = Expected(source, c.format);
  const auto colour = testing::Compare(actual, expected, 7);
  ASSERT_TRUE(colour.same_size) << actual.width << "x" << actual.height;
  EXPECT_GE(colour.psnr, c.min_psnr) << colour.first_mismatch;
  if (FreeImage_GetBPP(decoded.get()) == 32) {
    EXPECT_LE(testing::Compare(actual, expected, 8).max_error, c.max_alpha_error);
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, WriterThroughFreeImage,
                         ::testing::Values(FreeImageCase{DdsFormat::kBgr8, 20, 12, 99, 0},
                                           FreeImageCase{DdsFormat::kBgra8, 20, 12, 99, 0},
                                           FreeImageCase{DdsFormat::kDxt1, 64, 48, 30, 0},
                                           FreeImageCase{DdsFormat::kDxt5, 64, 48, 30, 12}));

TEST(TestPicture, IsDeterministicAndSeedDependent) {
  const RgbaImage a = dds_writer::MakeTestPicture(33, 17, 5, false);
  EXPECT_EQ(a.rgba, dds_writer::MakeTestPicture(33, 17, 5, false).rgba);
  EXPECT_NE(a.rgba, dds_writer::MakeTestPicture(33, 17, 6, false).rgba);
  const RgbaImage with_alpha = dds_writer::MakeTestPicture(64, 64, 5, true);
  int transparent = 0, partial = 0;
  for (size_t i = 3; i < with_alpha.rgba.size(); i += 4) {
    transparent += with_alpha.rgba[i] == 0;
    partial += with_alpha.rgba[i] > 0 && with_alpha.rgba[i] < 255;
  }
  EXPECT_GT(transparent, 0);
  EXPECT_GT(partial, 0);
}

TEST(WriterFormatNames, ParseEveryCliName) {
  for (const char* name : {"bgr", "bgra", "dxt1", "dxt5", "bc4", "bc5", "bc7"}) {
    EXPECT_TRUE(dds_writer::ParseDdsFormat(name)) << name;
  }
  EXPECT_FALSE(dds_writer::ParseDdsFormat("DXT1"));
  EXPECT_FALSE(dds_writer::ParseDdsFormat("bc6"));
}

}  // namespace
}  // namespace tavrosine
