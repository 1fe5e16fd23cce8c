// Textures with alpha load straight as 24-bit colour when the output is a JPEG. That is only
// sound while every step gives the same colour either way: this holds the steps to it.
#include <gtest/gtest.h>

#include <cstring>

#include "dds_writer/dds_writer.h"
#include "dds_writer/test_picture.h"
#include "engine/dds/dds_decoder.h"
#include "engine/load_dds.h"
#include "engine/output_depth.h"
#include "engine/steps/color_adjustment.h"
#include "engine/steps/dds_channel_order.h"
#include "engine/steps/drawing_support.h"
#include "engine/steps/flip.h"
#include "engine/steps/frame.h"
#include "engine/steps/greyscale.h"
#include "engine/steps/resize.h"
#include "engine/steps/rotation.h"
#include "engine/steps/threshold.h"
#include "engine/steps/watermark.h"
#include "support/textures.h"

namespace tavrosine {
namespace {

Bitmap RunSteps(Bitmap image, const ConversionSettings& settings, const WatermarkFont* font,
                int target_depth) {
  FileContext file;
  image = ApplyDdsChannelOrder(std::move(image), settings);
  image = ApplyRotation(std::move(image), settings);
  image = ApplyResize(std::move(image), settings);
  image = ApplyFlip(std::move(image), settings);
  image = ApplyColorAdjustment(std::move(image), settings);
  image = ApplyGreyscale(std::move(image), settings);
  image = ApplyThreshold(std::move(image), settings);
  image = ApplyFrame(std::move(image), settings);
  image = ApplyWatermark(std::move(image), settings, WatermarkContext{file, font, "jpg"});
  return ConvertOutputDepth(std::move(image), "jpg", target_depth);
}

bool SamePixels(const Bitmap& a, const Bitmap& b) {
  if (Width(a) != Width(b) || Height(a) != Height(b) || Bpp(a) != Bpp(b)) return false;
  const size_t row_bytes = (Width(a) * Bpp(a) + 7) / 8;
  for (unsigned y = 0; y < Height(a); ++y) {
    if (std::memcmp(FreeImage_GetScanLine(a.get(), y), FreeImage_GetScanLine(b.get(), y),
                    row_bytes) != 0) {
      return false;
    }
  }
  return true;
}

TEST(ColourOnlyLoading, EveryStepGivesTheSameColour) {
  ASSERT_TRUE(PrepareDrawing());
  const std::vector<uint8_t> dds = dds_writer::EncodeDds(
      dds_writer::MakeTestPicture(37, 29, 5, /*alpha=*/true), dds_writer::DdsFormat::kDxt5);
  struct Variant {
    const char* name;
    void (*apply)(ConversionSettings&);
  } variants[] = {
      {"defaults", [](ConversionSettings&) {}},
      {"rgba order", [](ConversionSettings& s) { s.dds_load_as = 2; }},
      {"simple 30", [](ConversionSettings& s) { s.do_rotation = 1, s.rotation = 30; }},
      {"advanced 45", [](ConversionSettings& s) {
         s.do_rotation = 1, s.rotation = 45, s.rotation_type = 1, s.rotation_back_color = "FF0000";
       }},
      {"lanczos 150%", [](ConversionSettings& s) {
         s.do_resize = 1, s.width = 150, s.height = 150, s.width_unit = s.height_unit = 1,
         s.resize_algorithm = 5;
       }},
      {"flips", [](ConversionSettings& s) { s.flip_horizontal = s.flip_vertical = 1; }},
      {"colour", [](ConversionSettings& s) {
         s.do_color_correction = 1, s.brightness = 20, s.contrast = -30, s.gamma = 1.7f,
         s.invert = 1;
       }},
      {"greyscale", [](ConversionSettings& s) { s.greyscale = 1; }},
      {"threshold", [](ConversionSettings& s) { s.do_threshold = 1, s.threshold = 100; }},
      {"frame", [](ConversionSettings& s) {
         s.do_frame = 1, s.fr_solid_left = s.fr_solid_top = 5, s.fr_solid_opacity = 128;
       }},
      {"text watermark", [](ConversionSettings& s) {
         s.do_watermark = kWatermarkText, s.wm_text = "Hi", s.wm_back_opacity = 90;
       }},
  };
  for (const Variant& variant : variants) {
    ConversionSettings settings;
    variant.apply(settings);
    const std::shared_ptr<const WatermarkFont> font = LoadWatermarkFont(settings);
    for (const int depth : {24, 8}) {
      const Bitmap with_alpha =
          RunSteps(std::move(dds::DecodeDds(dds).image), settings, font.get(), depth);
      const Bitmap colour_only = RunSteps(
          std::move(dds::DecodeDds(dds, {.colour_only = true}).image), settings, font.get(), depth);
      ASSERT_TRUE(with_alpha && colour_only) << variant.name;
      EXPECT_TRUE(SamePixels(with_alpha, colour_only)) << variant.name << ", " << depth << " bits";
    }
  }
}

TEST(ColourOnlyLoading, KeepsTheTexturesOwnDepthForTheAutomaticChoice) {
  testing::TempDir dir;
  const std::string path = testing::WriteTexture(dir, "a.dds", 8, 8, dds_writer::DdsFormat::kDxt5);
  const LoadedImage plain = LoadDds(path);
  const LoadedImage colour = LoadDds(path, /*colour_only=*/true);
  EXPECT_EQ(Bpp(plain.image), 32u);
  EXPECT_EQ(Bpp(colour.image), 24u);
  EXPECT_EQ(plain.loaded_depth, 32);
  EXPECT_EQ(colour.loaded_depth, 32);
}

}  // namespace
}  // namespace tavrosine
