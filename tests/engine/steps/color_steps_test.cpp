// Colour adjustment, greyscale and threshold: the colour steps after the geometry.
#include <gtest/gtest.h>

#include "engine/steps/color_adjustment.h"
#include "engine/steps/greyscale.h"
#include "engine/steps/threshold.h"
#include "step_test_util.h"

namespace tavrosine {
namespace {

using testing::GreyImage;
using testing::PatternImage;
using testing::ReadPixel;
using testing::Rgba;
using testing::SamePixels;

ConversionSettings ColorCorrection(int brightness, int contrast, float gamma, int invert) {
  ConversionSettings settings;
  settings.do_color_correction = 1;
  settings.brightness = brightness;
  settings.contrast = contrast;
  settings.gamma = gamma;
  settings.invert = invert;
  return settings;
}

TEST(ColorAdjustment, NeutralValuesLeaveEveryPixel) {
  for (const int bpp : {24, 32}) {
    const Bitmap original = PatternImage(16, 8, bpp);
    const Bitmap result = ApplyColorAdjustment(AdoptBitmap(FreeImage_Clone(original.get())),
                                               ColorCorrection(0, 0, 1.0f, 0));
    EXPECT_TRUE(SamePixels(result, original)) << bpp;
  }
}

TEST(ColorAdjustment, InvertGivesTheNegative) {
  const Bitmap original = PatternImage(16, 8, 24);
  const Bitmap result = ApplyColorAdjustment(AdoptBitmap(FreeImage_Clone(original.get())),
                                             ColorCorrection(0, 0, 1.0f, 1));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 16; ++x) {
      const Rgba c = ReadPixel(original, x, y);
      ASSERT_EQ(ReadPixel(result, x, y), (Rgba{255 - c.red, 255 - c.green, 255 - c.blue}));
    }
  }
}

TEST(ColorAdjustment, BrightnessAndGammaMoveTheValues) {
  const Bitmap grey = ApplyColorAdjustment(testing::SolidImage(2, 2, 24, {100, 100, 100}),
                                           ColorCorrection(50, 0, 1.0f, 0));
  EXPECT_GT(ReadPixel(grey, 0, 0).red, 100);
  const Bitmap lighter = ApplyColorAdjustment(testing::SolidImage(2, 2, 24, {100, 100, 100}),
                                              ColorCorrection(0, 0, 2.0f, 0));
  EXPECT_GT(ReadPixel(lighter, 0, 0).red, 100);
}

TEST(ColorAdjustment, OffPassesTheImageAndLowDepthsGoThrough24Bits) {
  ConversionSettings settings = ColorCorrection(0, 0, 1.0f, 1);
  settings.do_color_correction = 0;
  Bitmap image = PatternImage(4, 4, 24);
  FIBITMAP* const original = image.get();
  EXPECT_EQ(ApplyColorAdjustment(std::move(image), settings).get(), original);

  const Bitmap one_bit = AdoptBitmap(FreeImage_Threshold(PatternImage(4, 4, 24).get(), 128));
  const Bitmap inverted = ApplyColorAdjustment(AdoptBitmap(FreeImage_Clone(one_bit.get())),
                                               ColorCorrection(0, 0, 1.0f, 1));
  ASSERT_TRUE(inverted);
  EXPECT_EQ(Bpp(inverted), 24u);
  EXPECT_EQ(ReadPixel(inverted, 1, 1).red, 255 - ReadPixel(one_bit, 1, 1).red);
}

TEST(Greyscale, Turns32BitsInto8BitGrey) {
  ConversionSettings settings;
  settings.greyscale = 1;
  const Bitmap result = ApplyGreyscale(testing::SolidImage(3, 3, 32, {255, 0, 0, 10}), settings);
  ASSERT_TRUE(result);
  EXPECT_EQ(Bpp(result), 8u);
  const Rgba grey = ReadPixel(result, 1, 1);
  EXPECT_EQ(grey.red, grey.green);
  EXPECT_EQ(grey.red, grey.blue);
  EXPECT_NEAR(grey.red, 54, 1);  // the luminance weight of red

  settings.greyscale = 0;
  Bitmap image = PatternImage(3, 3, 32);
  FIBITMAP* const original = image.get();
  EXPECT_EQ(ApplyGreyscale(std::move(image), settings).get(), original);
}

ConversionSettings Threshold(int level) {
  ConversionSettings settings;
  settings.do_threshold = 1;
  settings.threshold = level;
  return settings;
}

TEST(Threshold, SplitsAtTheLevelAndCountsOnlyItsLowEightBits) {
  // One column per grey value 0 … 255.
  const auto ramp = [] { return GreyImage(256, 1, [](int x, int) { return x; }); };
  struct Case {
    int level;
    int first_white;
  } cases[] = {{128, 128}, {0, 0}, {256, 0}, {255 + 256, 255}};
  for (const Case& c : cases) {
    const Bitmap result = ApplyThreshold(ramp(), Threshold(c.level));
    ASSERT_TRUE(result);
    EXPECT_EQ(Bpp(result), 1u);
    for (int x = 0; x < 256; ++x) {
      const int expected = x >= c.first_white ? 255 : 0;
      ASSERT_EQ(ReadPixel(result, x, 0).red, expected) << "level " << c.level << " at " << x;
    }
  }
}

TEST(Threshold, WorksOnTheGreyImageWhenGreyscaleRanFirst) {
  ConversionSettings settings = Threshold(100);
  settings.greyscale = 1;
  // Pure green is bright (about 150), pure blue dark (about 29).
  const Bitmap colours = testing::PaintedImage(2, 1, 24, [](int x, int) {
    return x == 0 ? Rgba{0, 255, 0} : Rgba{0, 0, 255};
  });
  const Bitmap result = ApplyThreshold(
      ApplyGreyscale(AdoptBitmap(FreeImage_Clone(colours.get())), settings), settings);
  EXPECT_EQ(ReadPixel(result, 0, 0).red, 255);
  EXPECT_EQ(ReadPixel(result, 1, 0).red, 0);
  settings.do_threshold = 0;
  EXPECT_EQ(Bpp(ApplyThreshold(PatternImage(2, 2, 24), settings)), 24u);
}

}  // namespace
}  // namespace tavrosine
