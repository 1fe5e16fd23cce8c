#include "engine/steps/resize.h"

#include <gtest/gtest.h>

#include "step_test_util.h"

namespace tavrosine {
namespace {

using testing::PatternImage;
using testing::SamePixels;

constexpr int kPixels = 0;
constexpr int kPercent = 1;
constexpr int kAllImages = 0;
constexpr int kLargeImages = 1;

struct ResizeCase {
  const char* name;
  int image_width, image_height;
  int width, width_unit, height, height_unit;
  int keep_aspect, resize_type;
  int expected_width, expected_height;
  bool untouched;  // the very same image comes back
};

ConversionSettings ResizeSettings(const ResizeCase& c) {
  ConversionSettings settings;
  settings.do_resize = 1;
  settings.width = c.width;
  settings.width_unit = c.width_unit;
  settings.height = c.height;
  settings.height_unit = c.height_unit;
  settings.keep_aspect_ratio = c.keep_aspect;
  settings.resize_type = c.resize_type;
  return settings;
}

class ResizeSizes : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ResizeSizes, GiveTheExpectedSize) {
  const ResizeCase& c = GetParam();
  Bitmap image = PatternImage(c.image_width, c.image_height, 24);
  FIBITMAP* const original = image.get();
  const Bitmap result = ApplyResize(std::move(image), ResizeSettings(c));
  ASSERT_TRUE(result);
  EXPECT_EQ(Width(result), static_cast<unsigned>(c.expected_width));
  EXPECT_EQ(Height(result), static_cast<unsigned>(c.expected_height));
  EXPECT_EQ(result.get() == original, c.untouched);
}

INSTANTIATE_TEST_SUITE_P(Resize, ResizeSizes,
                         ::testing::Values(
                             // 400.5 and 300.5 go to the even neighbour.
                             ResizeCase{"HalfPercentRoundsToEven", 801, 601, 50, kPercent, 50,
                                        kPercent, 0, kAllImages, 400, 300, false},
                             ResizeCase{"HalfPercentRoundsToEvenUpwards", 803, 605, 50, kPercent,
                                        50, kPercent, 0, kAllImages, 402, 302, false},
                             ResizeCase{"PixelsAndPercentMix", 200, 100, 50, kPixels, 150, kPercent,
                                        0, kAllImages, 50, 150, false},
                             ResizeCase{"KeepAspectLandscapeIgnoresHeight", 1600, 1200, 800,
                                        kPixels, 100, kPixels, 1, kAllImages, 800, 600, false},
                             ResizeCase{"KeepAspectPortraitIgnoresWidth", 1200, 1600, 100, kPixels,
                                        800, kPixels, 1, kAllImages, 600, 800, false},
                             ResizeCase{"KeepAspectSquareFollowsWidth", 300, 300, 100, kPixels, 50,
                                        kPixels, 1, kAllImages, 100, 100, false},
                             ResizeCase{"LargeOnlySkipsSmallerBothWays", 640, 480, 800, kPixels,
                                        600, kPixels, 0, kLargeImages, 640, 480, true},
                             ResizeCase{"LargeOnlyResizesWhenOneSideIsLarger", 1024, 480, 800,
                                        kPixels, 600, kPixels, 0, kLargeImages, 800, 600, false},
                             ResizeCase{"SameSizeDoesNotRescale", 64, 48, 64, kPixels, 48, kPixels,
                                        0, kAllImages, 64, 48, true},
                             ResizeCase{"NegativeWidthLeavesTheImage", 64, 48, -10, kPixels, 20,
                                        kPixels, 0, kAllImages, 64, 48, true},
                             ResizeCase{"UnknownUnitLeavesTheImage", 64, 48, 20, 7, 20, kPixels, 0,
                                        kAllImages, 64, 48, true}),
                         [](const ::testing::TestParamInfo<ResizeCase>& info) {
                           return info.param.name;
                         });

TEST(Resize, OffOrNullPassesThrough) {
  ResizeCase c{"", 10, 10, 5, kPixels, 5, kPixels, 0, kAllImages, 0, 0, false};
  ConversionSettings settings = ResizeSettings(c);
  EXPECT_EQ(ApplyResize(nullptr, settings), nullptr);
  settings.do_resize = 0;
  Bitmap image = PatternImage(10, 10, 24);
  FIBITMAP* const original = image.get();
  EXPECT_EQ(ApplyResize(std::move(image), settings).get(), original);
}

TEST(Resize, EachAlgorithmUsesItsFreeImageFilter) {
  struct Case {
    int algorithm;
    FREE_IMAGE_FILTER filter;
  } cases[] = {{0, FILTER_BOX},     {1, FILTER_BILINEAR},   {2, FILTER_BSPLINE},
               {3, FILTER_BICUBIC}, {4, FILTER_CATMULLROM}, {5, FILTER_LANCZOS3},
               {9, FILTER_BICUBIC}};
  const Bitmap source = PatternImage(37, 23, 24);
  for (const Case& c : cases) {
    ConversionSettings settings =
        ResizeSettings({"", 0, 0, 61, kPixels, 17, kPixels, 0, kAllImages, 0, 0, false});
    settings.resize_algorithm = c.algorithm;
    const Bitmap resized = ApplyResize(AdoptBitmap(FreeImage_Clone(source.get())), settings);
    const Bitmap expected = AdoptBitmap(FreeImage_Rescale(source.get(), 61, 17, c.filter));
    EXPECT_TRUE(SamePixels(resized, expected)) << "algorithm " << c.algorithm;
  }
}

TEST(Resize, AbsurdTargetsFailInsteadOfAllocatingGigabytes) {
  ResizeCase c{"", 100, 100, 1000000, kPercent, 1000000, kPercent, 0, kAllImages, 0, 0, false};
  EXPECT_EQ(ApplyResize(PatternImage(100, 100, 24), ResizeSettings(c)), nullptr);
  c.width = 70000;
  c.width_unit = kPixels;
  c.height = 10;
  c.height_unit = kPixels;
  EXPECT_EQ(ApplyResize(PatternImage(100, 100, 24), ResizeSettings(c)), nullptr);
}

}  // namespace
}  // namespace tavrosine
