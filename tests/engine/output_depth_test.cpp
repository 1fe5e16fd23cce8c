#include "engine/output_depth.h"

#include <gtest/gtest.h>

namespace tavrosine {
namespace {

TEST(AutomaticDepth, PicksTheFirstDepthThatHoldsTheLoadedOne) {
  struct Case {
    const char* extensions;
    int for8, for16, for24, for32;
  } cases[] = {
      {"bmp ico jxr tga", 8, 16, 24, 32}, {"exr hdr pfm", 96, 96, 96, 96},
      {"gif pgm", 8, 8, 8, 8},            {"j2k jp2 png tiff", 8, 24, 24, 32},
      {"jng webp", 24, 24, 24, 32},       {"jpg", 8, 24, 24, 24},
      {"pbm wbmp", 1, 1, 1, 1},           {"ppm", 24, 24, 24, 48},
      {"xpm", 24, 24, 24, 24},
  };
  for (const Case& c : cases) {
    std::istringstream words(c.extensions);
    for (std::string extension; words >> extension;) {
      EXPECT_EQ(PickAutomaticDepth(extension, 8), c.for8) << extension;
      EXPECT_EQ(PickAutomaticDepth(extension, 16), c.for16) << extension;
      EXPECT_EQ(PickAutomaticDepth(extension, 24), c.for24) << extension;
      EXPECT_EQ(PickAutomaticDepth(extension, 32), c.for32) << extension;
    }
  }
}

Bitmap Canvas(int bpp) {
  Bitmap image = AdoptBitmap(FreeImage_Allocate(4, 4, bpp));
  if (bpp >= 24) {
    for (unsigned y = 0; y < 4; ++y) {
      BYTE* row = FreeImage_GetScanLine(image.get(), y);
      for (unsigned i = 0; i < 4 * (bpp / 8u); ++i) row[i] = static_cast<BYTE>(i * 20 + y * 7);
    }
  }
  return image;
}

TEST(OutputDepth, ConvertsWithTheFormatsOwnRules) {
  Bitmap same = Canvas(24);
  FIBITMAP* before = same.get();
  EXPECT_EQ(ConvertOutputDepth(std::move(same), "jpg", 24).get(), before);

  EXPECT_EQ(Bpp(ConvertOutputDepth(Canvas(32), "jpg", 24)), 24u);

  const Bitmap grey = ConvertOutputDepth(Canvas(32), "jpg", 8);
  EXPECT_EQ(Bpp(grey), 8u);
  EXPECT_EQ(FreeImage_GetColorType(grey.get()), FIC_MINISBLACK);

  const Bitmap palette = ConvertOutputDepth(Canvas(32), "png", 8);
  EXPECT_EQ(Bpp(palette), 8u);
  EXPECT_EQ(FreeImage_GetColorType(palette.get()), FIC_PALETTE);

  const Bitmap tga16 = ConvertOutputDepth(Canvas(24), "tga", 16);
  EXPECT_EQ(FreeImage_GetGreenMask(tga16.get()), unsigned{FI16_555_GREEN_MASK});
  const Bitmap bmp16 = ConvertOutputDepth(Canvas(24), "bmp", 16);
  EXPECT_EQ(FreeImage_GetGreenMask(bmp16.get()), unsigned{FI16_565_GREEN_MASK});

  EXPECT_EQ(Bpp(ConvertOutputDepth(Canvas(1), "jpg", 24)), 24u);  // after a threshold
  EXPECT_EQ(ConvertOutputDepth(Canvas(24), "jpg", 12), nullptr);
  EXPECT_EQ(ConvertOutputDepth(nullptr, "jpg", 24), nullptr);
}

}  // namespace
}  // namespace tavrosine
