#include "engine/steps/watermark_placement.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrosine {
namespace {

struct PlaceCase {
  int position;
  bool inside_frame;
  int64_t x;
  int64_t y;
};

WatermarkPlacement Placement(int position, bool inside_frame) {
  WatermarkPlacement placement;
  placement.position = position;
  placement.offset_x = 10;
  placement.offset_y = 7;
  placement.inside_frame = inside_frame;
  placement.frame_left = 20;
  placement.frame_right = 30;
  placement.frame_top = 5;
  placement.frame_bottom = 15;
  return placement;
}

class NinePositions : public ::testing::TestWithParam<PlaceCase> {};

// A 50 × 20 watermark on a 401 × 300 image. Inside the frame the area is 351 × 280 from
// (20, 5).
TEST_P(NinePositions, AnchorToTheirEdgesWithOffsetsAndCentreWithout) {
  const PlaceCase& c = GetParam();
  const WatermarkOrigin origin =
      PlaceWatermark(Placement(c.position, c.inside_frame), 401, 300, 50, 20);
  EXPECT_EQ(origin.x, c.x);
  EXPECT_EQ(origin.y, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    WatermarkPlacement, NinePositions,
    ::testing::Values(
        PlaceCase{0, false, 10, 7}, PlaceCase{1, false, 175, 7}, PlaceCase{2, false, 341, 7},
        PlaceCase{3, false, 10, 140}, PlaceCase{4, false, 175, 140}, PlaceCase{5, false, 341, 140},
        PlaceCase{6, false, 10, 273}, PlaceCase{7, false, 175, 273}, PlaceCase{8, false, 341, 273},
        PlaceCase{9, false, 0, 0}, PlaceCase{0, true, 30, 12}, PlaceCase{1, true, 170, 12},
        PlaceCase{2, true, 311, 12}, PlaceCase{3, true, 30, 135}, PlaceCase{4, true, 170, 135},
        PlaceCase{5, true, 311, 135}, PlaceCase{6, true, 30, 258}, PlaceCase{7, true, 170, 258},
        PlaceCase{8, true, 311, 258}, PlaceCase{9, true, 20, 5}));

TEST(WatermarkPlacement, CentringAWatermarkWiderThanTheImageTruncatesTowardZero) {
  const WatermarkOrigin origin = PlaceWatermark(Placement(4, false), 40, 30, 51, 33);
  EXPECT_EQ(origin.x, -5);
  EXPECT_EQ(origin.y, -1);
}

TEST(WatermarkPlacement, FittingCutsAtTheBoundaryMinusTheOffset) {
  WatermarkPlacement placement = Placement(0, false);
  placement.offset_y = 10;
  struct Case {
    bool inside_frame;
    int64_t width, height;
    WatermarkSize expected;
  } cases[] = {
      {false, 500, 400, {390, 290}},  // a picture larger than the 400 × 300 image
      {false, 100, 50, {100, 50}},    // fits as it is
      {false, 395, 50, {390, 50}},    // only too wide
      {true, 500, 400, {340, 270}},   // inside a 350 × 280 frame area
  };
  for (const Case& c : cases) {
    placement.inside_frame = c.inside_frame;
    const WatermarkSize fitted = FittedSize(placement, 400, 300, c.width, c.height);
    EXPECT_EQ(fitted.width, c.expected.width) << c.width << "x" << c.height;
    EXPECT_EQ(fitted.height, c.expected.height) << c.width << "x" << c.height;
  }
}

TEST(WatermarkPlacement, TheFrameBoundaryNeedsAFrameAndTakesTheKindsOwnSettings) {
  ConversionSettings settings;
  settings.do_watermark = kWatermarkImage;
  settings.wm_image_boundary = 1;
  settings.wm_text_boundary = 0;
  settings.wm_image_position = 2;
  settings.wm_image_x_offset = 3;
  settings.wm_image_rotation = 90;
  settings.fr_solid_left = 20;
  EXPECT_FALSE(PlacementFor(settings).inside_frame);
  settings.do_frame = 1;
  const WatermarkPlacement image = PlacementFor(settings);
  EXPECT_TRUE(image.inside_frame);
  EXPECT_EQ(image.position, 2);
  EXPECT_EQ(image.offset_x, 3);
  EXPECT_EQ(image.rotation, 90);
  EXPECT_EQ(image.frame_left, 20);
  settings.do_watermark = kWatermarkText;
  EXPECT_FALSE(PlacementFor(settings).inside_frame);
  EXPECT_EQ(PlacementFor(settings).position, 8);
}

TEST(WatermarkPlacement, AbsurdOffsetsAndFramesDoNotOverflow) {
  WatermarkPlacement placement = Placement(8, true);
  placement.offset_x = placement.offset_y = 2147483647;
  placement.frame_left = placement.frame_right = 2147483647;
  const WatermarkSize fitted = FittedSize(placement, 400, 300, 50, 20);
  EXPECT_LT(fitted.width, 0);
  const WatermarkOrigin origin = PlaceWatermark(placement, 400, 300, 50, 20);
  EXPECT_LT(origin.x, 0);
}

}  // namespace
}  // namespace tavrosine
