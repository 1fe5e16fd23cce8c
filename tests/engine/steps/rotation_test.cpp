#include "engine/steps/rotation.h"

#include <gtest/gtest.h>

#include "step_test_util.h"

namespace tavrosine {
namespace {

using testing::PatternImage;
using testing::ReadPixel;
using testing::Rgba;
using testing::SamePixels;
using testing::SolidImage;

constexpr int kSimple = 0;
constexpr int kAdvanced = 1;

ConversionSettings Rotation(int angle, int type, const char* back_color = "00FF00") {
  ConversionSettings settings;
  settings.do_rotation = 1;
  settings.rotation = angle;
  settings.rotation_type = type;
  settings.rotation_back_color = back_color;
  return settings;
}

class AnglesThatDoNotRotate : public ::testing::TestWithParam<int> {};

TEST_P(AnglesThatDoNotRotate, LeaveTheImageAndItsDepthAlone) {
  Bitmap image = testing::GreyImage(30, 20, [](int x, int y) { return x + y; });
  FIBITMAP* const original = image.get();
  const Bitmap result = ApplyRotation(std::move(image), Rotation(GetParam(), kSimple));
  EXPECT_EQ(result.get(), original);
  EXPECT_EQ(Bpp(result), 8u);
}

INSTANTIATE_TEST_SUITE_P(Rotation, AnglesThatDoNotRotate, ::testing::Values(0, 360, -90, 720));

TEST(Rotation, OffLeavesTheImage) {
  Bitmap image = PatternImage(10, 5, 24);
  FIBITMAP* const original = image.get();
  ConversionSettings settings = Rotation(90, kSimple);
  settings.do_rotation = 0;
  EXPECT_EQ(ApplyRotation(std::move(image), settings).get(), original);
  EXPECT_EQ(ApplyRotation(nullptr, Rotation(90, kSimple)), nullptr);
}

TEST(Rotation, QuarterTurnsSwapTheSidesAndFourOfThemAreLossless) {
  for (const int bpp : {24, 32}) {
    const Bitmap original = PatternImage(100, 50, bpp);
    Bitmap image = AdoptBitmap(FreeImage_Clone(original.get()));
    image = ApplyRotation(std::move(image), Rotation(90, kSimple));
    ASSERT_TRUE(image);
    EXPECT_EQ(Width(image), 50u);
    EXPECT_EQ(Height(image), 100u);
    EXPECT_EQ(Bpp(image), static_cast<unsigned>(bpp));
    // A positive angle turns counter-clockwise: the top-right pixel becomes the top-left one.
    EXPECT_EQ(ReadPixel(image, 0, 0), ReadPixel(original, 99, 0));
    for (int turn = 0; turn < 3; ++turn) image = ApplyRotation(std::move(image), Rotation(90, 0));
    EXPECT_TRUE(SamePixels(image, original)) << bpp;
  }
}

TEST(Rotation, SimpleGrowsToHoldThePictureAndFillsCornersWithTheBackColour) {
  const Bitmap image = ApplyRotation(SolidImage(100, 50, 24, {255, 0, 0}), Rotation(45, kSimple));
  ASSERT_TRUE(image);
  EXPECT_GT(Width(image), 100u);
  EXPECT_GT(Height(image), 50u);
  EXPECT_EQ(ReadPixel(image, 0, 0), (Rgba{0, 255, 0}));
  EXPECT_EQ(
      ReadPixel(image, static_cast<int>(Width(image)) / 2, static_cast<int>(Height(image)) / 2),
      (Rgba{255, 0, 0}));
}

TEST(Rotation, ABackColourThatIsNotSixDigitsIsBlack) {
  const Bitmap image =
      ApplyRotation(SolidImage(40, 20, 24, {255, 255, 255}), Rotation(45, kSimple, "FFF"));
  ASSERT_TRUE(image);
  EXPECT_EQ(ReadPixel(image, 0, 0), (Rgba{0, 0, 0}));
}

TEST(Rotation, AdvancedKeepsTheSizeAndFillsFromThePictureItself) {
  const Bitmap image = ApplyRotation(SolidImage(100, 50, 24, {255, 0, 0}), Rotation(45, kAdvanced));
  ASSERT_TRUE(image);
  EXPECT_EQ(Width(image), 100u);
  EXPECT_EQ(Height(image), 50u);
  // The uncovered corners mirror the red picture; the back colour (green) never appears.
  EXPECT_EQ(ReadPixel(image, 0, 0), (Rgba{255, 0, 0}));
  EXPECT_EQ(ReadPixel(image, 99, 49), (Rgba{255, 0, 0}));
}

TEST(Rotation, DepthsFreeImageCannotTurnGoThrough24Bits) {
  Bitmap grey = testing::GreyImage(30, 20, [](int x, int) { return x * 8; });
  const Bitmap turned = ApplyRotation(std::move(grey), Rotation(90, kSimple));
  ASSERT_TRUE(turned);
  EXPECT_EQ(Bpp(turned), 24u);
  EXPECT_EQ(Width(turned), 20u);
  EXPECT_EQ(ReadPixel(turned, 0, 0), (Rgba{232, 232, 232}));  // was the top-right pixel

  // An unknown rotation type still converts, but turns nothing.
  const Bitmap kept =
      ApplyRotation(testing::GreyImage(30, 20, [](int, int) { return 7; }), Rotation(90, 5));
  ASSERT_TRUE(kept);
  EXPECT_EQ(Bpp(kept), 24u);
  EXPECT_EQ(Width(kept), 30u);
}

}  // namespace
}  // namespace tavrosine
