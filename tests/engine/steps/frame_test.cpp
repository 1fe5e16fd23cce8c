#include "engine/steps/frame.h"

#include <gtest/gtest.h>

#include "engine/steps/drawing_support.h"
#include "step_test_util.h"

namespace tavrosine {
namespace {

using testing::Near;
using testing::PatternImage;
using testing::ReadPixel;
using testing::Rgba;
using testing::SamePixels;
using testing::SolidImage;

constexpr Rgba kWhite{255, 255, 255};
constexpr Rgba kRed{255, 0, 0};

ConversionSettings Frame(int width, const char* color, int opacity = 255) {
  ConversionSettings settings;
  settings.do_frame = 1;
  settings.fr_solid_left = settings.fr_solid_right = width;
  settings.fr_solid_top = settings.fr_solid_bottom = width;
  settings.fr_solid_left_color = settings.fr_solid_right_color = color;
  settings.fr_solid_top_color = settings.fr_solid_bottom_color = color;
  settings.fr_solid_opacity = opacity;
  return settings;
}

bool InBorder(int x, int y, int w, int h, int band) {
  return x < band || y < band || x >= w - band || y >= h - band;
}

class FrameTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(PrepareDrawing()); }
};

TEST_F(FrameTest, OffLeavesTheImageAndZeroWidthsOnlyChangeTheDepth) {
  ConversionSettings settings = Frame(0, "FF0000");
  const Bitmap original = PatternImage(20, 10, 32);
  const Bitmap result = ApplyFrame(AdoptBitmap(FreeImage_Clone(original.get())), settings);
  ASSERT_TRUE(result);
  EXPECT_EQ(Bpp(result), 24u);
  const Bitmap original_24 = AdoptBitmap(FreeImage_ConvertTo24Bits(original.get()));
  EXPECT_TRUE(SamePixels(result, original_24));

  settings.do_frame = 0;
  Bitmap image = PatternImage(20, 10, 32);
  FIBITMAP* const handle = image.get();
  EXPECT_EQ(ApplyFrame(std::move(image), settings).get(), handle);
  EXPECT_EQ(ApplyFrame(nullptr, Frame(5, "FF0000")), nullptr);
}

TEST_F(FrameTest, TenPixelRedFrameCoversTheBorderExactly) {
  const Bitmap result = ApplyFrame(SolidImage(100, 80, 24, kWhite), Frame(10, "FF0000"));
  ASSERT_TRUE(result);
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 100; ++x) {
      ASSERT_EQ(ReadPixel(result, x, y), InBorder(x, y, 100, 80, 10) ? kRed : kWhite)
          << x << "," << y;
    }
  }
}

TEST_F(FrameTest, OpacityBlendsTheFrameOverThePicture) {
  const Bitmap result = ApplyFrame(SolidImage(60, 40, 24, kWhite), Frame(5, "000000", 128));
  ASSERT_TRUE(result);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 60; ++x) {
      if (InBorder(x, y, 60, 40, 5)) {
        ASSERT_TRUE(Near(ReadPixel(result, x, y), {127, 127, 127}, 1)) << x << "," << y;
      } else {
        ASSERT_EQ(ReadPixel(result, x, y), kWhite) << x << "," << y;
      }
    }
  }
}

TEST_F(FrameTest, CornersAreSplitAlongTheirDiagonal) {
  ConversionSettings settings = Frame(20, "000000");
  settings.fr_solid_top_color = "0000FF";
  settings.fr_solid_left_color = "FF0000";
  const Bitmap result = ApplyFrame(SolidImage(100, 80, 24, kWhite), settings);
  ASSERT_TRUE(result);
  const Rgba blue{0, 0, 255};
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const Rgba pixel = ReadPixel(result, x, y);
      if (x > y) {
        EXPECT_EQ(pixel, blue) << x << "," << y;
      } else if (x < y) {
        EXPECT_EQ(pixel, kRed) << x << "," << y;
      } else {
        // On the diagonal the two bands share the pixel: a mix, no picture showing through.
        EXPECT_EQ(pixel.green, 0) << x;
        EXPECT_EQ(pixel.red + pixel.blue, 255) << x;
      }
    }
  }
  EXPECT_EQ(ReadPixel(result, 50, 10), blue);
  EXPECT_EQ(ReadPixel(result, 10, 40), kRed);
  EXPECT_EQ(ReadPixel(result, 50, 40), kWhite);
}

TEST_F(FrameTest, AOneBitImageKeepsTheFrameColours) {
  const Bitmap one_bit = AdoptBitmap(FreeImage_Threshold(SolidImage(30, 30, 24, kWhite).get(), 1));
  const Bitmap result = ApplyFrame(AdoptBitmap(FreeImage_Clone(one_bit.get())), Frame(3, "FF0000"));
  ASSERT_TRUE(result);
  EXPECT_EQ(Bpp(result), 24u);
  EXPECT_EQ(ReadPixel(result, 1, 15), kRed);
  EXPECT_EQ(ReadPixel(result, 15, 15), kWhite);
}

TEST_F(FrameTest, BandsWiderThanTheImageCoverItWithoutOverflowing) {
  struct Case {
    int width;
    bool covered;
  } cases[] = {{60, true}, {2000000000, true}, {-5, false}};
  for (const Case& c : cases) {
    const Bitmap result = ApplyFrame(SolidImage(40, 30, 24, kWhite), Frame(c.width, "FF0000"));
    ASSERT_TRUE(result) << c.width;
    EXPECT_EQ(ReadPixel(result, 20, 15), c.covered ? kRed : kWhite) << c.width;
    EXPECT_EQ(ReadPixel(result, 0, 0), c.covered ? kRed : kWhite) << c.width;
  }
}

}  // namespace
}  // namespace tavrosine
