#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include <set>

#include "app/keywords.h"

namespace tavrosine {
namespace {

ConversionSettings Apply(std::initializer_list<std::pair<const char*, const char*>> options,
                         OptionSource source = OptionSource::kCommandLine) {
  ConversionSettings settings;
  ResetSettingsToDefaults(settings, true);
  for (const auto& [name, value] : options) {
    const SettingRow* row = FindOption(name, source);
    EXPECT_NE(row, nullptr) << name;
    if (row) ApplyOptionValue(settings, *row, value, source);
  }
  return settings;
}

TEST(SettingsTable, NamesAreUniqueSoEveryLookupFindsOneRow) {
  std::set<std::string> options, keys;
  for (const SettingRow& row : SettingsTable()) {
    if (!row.option.empty()) {
      EXPECT_TRUE(options.insert(std::string(row.option)).second) << row.option;
    }
    EXPECT_TRUE(keys.insert(std::string(row.group) + "/" + std::string(row.key)).second) << row.key;
    EXPECT_EQ(row.kind == ValueKind::kKeyword, row.category >= 0) << row.key;
  }
}

TEST(SettingsTable, KeywordValuesBecomeCodesAndPrintBack) {
  struct Case {
    const char* option;
    const char* value;
    const char* printed;
  } cases[] = {
      {"--DDS-LOAD-AS", "rgba", "rgba"},         {"--DDS-LOAD-AS", " rgba ", "rgba"},
      {"--DDS-LOAD-AS", "RGB", "auto"},          {"--RAW-LOAD-AS", "48HS", "48hs"},
      {"--RAW-LOAD-AS", "48", "48"},             {"--RAW-LOAD-AS", "08", "auto"},
      {"--TIFF-COMPRESSION", "lzw", "lzw"},      {"--TIFF-COMPRESSION", "ccittfax3", "rle"},
      {"--PNG-COMPRESSION", "LZW", "lzw"},       {"--WM-TEXT-SIZE", "anything", "fixed"},
      {"--RESIZE-ALGORITHM", "lanczos", "lanczos"}, {"--RESIZE-ALGORITHM", "sinc", "box"},
      {"--WM-TEXT-POSITION", "middlecenter", "middlecenter"},
  };
  for (const Case& c : cases) {
    const ConversionSettings settings = Apply({{c.option, c.value}});
    EXPECT_EQ(FormatOption(settings, c.option), c.printed) << c.option << "=" << c.value;
  }
  EXPECT_EQ(Apply({{"--TIFF-COMPRESSION", "lzw"}}).tiff_compression, 6);
  EXPECT_EQ(Apply({{"--PNG-COMPRESSION", "LZW"}}).png_compression, 6);
}

TEST(SettingsTable, NumbersFollowTheLenientRules) {
  EXPECT_EQ(Apply({{"--JPG-QUALITY", "95%"}}).jpg_quality, 95);
  EXPECT_EQ(Apply({{"--BRIGHTNESS", "-40"}}).brightness, -40);
  EXPECT_FLOAT_EQ(Apply({{"--GAMMA", "2,2"}}).gamma, 2.0f);
  EXPECT_FLOAT_EQ(Apply({{"--GAMMA", "abc"}}).gamma, 0.0f);
  EXPECT_EQ(FormatOption(Apply({}), "--GAMMA"), "1.00");
  EXPECT_EQ(Apply({{"--FILE-TIMESTAMP-CUSTOM", "4102444800"}}).file_timestamp_custom, 4102444800);
}

TEST(SettingsTable, OptionsSwitchTheirFeatureOn) {
  const ConversionSettings resized = Apply({{"--WIDTH", "800"}});
  EXPECT_EQ(resized.do_resize, 1);
  EXPECT_EQ(Apply({{"--ROTATION", "90"}}).do_rotation, 1);
  EXPECT_EQ(Apply({{"--INVERT", "0"}}).invert, 1);  // a switch ignores its value
  EXPECT_EQ(Apply({{"--INVERT", ""}}).do_color_correction, 1);
  EXPECT_EQ(Apply({{"--THRESHOLD", "9"}}).do_threshold, 1);
  EXPECT_EQ(Apply({{"--FR-SOLID-TOP", "3"}}).do_frame, 1);
  EXPECT_EQ(Apply({{"--FR-SOLID-TOP-COLOR", "FF0000"}}).do_frame, 0);
  EXPECT_EQ(Apply({{"--NO-SUBFOLDERS", ""}}).keep_subfolders, 0);
  // The later of the two watermark options decides the kind.
  EXPECT_EQ(Apply({{"--WM-IMAGE", "a.png"}, {"--WM-TEXT", "x"}}).do_watermark, kWatermarkText);
  EXPECT_EQ(Apply({{"--WM-TEXT", "x"}, {"--WM-IMAGE", "a.png"}}).do_watermark, kWatermarkImage);
}

TEST(SettingsTable, ProfilesTrimTextsAndNameTheFrameOpacityApart) {
  const auto profile = OptionSource::kProfile;
  EXPECT_EQ(Apply({{"--WM-FONT", "  Arial  "}}, profile).wm_font, "Arial");
  EXPECT_EQ(Apply({{"--WM-FONT", "  Arial  "}}).wm_font, "  Arial  ");
  EXPECT_EQ(Apply({{"--FILENAME-MASK", "\" %n% \""}}, profile).filename_mask, " %n% ");
  EXPECT_EQ(Apply({{"--WM-SOLID-OPACITY", "128"}}, profile).fr_solid_opacity, 128);
  EXPECT_EQ(FindOption("--FR-SOLID-OPACITY", profile), nullptr);
  EXPECT_EQ(FindOption("--WM-SOLID-OPACITY", OptionSource::kCommandLine), nullptr);
}

TEST(SettingsTable, DepthSettingsFollowTheExtension) {
  ConversionSettings settings;
  *MutableDepthSetting(settings, "jpg") = 8;
  EXPECT_EQ(settings.jpg_bpp, 8);
  EXPECT_EQ(DepthSetting(settings, "psd"), 0);
  EXPECT_FALSE(DepthSetting(settings, "xyz").has_value());
}

TEST(SettingsDefaults, ConsoleRunsKeepProportionsOff) {
  ConversionSettings settings;
  ResetSettingsToDefaults(settings, true);
  EXPECT_EQ(settings.keep_aspect_ratio, 0);
  ResetSettingsToDefaults(settings, false);
  EXPECT_EQ(settings.keep_aspect_ratio, 1);
  EXPECT_EQ(settings.wm_back_opacity, 1);
  EXPECT_FALSE(settings.wm_text.empty());
}

TEST(Keywords, CodesAndWordsBothWays) {
  EXPECT_EQ(KeywordToCode(kCatFileTimestamp, "custom"), 2);
  EXPECT_EQ(KeywordToCode(kCatFontEffect, "STRIKETHROUGHT"), 2);
  EXPECT_EQ(CodeToKeyword(kCatCompression, 2), "piz");
  EXPECT_EQ(CodeToKeyword(kCatCompression, 9), "");
  EXPECT_EQ(CodeToKeyword(kCatSizeMode, 1), "");
  EXPECT_EQ(KeywordToCode(99, "x"), 0);
}

}  // namespace
}  // namespace tavrosine
