// What the written JPEG files hold: depth, coding mode, chroma sampling and pixels.
#include <FreeImage.h>
#include <gtest/gtest.h>

#include <cmath>

#include "dds_writer/test_picture.h"
#include "engine/bitmap.h"
#include "support/run_program.h"
#include "support/textures.h"

namespace tavrosine::testing {
namespace {

struct JpegFrame {
  int marker = 0;  // 0xC0 baseline, 0xC2 progressive, ...
  int components = 0;
  int luma_sampling = 0;  // horizontal << 4 | vertical, of the first component
};

// Reads the first start-of-frame segment of a JPEG file.
JpegFrame ReadFrame(const std::string& bytes) {
  for (size_t i = 2; i + 10 < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) != 0xFF) return {};
    const int marker = static_cast<unsigned char>(bytes[i + 1]);
    const int length = (static_cast<unsigned char>(bytes[i + 2]) << 8) |
                       static_cast<unsigned char>(bytes[i + 3]);
    if (marker >= 0xC0 && marker <= 0xC3) {
      return {marker, static_cast<unsigned char>(bytes[i + 9]),
              static_cast<unsigned char>(bytes[i + 11])};
    }
    i += 2 + length;
  }
  return {};
}

class JpegOutput : public ::testing::Test {
 protected:
  void SetUp() override { WriteTexture(dir_, "a.dds", 64, 48, dds_writer::DdsFormat::kBgra8, 7); }
  std::string Convert(std::vector<std::string> options) {
    options.insert(options.begin(), {"-q", "-i", "a.dds"});
    const ProgramResult result = RunTavrosine(options, dir_.Folder());
    EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
    return ReadFileBytes(dir_.path() / "a.jpg");
  }
  TempDir dir_;
};

TEST_F(JpegOutput, SaveFlagsReachTheEncoder) {
  struct Case {
    std::vector<std::string> options;
    int marker;
    int components;
    int luma_sampling;
  } cases[] = {
      {{}, 0xC0, 3, 0x11},  // defaults: quality 95, no chroma subsampling, baseline
      {{"--jpg-save-as=progressive"}, 0xC2, 3, 0x11},
      {{"--jpg-chroma=medium"}, 0xC0, 3, 0x22},
      {{"--jpg-chroma=low"}, 0xC0, 3, 0x21},
      {{"--jpg-bpp=8"}, 0xC0, 1, 0x11},  // 8 bits means a greyscale JPEG
  };
  for (const Case& c : cases) {
    const JpegFrame frame = ReadFrame(Convert(c.options));
    EXPECT_EQ(frame.marker, c.marker) << ::testing::PrintToString(c.options);
    EXPECT_EQ(frame.components, c.components) << ::testing::PrintToString(c.options);
    EXPECT_EQ(frame.luma_sampling, c.luma_sampling) << ::testing::PrintToString(c.options);
  }
  EXPECT_LT(Convert({"--jpg-quality=10"}).size(), Convert({"--jpg-quality=100"}).size());
}

TEST_F(JpegOutput, PixelsMatchTheTexture) {
  const std::string jpeg = Convert({});
  FIMEMORY* memory = FreeImage_OpenMemory(reinterpret_cast<BYTE*>(const_cast<char*>(jpeg.data())),
                                          static_cast<DWORD>(jpeg.size()));
  const Bitmap decoded = AdoptBitmap(FreeImage_LoadFromMemory(FIF_JPEG, memory, 0));
  FreeImage_CloseMemory(memory);
  ASSERT_TRUE(decoded);
  ASSERT_EQ(Width(decoded), 64u);
  ASSERT_EQ(Height(decoded), 48u);
  const dds_writer::RgbaImage source = dds_writer::MakeTestPicture(64, 48, 7, true);
  double squared_error = 0;
  for (unsigned y = 0; y < 48; ++y) {
    const BYTE* row = FreeImage_GetScanLine(decoded.get(), 47 - y);  // bottom-up rows
    for (unsigned x = 0; x < 64; ++x) {
      const uint8_t* want = source.Pixel(static_cast<int>(x), static_cast<int>(y));
      const int channels[3][2] = {{row[x * 3 + FI_RGBA_RED], want[0]},
                                  {row[x * 3 + FI_RGBA_GREEN], want[1]},
                                  {row[x * 3 + FI_RGBA_BLUE], want[2]}};
      for (const auto& [got, expected] : channels) squared_error += (got - expected) * (got - expected);
    }
  }
  const double psnr = 10 * std::log10(255.0 * 255.0 / (squared_error / (64 * 48 * 3)));
  EXPECT_GT(psnr, 35.0);  // quality 95 without subsampling
}

}  // namespace
}  // namespace tavrosine::testing
