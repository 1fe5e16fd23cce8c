#include "engine/steps/watermark_picture.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/steps/drawing_support.h"
#include "engine/steps/frame.h"
#include "engine/steps/watermark.h"
#include "step_test_util.h"
#include "support/temp_dir.h"

namespace tavrosine {
namespace {

using testing::BoundingBox;
using testing::Box;
using testing::Near;
using testing::PaintedImage;
using testing::ReadPixel;
using testing::Rgba;
using testing::SolidImage;

constexpr Rgba kWhite{255, 255, 255};
constexpr Rgba kRed{255, 0, 0};

bool NotWhite(const Rgba& c) { return !(c == kWhite); }

class PictureWatermarkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(PrepareDrawing()); }

  // Writes the bitmap as a picture file (PNG or JPEG) and points WM-IMAGE at it.
  void UsePicture(const Bitmap& picture, FREE_IMAGE_FORMAT format = FIF_PNG) {
    const std::string path = dir_.Folder() + (format == FIF_PNG ? "mark.png" : "mark.jpg");
    ASSERT_TRUE(FreeImage_Save(format, picture.get(), path.c_str(), 0));
    settings_.wm_image = path;
  }

  Bitmap Watermark(Bitmap image) {
    const WatermarkContext context{file_, nullptr, "jpg"};
    return ApplyWatermark(std::move(image), settings_, context);
  }

  Bitmap WhiteImage() { return SolidImage(400, 300, 24, kWhite); }

  testing::TempDir dir_;
  FileContext file_;
  ConversionSettings settings_ = [] {
    ConversionSettings settings;
    settings.do_watermark = kWatermarkImage;
    return settings;
  }();
};

TEST_F(PictureWatermarkTest, AnOpaquePictureCoversItsRectangleAtTheDefaultCorner) {
  UsePicture(SolidImage(20, 10, 24, kRed));
  const Bitmap result = Watermark(WhiteImage());
  ASSERT_TRUE(result);
  EXPECT_EQ(Bpp(result), 24u);
  // BOTTOMRIGHT, 10 pixels from the right and bottom edges.
  EXPECT_EQ(BoundingBox(result, NotWhite), (Box{370, 280, 390, 290}));
  for (int y = 280; y < 290; ++y) {
    for (int x = 370; x < 390; ++x) ASSERT_EQ(ReadPixel(result, x, y), kRed) << x << "," << y;
  }
}

TEST_F(PictureWatermarkTest, AJpegPictureIsOpaqueToo) {
  UsePicture(SolidImage(24, 16, 24, {0, 0, 200}), FIF_JPEG);
  settings_.wm_image_position = 0;
  const Bitmap result = Watermark(WhiteImage());
  EXPECT_EQ(BoundingBox(result, NotWhite), (Box{10, 10, 34, 26}));
  // Through JPEG compression a flat colour stays within a few levels.
  EXPECT_TRUE(Near(ReadPixel(result, 20, 18), {0, 0, 200}, 4)) << ReadPixel(result, 20, 18);
}

TEST_F(PictureWatermarkTest, TransparentPartsLetThePictureShow) {
  // Left half fully transparent, right half opaque blue.
  UsePicture(PaintedImage(20, 10, 32, [](int x, int) {
    return x < 10 ? Rgba{255, 0, 0, 0} : Rgba{0, 0, 255, 255};
  }));
  const Bitmap result = Watermark(WhiteImage());
  EXPECT_EQ(BoundingBox(result, NotWhite), (Box{380, 280, 390, 290}));
  EXPECT_EQ(ReadPixel(result, 385, 285), (Rgba{0, 0, 255}));
}

TEST_F(PictureWatermarkTest, APictureLargerThanTheImageIsCroppedToItsTopLeftPart) {
  const Bitmap picture = testing::PatternImage(500, 400, 24);
  UsePicture(picture);
  settings_.wm_image_position = 0;
  const Bitmap result = Watermark(SolidImage(400, 300, 24, {1, 2, 3}));
  const Box covered = BoundingBox(result, [](const Rgba& c) { return !(c == Rgba{1, 2, 3}); });
  EXPECT_EQ(covered, (Box{10, 10, 400, 300}));
  EXPECT_EQ(ReadPixel(result, 10, 10), ReadPixel(picture, 0, 0));
  EXPECT_EQ(ReadPixel(result, 399, 299), ReadPixel(picture, 389, 289));
}

TEST_F(PictureWatermarkTest, ARotatedPictureIsPastedWithItsTurnedSize) {
  UsePicture(SolidImage(200, 50, 24, kRed));
  settings_.wm_image_rotation = 90;
  settings_.wm_image_position = 0;
  settings_.wm_image_x_offset = settings_.wm_image_y_offset = 0;
  const Bitmap result = Watermark(WhiteImage());
  EXPECT_EQ(BoundingBox(result, NotWhite), (Box{0, 0, 50, 200}));

  // At 45 degrees the corners the turn uncovers stay transparent.
  settings_.wm_image_rotation = 45;
  const Bitmap slanted = Watermark(WhiteImage());
  EXPECT_EQ(ReadPixel(slanted, 0, 0), kWhite);
  EXPECT_EQ(ReadPixel(slanted, 88, 88), kRed);
}

TEST_F(PictureWatermarkTest, GreyFilterAndOpacity) {
  EXPECT_EQ(GreyFilter(qRgba(255, 0, 0, 9)), qRgba(76, 76, 76, 9));
  EXPECT_EQ(GreyFilter(qRgba(10, 200, 30, 255)), qRgba(123, 123, 123, 255));

  UsePicture(SolidImage(20, 10, 24, kRed));
  settings_.wm_image_greyscale = 1;
  EXPECT_EQ(ReadPixel(Watermark(WhiteImage()), 380, 285), (Rgba{76, 76, 76}));

  settings_.wm_image_greyscale = 0;
  settings_.wm_image_opacity = 128;
  EXPECT_TRUE(Near(ReadPixel(Watermark(WhiteImage()), 380, 285), {255, 127, 127}, 1));
}

TEST_F(PictureWatermarkTest, TheFrameBoundaryKeepsThePictureInsideTheBands) {
  UsePicture(SolidImage(20, 10, 24, kRed));
  settings_.do_frame = 1;
  settings_.fr_solid_left = settings_.fr_solid_right = 20;
  settings_.fr_solid_top = settings_.fr_solid_bottom = 20;
  settings_.fr_solid_left_color = settings_.fr_solid_right_color = "0000FF";
  settings_.fr_solid_top_color = settings_.fr_solid_bottom_color = "0000FF";
  const auto red_box = [](const Bitmap& image) {
    return BoundingBox(image, [](const Rgba& c) { return c == kRed; });
  };
  struct Case {
    int boundary;
    Box expected;
  } cases[] = {{1, {350, 260, 370, 270}}, {0, {370, 280, 390, 290}}};
  for (const Case& c : cases) {
    settings_.wm_image_boundary = c.boundary;
    const Bitmap result = Watermark(ApplyFrame(WhiteImage(), settings_));
    EXPECT_EQ(red_box(result), c.expected) << "boundary " << c.boundary;
  }
}

TEST_F(PictureWatermarkTest, WhatCannotBeDrawnLeavesThe24BitImage) {
  const Bitmap original = testing::PatternImage(400, 300, 32);
  const auto unchanged = [&original](const Bitmap& result) {
    const Bitmap expected = AdoptBitmap(FreeImage_ConvertTo24Bits(original.get()));
    return Bpp(result) == 24 && testing::SamePixels(result, expected);
  };
  settings_.wm_image = dir_.Folder() + "missing.png";
  EXPECT_TRUE(unchanged(Watermark(AdoptBitmap(FreeImage_Clone(original.get())))));

  // Offsets that push it out of the image: FreeImage refuses the paste.
  UsePicture(SolidImage(20, 10, 24, kRed));
  settings_.wm_image_x_offset = -20;
  EXPECT_TRUE(unchanged(Watermark(AdoptBitmap(FreeImage_Clone(original.get())))));

  // An offset larger than the image leaves nothing to paste.
  settings_.wm_image_x_offset = 5000;
  EXPECT_TRUE(unchanged(Watermark(AdoptBitmap(FreeImage_Clone(original.get())))));

  settings_.do_watermark = kWatermarkNone;
  Bitmap image = AdoptBitmap(FreeImage_Clone(original.get()));
  FIBITMAP* const handle = image.get();
  EXPECT_EQ(Watermark(std::move(image)).get(), handle);
  settings_.do_watermark = kWatermarkImage;
  EXPECT_EQ(Watermark(nullptr), nullptr);
}

}  // namespace
}  // namespace tavrosine
