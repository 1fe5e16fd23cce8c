#include "engine/steps/flip.h"

#include <gtest/gtest.h>

#include "step_test_util.h"

namespace tavrosine {
namespace {

using testing::PatternImage;
using testing::ReadPixel;
using testing::SamePixels;

ConversionSettings Flip(int horizontal, int vertical) {
  ConversionSettings settings;
  settings.flip_horizontal = horizontal;
  settings.flip_vertical = vertical;
  return settings;
}

TEST(Flip, MirrorsPixelPositions) {
  constexpr int kW = 7;
  constexpr int kH = 5;
  const Bitmap original = PatternImage(kW, kH, 32);
  struct Case {
    int horizontal;
    int vertical;
    bool mirror_x;
    bool mirror_y;
  } cases[] = {{0, 0, false, false}, {1, 0, true, false}, {0, 1, false, true}, {1, 1, true, true}};
  for (const Case& c : cases) {
    Bitmap image = AdoptBitmap(FreeImage_Clone(original.get()));
    FIBITMAP* const handle = image.get();
    image = ApplyFlip(std::move(image), Flip(c.horizontal, c.vertical));
    EXPECT_EQ(image.get(), handle) << "flips in place";
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) {
        const int from_x = c.mirror_x ? kW - 1 - x : x;
        const int from_y = c.mirror_y ? kH - 1 - y : y;
        ASSERT_EQ(ReadPixel(image, x, y), ReadPixel(original, from_x, from_y))
            << c.horizontal << c.vertical << " at " << x << "," << y;
      }
    }
  }
}

TEST(Flip, TwiceIsTheIdentityAndBothTogetherAreAHalfTurn) {
  const Bitmap original = PatternImage(9, 4, 24);
  Bitmap image = AdoptBitmap(FreeImage_Clone(original.get()));
  image = ApplyFlip(ApplyFlip(std::move(image), Flip(1, 1)), Flip(1, 1));
  EXPECT_TRUE(SamePixels(image, original));

  image = ApplyFlip(std::move(image), Flip(1, 1));
  const Bitmap half_turn = AdoptBitmap(FreeImage_Rotate(original.get(), 180));
  EXPECT_TRUE(SamePixels(image, half_turn));
  EXPECT_EQ(ApplyFlip(nullptr, Flip(1, 1)), nullptr);
}

}  // namespace
}  // namespace tavrosine
