#include "engine/steps/dds_channel_order.h"

#include <gtest/gtest.h>

#include "step_test_util.h"

namespace tavrosine {
namespace {

using testing::PatternImage;
using testing::ReadPixel;
using testing::Rgba;

constexpr int kAuto = 0;
constexpr int kBgra = 1;
constexpr int kRgba = 2;

ConversionSettings LoadAs(int code) {
  ConversionSettings settings;
  settings.dds_load_as = code;
  return settings;
}

TEST(DdsChannelOrder, AutoAndBgraKeepTheImageAsLoaded) {
  for (const int code : {kAuto, kBgra}) {
    Bitmap image = PatternImage(5, 3, 24);
    FIBITMAP* const original = image.get();
    const Bitmap result = ApplyDdsChannelOrder(std::move(image), LoadAs(code));
    EXPECT_EQ(result.get(), original);
    EXPECT_EQ(Bpp(result), 24u);
  }
  EXPECT_EQ(ApplyDdsChannelOrder(nullptr, LoadAs(kRgba)), nullptr);
}

TEST(DdsChannelOrder, RgbaSwapsRedAndBlueAndLeaves32Bits) {
  for (const int bpp : {24, 32}) {
    const Bitmap original = PatternImage(6, 4, bpp);
    const Bitmap result =
        ApplyDdsChannelOrder(AdoptBitmap(FreeImage_Clone(original.get())), LoadAs(kRgba));
    ASSERT_TRUE(result);
    EXPECT_EQ(Bpp(result), 32u);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 6; ++x) {
        const Rgba before = ReadPixel(original, x, y);
        const Rgba expected{before.blue, before.green, before.red, bpp == 32 ? before.alpha : 255};
        EXPECT_EQ(ReadPixel(result, x, y), expected) << bpp << " at " << x << "," << y;
      }
    }
  }
}

TEST(DdsChannelOrder, PureRedBecomesPureBlueWithItsAlpha) {
  const Bitmap result =
      ApplyDdsChannelOrder(testing::SolidImage(1, 1, 32, {255, 0, 0, 77}), LoadAs(kRgba));
  EXPECT_EQ(ReadPixel(result, 0, 0), (Rgba{0, 0, 255, 77}));
}

}  // namespace
}  // namespace tavrosine
