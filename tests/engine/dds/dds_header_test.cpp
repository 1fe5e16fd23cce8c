// The header stage: damaged files get one specific error before any pixel memory exists,
// and the mistakes of known writers are tolerated.

#include "engine/dds/dds_header.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "dds_writer/dds_writer.h"
#include "dds_writer/test_picture.h"
#include "support/dds_bytes.h"
#include "support/dds_fixtures.h"
#include "support/rgba_compare.h"

namespace tavrosine {
namespace {

using dds::DdsErrorKind;
using dds_writer::DdsFormat;
using dds_writer::FourCc;
using testing::DdsFile;
using testing::DdsHeaderFields;

const dds_writer::RgbaImage kPicture = dds_writer::MakeTestPicture(8, 8, 4, true);
const std::vector<uint8_t> kDxt1Blocks = dds_writer::EncodePixels(kPicture, DdsFormat::kDxt1);

DdsHeaderFields Dxt1Header() { return testing::FourCcHeader(8, 8, FourCc('D', 'X', 'T', '1')); }

std::string Cut(std::string bytes, size_t size) {
  bytes.resize(size);
  return bytes;
}

struct BadFile {
  const char* name;
  std::function<std::string()> bytes;
  DdsErrorKind kind;
  const char* message_part;
};

class DamagedHeaders : public ::testing::TestWithParam<BadFile> {};

TEST_P(DamagedHeaders, GiveOneSpecificError) {
  const BadFile& c = GetParam();
  const std::string bytes = c.bytes();
  const dds::ParsedHeader parsed = dds::ParseDdsHeader(testing::AsBytes(bytes));
  EXPECT_EQ(parsed.error.kind, c.kind) << parsed.error.message;
  EXPECT_NE(parsed.error.message.find(c.message_part), std::string::npos) << parsed.error.message;
  // The decoder stops at the same point with the same sentence.
  const dds::DecodedDds decoded = testing::DecodeDdsString(bytes);
  EXPECT_FALSE(decoded.image);
  EXPECT_EQ(decoded.error.message, parsed.error.message);
}

DdsHeaderFields With(DdsHeaderFields h, const std::function<void(DdsHeaderFields&)>& change) {
  change(h);
  return h;
}

std::string Dx10(uint32_t format) { return DdsFile(testing::Dx10Header(4, 4, format), {}); }

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedHeaders,
    ::testing::Values(
        BadFile{"Empty", [] { return std::string(); }, DdsErrorKind::kInvalidData, "empty"},
        BadFile{"NotDds", [] { return std::string(200, 'x'); }, DdsErrorKind::kInvalidData,
                "not a DDS file"},
        BadFile{"CutHeader", [] { return Cut(DdsFile(Dxt1Header(), kDxt1Blocks), 118); },
                DdsErrorKind::kTruncated, "ends after 118 bytes, inside the 128-byte"},
        BadFile{"CutDx10Header", [] { return Cut(Dx10(71), 140); }, DdsErrorKind::kTruncated,
                "148-byte DX10 header"},
        BadFile{"TruncatedPixels", [] { return Cut(DdsFile(Dxt1Header(), kDxt1Blocks), 138); },
                DdsErrorKind::kTruncated,
                "Truncated: needs 32 bytes of pixel data, the file holds 10."},
        BadFile{"SizeBomb",
                [] {
                  return DdsFile(testing::FourCcHeader(32768, 32768, FourCc('D', 'X', 'T', '5')),
                                 {});
                },
                DdsErrorKind::kTruncated, "needs 1073741824 bytes"},
        BadFile{"ZeroWidth",
                [] { return DdsFile(With(Dxt1Header(), [](auto& h) { h.width = 0; }), {}); },
                DdsErrorKind::kInvalidData, "0x8"},
        BadFile{"TooWide",
                [] { return DdsFile(With(Dxt1Header(), [](auto& h) { h.width = 70000; }), {}); },
                DdsErrorKind::kTooLarge, "up to 65536 pixels per side"},
        BadFile{"VolumeNeedsEverySlice",
                [] {
                  return DdsFile(With(Dxt1Header(),
                                      [](auto& h) {
                                        h.flags |= dds_writer::kDdsdDepth;
                                        h.depth = 3;
                                      }),
                                 kDxt1Blocks);
                },
                DdsErrorKind::kTruncated, "needs 96 bytes"},
        BadFile{"DepthFormat", [] { return Dx10(45); }, DdsErrorKind::kUnsupportedFormat,
                "D24_UNORM_S8_UINT is a depth/stencil"},
        BadFile{"Astc", [] { return Dx10(134); }, DdsErrorKind::kUnsupportedFormat,
                "ASTC_4X4_UNORM"},
        BadFile{"Video", [] { return Dx10(103); }, DdsErrorKind::kUnsupportedFormat,
                "NV12 is a video"},
        BadFile{"IntegerFormat", [] { return Dx10(30); }, DdsErrorKind::kUnsupportedFormat,
                "R8G8B8A8_UINT holds raw integers"},
        BadFile{"UnknownDxgi", [] { return Dx10(250); }, DdsErrorKind::kUnsupportedFormat,
                "DXGI format 250"},
        BadFile{"NoDxgiFormat", [] { return Dx10(0); }, DdsErrorKind::kInvalidData,
                "no pixel format"},
        BadFile{"Buffer",
                [] {
                  return DdsFile(With(testing::Dx10Header(4, 4, 71),
                                      [](auto& h) { h.resource_dimension = 1; }),
                                 {});
                },
                DdsErrorKind::kUnsupportedFormat, "buffer"},
        BadFile{"UnknownFourCc",
                [] { return DdsFile(testing::FourCcHeader(4, 4, FourCc('A', 'B', 'C', 'D')), {}); },
                DdsErrorKind::kUnsupportedFormat, "'ABCD'"},
        BadFile{"EmptyFourCc", [] { return DdsFile(testing::FourCcHeader(4, 4, 0), {}); },
                DdsErrorKind::kInvalidData, "gives none"},
        BadFile{"OverlappingMasks",
                [] {
                  return DdsFile(
                      testing::MaskHeader(2, 2, dds_writer::kDdpfRgb, 16, 0xFF00, 0x0FF0, 0xF, 0),
                      std::vector<uint8_t>(8));
                },
                DdsErrorKind::kInvalidData, "bit masks"},
        BadFile{"OddBitCount",
                [] {
                  return DdsFile(
                      testing::MaskHeader(2, 2, dds_writer::kDdpfRgb, 12, 0xF00, 0xF0, 0xF, 0),
                      std::vector<uint8_t>(8));
                },
                DdsErrorKind::kUnsupportedFormat, "12 bits per pixel"},
        BadFile{"FourBitPalette",
                [] {
                  return DdsFile(With(Dxt1Header(),
                                      [](auto& h) {
                                        h.pf_flags = 0x8;
                                        h.fourcc = 0x40;  // as in a real file
                                      }),
                                 {});
                },
                DdsErrorKind::kUnsupportedFormat, "4-bit palette"}),
    [](const auto& info) { return std::string(info.param.name); });

// Each change is one a real writer makes; the picture must come out as if it had not.
TEST(DdsHeader, ToleratesKnownWriterMistakes) {
  const dds::DecodedDds clean = testing::DecodeDdsString(DdsFile(Dxt1Header(), kDxt1Blocks));
  ASSERT_TRUE(clean.image);
  const auto expected = testing::ToRgba(clean.image.get());
  const struct {
    const char* name;
    std::function<void(DdsHeaderFields&)> change;
  } mistakes[] = {{"header size 24", [](auto& h) { h.header_size = 24; }},
                  {"header size 0", [](auto& h) { h.header_size = 0; }},
                  {"pixel format size 0", [](auto& h) { h.pf_size = 0; }},
                  {"pixel format size 24", [](auto& h) { h.pf_size = 24; }},
                  {"wrong linear size", [](auto& h) { h.pitch_or_linear_size = 12345; }},
                  {"no flags", [](auto& h) { h.flags = 0; }},
                  {"FourCC without its flag", [](auto& h) { h.pf_flags = 0; }},
                  {"too many mips", [](auto& h) { h.mip_count = 40; }},
                  {"depth flag with depth 0", [](auto& h) {
                     h.flags |= dds_writer::kDdsdDepth;
                     h.depth = 0;
                   }}};
  for (const auto& mistake : mistakes) {
    const dds::DecodedDds decoded =
        testing::DecodeDdsString(DdsFile(With(Dxt1Header(), mistake.change), kDxt1Blocks));
    ASSERT_TRUE(decoded.image) << mistake.name << ": " << decoded.error.message;
    EXPECT_EQ(testing::ToRgba(decoded.image.get()).rgba, expected.rgba) << mistake.name;
  }
  const struct {
    const char* name;
    std::function<void(DdsHeaderFields&)> change;
  } dx10_mistakes[] = {{"resource dimension 0", [](auto& h) { h.resource_dimension = 0; }},
                       {"array size 0", [](auto& h) { h.array_size = 0; }}};
  for (const auto& mistake : dx10_mistakes) {
    const dds::DecodedDds decoded = testing::DecodeDdsString(
        DdsFile(With(testing::Dx10Header(8, 8, 71), mistake.change), kDxt1Blocks));
    ASSERT_TRUE(decoded.image) << mistake.name << ": " << decoded.error.message;
    EXPECT_EQ(testing::ToRgba(decoded.image.get()).rgba, expected.rgba) << mistake.name;
  }
}

// Cubemaps, arrays, volumes and mip chains: the first surface at its largest level, and
// nothing more is required of the file than that level.
TEST(DdsHeader, DecodesTheFirstSurfaceOfLargerTextures) {
  const auto other =
      dds_writer::EncodePixels(dds_writer::MakeTestPicture(8, 8, 99, true), DdsFormat::kDxt1);
  std::vector<uint8_t> two_surfaces = kDxt1Blocks;
  two_surfaces.insert(two_surfaces.end(), other.begin(), other.end());
  const auto expected =
      testing::ToRgba(testing::DecodeDdsString(DdsFile(Dxt1Header(), kDxt1Blocks)).image.get());
  const struct {
    const char* name;
    DdsHeaderFields header;
    std::vector<uint8_t> payload;
  } cases[] = {
      {"cubemap with one face written",
       With(Dxt1Header(),
            [](auto& h) { h.caps2 = dds_writer::kCaps2Cubemap | dds_writer::kCaps2AllFaces; }),
       kDxt1Blocks},
      {"mip chain declared, top level written",
       With(Dxt1Header(), [](auto& h) { h.mip_count = 4; }), kDxt1Blocks},
      {"DX10 array of two", With(testing::Dx10Header(8, 8, 71), [](auto& h) { h.array_size = 2; }),
       two_surfaces},
      {"volume of two slices",
       With(testing::Dx10Header(8, 8, 71),
            [](auto& h) {
              h.resource_dimension = 4;
              h.depth = 2;
            }),
       two_surfaces},
  };
  for (const auto& c : cases) {
    const dds::DecodedDds decoded = testing::DecodeDdsString(DdsFile(c.header, c.payload));
    ASSERT_TRUE(decoded.image) << c.name << ": " << decoded.error.message;
    EXPECT_EQ(testing::ToRgba(decoded.image.get()).rgba, expected.rgba) << c.name;
  }
}

TEST(DdsHeader, DescribesWhatItFound) {
  const std::string bytes = DdsFile(With(testing::Dx10Header(8, 4, 99),
                                         [](auto& h) {
                                           h.misc_flag = 4;  // cubemap
                                           h.mip_count = 3;
                                         }),
                                    std::vector<uint8_t>(2 * 16));
  const dds::ParsedHeader parsed = dds::ParseDdsHeader(testing::AsBytes(bytes));
  ASSERT_FALSE(parsed.error) << parsed.error.message;
  const dds::DdsDescription& d = parsed.description;
  EXPECT_EQ(d.format_name, "BC7_UNORM_SRGB");
  EXPECT_TRUE(d.dx10);
  EXPECT_EQ(d.faces, 6u);
  EXPECT_EQ(d.mip_count, 3u);
  EXPECT_EQ(d.data_offset, 148u);
  EXPECT_EQ(d.bytes_needed, 32u);
}

// Every DXGI code either decodes, in a depth that matches its kind, or is refused with a
// message that names it: no code falls through the table unnoticed.
TEST(DdsHeader, EveryDxgiCodeDecodesOrIsNamed) {
  int decoded_formats = 0;
  for (uint32_t code = 1; code <= 200; ++code) {
    SCOPED_TRACE(code);
    // Enough data for a 4x4 surface of any format (16 bytes per pixel at most).
    const std::string bytes = DdsFile(testing::Dx10Header(4, 4, code), std::vector<uint8_t>(256));
    const dds::ParsedHeader parsed = dds::ParseDdsHeader(testing::AsBytes(bytes));
    const dds::DecodedDds decoded = testing::DecodeDdsString(bytes);
    if (decoded.image) {
      ++decoded_formats;
      EXPECT_FALSE(parsed.description.format_name.empty());
      const unsigned expected_bpp = parsed.description.format.output == dds::OutputKind::kGrey8 ? 8
                                    : parsed.description.format.output == dds::OutputKind::kRgb24
                                        ? 24
                                        : 32;
      EXPECT_EQ(Bpp(decoded.image), expected_bpp);
    } else {
      const std::string& message = decoded.error.message;
      const bool named = !parsed.description.format_name.empty() &&
                         message.find(parsed.description.format_name) != std::string::npos;
      EXPECT_TRUE(named || message.find(std::to_string(code)) != std::string::npos) << message;
      EXPECT_EQ(decoded.error.kind, DdsErrorKind::kUnsupportedFormat) << message;
    }
  }
  // BC1-BC7 (22 codes), 8-bit colour, 16-bit and float layouts, packed and small formats.
  EXPECT_EQ(decoded_formats, 66);
}

}  // namespace
}  // namespace tavrosine
