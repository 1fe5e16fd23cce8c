#include "settings/profile.h"

#include <gtest/gtest.h>

#include "settings/ini_file.h"
#include "support/temp_dir.h"

namespace tavrosine {
namespace {

using testing::TempDir;

TEST(IniFile, ReadsHandWrittenAndOldFiles) {
  const IniFile ini = IniFile::Parse(
      "\xEF\xBB\xBF\r\n  [Output]\r\n; comment\r\nJPG Quality = 80  \r\njpg quality=70\r\n"
      "Flag\n[Other\nKey\t=\t value\rEmpty=");
  EXPECT_EQ(ini.Value("output", "JPG QUALITY"), "80  ");  // first one counts, trailing kept
  EXPECT_EQ(ini.Value("Output", "Flag"), "");
  EXPECT_EQ(ini.Value("Other", "Key"), "value");
  EXPECT_EQ(ini.Value("Other", "Empty"), "");
  EXPECT_FALSE(ini.Value("Other", "Missing").has_value());
  EXPECT_EQ(ini.FindGroup("Output")->entries.size(), 3u);
}

TEST(IniFile, WithoutAByteOrderMarkBytesAreLatin1) {
  const IniFile ini = IniFile::Parse("[CLI]\n--WM-TEXT=caf\xE9\n");
  EXPECT_EQ(ini.Value("CLI", "--WM-TEXT"), "caf\xC3\xA9");
}

TEST(Profile, AppliesGroupCliInFileOrder) {
  TempDir dir;
  ConversionSettings settings;
  ResetSettingsToDefaults(settings, true);
  const std::string path = dir.Write(
      "p.ini",
      "[other]\n--jpg-quality=10\n[cli]\n--jpg-quality=70\n--jpg-quality=80\n--WM-TEXT=  Hi \n"
      "--FR-SOLID-OPACITY=5\n--WM-SOLID-OPACITY=128\n--INPUT=x.dds\n--invert=0\n");
  ASSERT_TRUE(ApplyProfile(path, settings));
  EXPECT_EQ(settings.jpg_quality, 80);
  EXPECT_EQ(settings.wm_text, "Hi");
  EXPECT_EQ(settings.do_watermark, kWatermarkText);
  EXPECT_EQ(settings.fr_solid_opacity, 128);
  EXPECT_EQ(settings.invert, 1);
}

TEST(Profile, MissingFileFailsAndAFileWithoutCliChangesNothing) {
  TempDir dir;
  ConversionSettings settings;
  EXPECT_FALSE(ApplyProfile("", settings));
  EXPECT_FALSE(ApplyProfile(dir.Folder() + "missing.ini", settings));
  EXPECT_FALSE(ApplyProfile(dir.Folder(), settings));
  EXPECT_TRUE(ApplyProfile(dir.Write("empty.ini", "[General]\nx=1\n"), settings));
  EXPECT_EQ(settings.jpg_quality, 95);
}

}  // namespace
}  // namespace tavrosine
