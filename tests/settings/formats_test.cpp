#include "settings/formats.h"

#include <gtest/gtest.h>

#include "settings/output_options.h"

namespace tavrosine {
namespace {

TEST(Formats, OnlyJpgIsOfferedAndDepthsFollowItsList) {
  EXPECT_TRUE(IsEnabledOutputFormat("jpg"));
  for (const char* other : {"JPG", "png", ""}) EXPECT_FALSE(IsEnabledOutputFormat(other)) << other;
  EXPECT_TRUE(IsAllowedDepth("jpg", 24));
  EXPECT_TRUE(IsAllowedDepth("jpg", 8));
  EXPECT_TRUE(IsAllowedDepth("jpg", 0));
  EXPECT_FALSE(IsAllowedDepth("jpg", 32));
  EXPECT_EQ(DepthList("tiff"), (std::vector<int>{1, 4, 8, 24, 32, 48, 96}));
}

TEST(Formats, InputTableGroupsExtensionsByFormat) {
  EXPECT_EQ(InputFormats().size(), 79u);
  EXPECT_EQ(FindInputFormat("jpeg")->format_key, "jpg");
  EXPECT_EQ(FindInputFormat("apm")->format_key, "wmf");
  EXPECT_EQ(FindInputFormat("apm")->description, "Aldus Placeable Metafile");
  EXPECT_EQ(FindInputFormat("wmf")->description, "Windows Metafile Format");
  EXPECT_EQ(FindInputFormat("JPEG"), nullptr);
  EXPECT_EQ(AcceptedInputExtensions(), std::vector<std::string>{"dds"});
}

TEST(Formats, TitlesForChoosers) {
  EXPECT_EQ(OutputFormatTitle("jpg", false), "JPG");
  EXPECT_EQ(OutputFormatTitle("jpg", true), "JPG (JPEG File Format)");
}

TEST(SaveFlags, FollowEachFormatsOptions) {
  ConversionSettings defaults;
  struct Case {
    const char* extension;
    int flags;
  } default_cases[] = {{"jpg", 0x1005F}, {"png", 256}, {"tiff", 2048}, {"exr", 2},
                       {"webp", 256},    {"jxr", 100}, {"gif", 0},     {"nope", 0}};
  for (const Case& c : default_cases) {
    EXPECT_EQ(ComputeSaveFlags(c.extension, defaults), c.flags) << c.extension;
  }
  ConversionSettings s;
  s.jpg_quality = 80;
  s.jpg_chroma = 2;
  s.jpg_save_as = 3;
  EXPECT_EQ(ComputeSaveFlags("jpg", s), 0x6050);
  s.png_compression = 3;
  s.png_interlaced = 1;
  EXPECT_EQ(ComputeSaveFlags("png", s), 0x209);
  s.tiff_compression = 6;
  s.tiff_color_model = 1;
  EXPECT_EQ(ComputeSaveFlags("tiff", s), 0x4001);
  s.jpg_chroma = 9;  // a hand-edited code outside the list adds nothing
  s.jpg_save_as = 0;
  EXPECT_EQ(ComputeSaveFlags("jpg", s), 80);
}

TEST(SaveFlags, ResolvingFixesFormatDepthAndAutomaticDepth) {
  ConversionSettings settings;
  JobState job;
  job.output_extension = "jpg";
  ResolveOutputOptions(job, settings);
  EXPECT_EQ(job.output_freeimage_format, 2);
  EXPECT_TRUE(job.automatic_depth);
  EXPECT_EQ(job.save_flags, 0x1005F);
  settings.jpg_bpp = 24;
  ResolveOutputOptions(job, settings);
  EXPECT_EQ(job.target_depth, 24);
  EXPECT_FALSE(job.automatic_depth);
}

}  // namespace
}  // namespace tavrosine
