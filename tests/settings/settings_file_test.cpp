#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace tavrosine {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;

// Desktop defaults with the two clock-dependent dates pinned, so the bytes are predictable.
ConversionSettings Defaults() {
  ConversionSettings settings;
  ResetSettingsToDefaults(settings, false);
  settings.update_date = 1700000000;
  settings.file_timestamp_custom = 1600000000;
  return settings;
}

std::string Saved(const ConversionSettings& settings) {
  TempDir dir;
  const std::string path = dir.Folder() + "config.ini";
  EXPECT_TRUE(SaveSettingsFile(path, settings));
  return ReadFileBytes(path);
}

ConversionSettings Loaded(const std::string& bytes) {
  TempDir dir;
  ConversionSettings settings;
  EXPECT_TRUE(LoadSettingsFile(dir.Write("config.ini", bytes), settings));
  return settings;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

struct GroupKeys {
  std::string group;
  std::vector<std::string> keys;
};

// Groups and their keys in file order: "[Group]", "Key = value" lines, then "; ".
std::vector<GroupKeys> Structure(const std::string& text) {
  std::vector<GroupKeys> groups;
  bool closed = true;
  for (const std::string& line : Lines(text.substr(3))) {
    if (line.empty()) continue;
    if (line.front() == '[') {
      EXPECT_TRUE(closed) << "no \"; \" line before " << line;
      groups.push_back({line.substr(1, line.size() - 2), {}});
      closed = false;
    } else if (line == "; ") {
      closed = true;
    } else {
      EXPECT_FALSE(closed) << "key outside a group: " << line;
      const size_t equals = line.find(" = ");
      EXPECT_NE(equals, std::string::npos) << line;
      if (!groups.empty()) groups.back().keys.push_back(line.substr(0, equals));
    }
  }
  EXPECT_TRUE(closed);
  return groups;
}

TEST(SettingsFile, DefaultsAreWrittenWithEveryGroupAndKeyInOrder) {
  const std::string text = Saved(Defaults());

  const std::string head =
      "\xEF\xBB\xBF\r\n[General]\r\nCFG = 17\r\nLanguage = en\r\nUpdate Range = 2\r\n"
      "Update Date = 1700000000\r\nSave Window Position = 1\r\n; \r\n"
      "[Window]\r\nIsMaximized = 0\r\nWidth = 510\r\nHeight = 330\r\nX = 100\r\nY = 100\r\n; \r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_TRUE(text.ends_with("[Privacy]\r\nClean Recent Files = 0\r\n; \r\n"));
  for (size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '\r' || text[at] == '\n') {
      ASSERT_EQ(text.substr(text[at] == '\r' ? at : at - 1, 2), "\r\n") << "at byte " << at;
    }
  }

  const std::vector<GroupKeys> expected = {
      {"General", {"CFG", "Language", "Update Range", "Update Date", "Save Window Position"}},
      {"Window", {"IsMaximized", "Width", "Height", "X", "Y"}},
      {"Interface", {"UI Theme", "UI Size"}},
      {"Input", {"Format", "DDS Load As"}},
      {"Output", {"Format", "JPG BPP", "JPG Quality", "JPG Chroma", "JPG Save As"}},
      {"Transform",
       {"Do Image Rotation", "Image Rotation Type", "Image Rotation", "Image Rotation Back Color",
        "Do Image Resize", "Image Width", "Image Width Unit", "Image Height", "Image Height Unit",
        "Keep Aspect Ratio", "Image Resize Type", "Image Resize Algorithm",
        "Do Image Flip Horizontal", "Do Image Flip Vertical"}},
      {"Adjustment",
       {"Do Image Color Correction", "Image Brightness", "Image Contrast", "Image Gamma",
        "Image Invert", "Do Image Greyscale", "Do Image Threshold", "Image Threshold"}},
      {"Frame",
       {"Do Frame", "Solid Left", "Solid Right", "Solid Top", "Solid Bottom", "Solid Left Color",
        "Solid Right Color", "Solid Top Color", "Solid Bottom Color", "Solid Opacity"}},
      {"Watermark",
       {"Do Watermark",      "Text",           "Fonts",          "Font",           "Font Size",
        "Font Leading",      "Font Colors",    "Font Color",     "Font Style",     "Font Effect",
        "Text Antialiasing", "Text Alignment", "Text Padding",   "Text Opacity",   "Back Colors",
        "Back Color",        "Back Opacity",   "Text Boundary",  "Text Position",  "Text X Offset",
        "Text Y Offset",     "Text Rotation",  "Text Size",      "Text Scale",     "Image",
        "Image Greyscale",   "Image Opacity",  "Image Boundary", "Image Position", "Image X Offset",
        "Image Y Offset",    "Image Rotation", "Image Size",     "Image Scale"}},
      {"Advanced",
       {"Filename Mask", "File Timestamp", "Custom Timestamp", "Out Folders History",
        "Out Folders Number", "Keep Subfolders"}},
      {"File", {"Recent Out Folders", "Recent Files"}},
      {"Privacy", {"Clean Recent Files"}},
  };
  const std::vector<GroupKeys> actual = Structure(text);
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i].group, expected[i].group);
    EXPECT_EQ(actual[i].keys, expected[i].keys) << expected[i].group;
  }

  for (const char* line :
       {"\r\nFormat = dds\r\n", "\r\nJPG Quality = 95\r\n", "\r\nKeep Aspect Ratio = 1\r\n",
        "\r\nImage Resize Algorithm = 3\r\n", "\r\nImage Gamma = 1.000000\r\n",
        "\r\nBack Opacity = 1\r\n", "\r\nFilename Mask = %filename%.%ext%\r\n",
        "\r\nCustom Timestamp = 1600000000\r\n", "\r\nRecent Files = \r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

TEST(SettingsFile, WhatIsSavedLoadsBackAndSavesToTheSameBytes) {
  ConversionSettings settings = Defaults();
  settings.language = "en";
  settings.update_date = 4102444800;  // beyond 32 bits
  settings.is_maximized = 1;
  settings.window_x = -8;
  settings.window_width = 1024;
  settings.ui_theme = "dark";
  settings.jpg_quality = 80;
  settings.jpg_save_as = 3;
  settings.rotation = 270;
  settings.rotation_back_color = "FF8000";
  settings.brightness = -40;
  settings.gamma = 2.2f;
  settings.wm_text = "\xC2\xA9 Ren\xC3\xA9 %eol% 2026";
  settings.wm_image = "/home/r\xC3\xA9my/mark.png";
  settings.do_watermark = kWatermarkImage;
  settings.filename_mask = "%filename[u]%_%n%.%ext%";
  settings.recent_out_folders = "/out/a/\t/out/b/";
  settings.clean_recent_files = 1;

  const std::string first = Saved(settings);
  const ConversionSettings loaded = Loaded(first);
  EXPECT_EQ(Saved(loaded), first);
  EXPECT_EQ(loaded.update_date, 4102444800);
  EXPECT_EQ(loaded.window_x, -8);
  EXPECT_EQ(loaded.brightness, -40);
  EXPECT_FLOAT_EQ(loaded.gamma, 2.2f);
  EXPECT_EQ(loaded.wm_text, settings.wm_text);
  EXPECT_EQ(loaded.wm_image, settings.wm_image);
  EXPECT_EQ(loaded.recent_out_folders, "/out/a/\t/out/b/");
  EXPECT_NE(first.find("\r\nImage Gamma = 2.200000\r\n"), std::string::npos);
  EXPECT_NE(first.find("\r\nText = \xC2\xA9 Ren\xC3\xA9 %eol% 2026\r\n"), std::string::npos);
}

TEST(SettingsFile, HandWrittenLatin1FileLoadsByTheReadingRules) {
  const ConversionSettings settings = Loaded(
      "; written by hand\n"
      "  [output]\n"
      "jpg quality=80%\n"
      "JPG Quality = 60\n"
      "PNG BPP = 24\n"
      "\t[ADJUSTMENT]\n"
      "Image Brightness\t=\t-12 \n"
      "Image Contrast = abc\n"
      "Image Threshold = $10\n"
      "Image Invert\n"
      "[Watermark]\n"
      "Text =   Caf\xE9 du Nord   \n"
      "Font Color =  FF0000 \n"
      "  ; Font = Ignored\n"
      "Font = Verdana\t\n"
      "[interface]\n"
      "UI Theme = dark  \n"
      "[Advanced]\n"
      "Threads = 8\n"
      "[General]\n"
      "cfg=16\n"
      "Save Window Position = 1\n");

  EXPECT_EQ(settings.jpg_quality, 80);  // the first of two counts; reading stops at "%"
  EXPECT_EQ(settings.png_bpp, 24);
  EXPECT_EQ(settings.brightness, -12);
  EXPECT_EQ(settings.contrast, 0);
  EXPECT_EQ(settings.threshold, 0);  // no "$" hexadecimal in this file
  EXPECT_EQ(settings.invert, 0);     // a key without "=" has an empty value
  EXPECT_EQ(settings.wm_text, "Caf\xC3\xA9 du Nord");
  EXPECT_EQ(settings.wm_font_color, "FF0000");
  EXPECT_EQ(settings.wm_font, "Verdana\t");  // only spaces are trimmed
  EXPECT_EQ(settings.ui_theme, "dark  ");    // not a trimmed key
  EXPECT_EQ(settings.threads, 0);            // a console-only option

  // Missing keys get their defaults; a missing window position is 100, not centred.
  EXPECT_EQ(settings.jpg_chroma, 0);
  EXPECT_EQ(settings.keep_aspect_ratio, 1);
  EXPECT_EQ(settings.wm_back_opacity, 1);
  EXPECT_EQ(settings.output_format, "jpg");
  EXPECT_EQ(settings.input_format, "dds");
  EXPECT_EQ(settings.window_width, 510);
  EXPECT_EQ(settings.window_x, 100);
  EXPECT_EQ(settings.window_y, 100);
  EXPECT_EQ(settings.filename_mask, "%filename%.%ext%");
  EXPECT_GT(settings.update_date, 0);

  // Keys of formats the product does not expose are loaded but not kept.
  const std::string saved = Saved(settings);
  EXPECT_EQ(saved.find("PNG BPP"), std::string::npos);
  EXPECT_EQ(saved.find("Threads"), std::string::npos);
  EXPECT_NE(saved.find("\r\nText = Caf\xC3\xA9 du Nord\r\n"), std::string::npos);
}

TEST(SettingsFile, ByteWideSettingsKeepTheLowEightBitsOthersTheWholeNumber) {
  struct Case {
    const char* group;
    const char* line;
    int ConversionSettings::*field;
    int expected;
  } cases[] = {
      {"Transform", "Image Resize Algorithm = 259", &ConversionSettings::resize_algorithm, 3},
      {"Advanced", "Keep Subfolders = 256", &ConversionSettings::keep_subfolders, 0},
      {"Advanced", "Out Folders Number = -1", &ConversionSettings::out_folders_number, 255},
      {"Watermark", "Do Watermark = 258", &ConversionSettings::do_watermark, 2},
      {"Watermark", "Text Position = 264", &ConversionSettings::wm_text_position, 8},
      {"Output", "JPG Chroma = 259", &ConversionSettings::jpg_chroma, 259},
      {"Input", "DDS Load As = 257", &ConversionSettings::dds_load_as, 257},
      {"Transform", "Image Width = -70000", &ConversionSettings::width, -70000},
      {"Transform", "Image Height = 99999999999", &ConversionSettings::height, 2147483647},
  };
  for (const Case& c : cases) {
    const ConversionSettings settings =
        Loaded(std::string("[") + c.group + "]\r\n" + c.line + "\r\n");
    EXPECT_EQ(settings.*c.field, c.expected) << c.line;
  }
}

TEST(SettingsFile, FilesOfOlderVersionsAreCorrected) {
  struct Case {
    const char* version_line;
    const char* mask;
    int raw_load_as;
    const char* expected_mask;
    int expected_raw_load_as;
  } cases[] = {
      {"CFG = 10", "%filename%_small", 1, "%filename%_small.%ext%", 3},
      {"CFG = 10", "%filename%.%EXT%", 0, "%filename%.%EXT%", 0},
      {"", "  %n%  ", 4, "%n%.%ext%", 6},  // no version reads 0
      {"CFG = 11", "%filename%_small", 1, "%filename%_small", 3},
      {"CFG = 13", "%filename%", 1, "%filename%", 3},
      {"CFG = 14", "%filename%", 1, "%filename%", 1},
      {"CFG = 17", "%filename%", 5, "%filename%", 5},
  };
  for (const Case& c : cases) {
    const ConversionSettings settings =
        Loaded(std::string("[General]\r\n") + c.version_line +
               "\r\n[Advanced]\r\nFilename Mask = " + c.mask +
               "\r\n[Input]\r\nRAW Load As = " + std::to_string(c.raw_load_as) + "\r\n");
    EXPECT_EQ(settings.filename_mask, c.expected_mask) << c.version_line << " " << c.mask;
    EXPECT_EQ(settings.raw_load_as, c.expected_raw_load_as) << c.version_line;
  }
  // What this build writes is never corrected again.
  ConversionSettings settings = Defaults();
  settings.filename_mask = "%filename%";
  EXPECT_EQ(Loaded(Saved(settings)).filename_mask, "%filename%");
}

TEST(SettingsFile, WindowKeysAreLeftOutUnlessTheWindowPositionIsSaved) {
  ConversionSettings settings = Defaults();
  settings.save_window_position = 0;
  settings.is_maximized = 1;
  settings.window_x = 5;
  settings.window_y = 6;
  settings.window_width = 800;
  settings.window_height = 600;
  const std::string saved = Saved(settings);
  EXPECT_NE(saved.find("\r\nSave Window Position = 0\r\n; \r\n[Window]\r\n; \r\n[Interface]\r\n"),
            std::string::npos);

  const ConversionSettings loaded = Loaded(saved);
  EXPECT_EQ(loaded.save_window_position, 0);
  EXPECT_EQ(loaded.is_maximized, 0);
  EXPECT_EQ(loaded.window_width, 510);
  EXPECT_EQ(loaded.window_height, 330);
  EXPECT_EQ(loaded.window_x, 100);
  EXPECT_EQ(loaded.window_y, 100);
}

TEST(SettingsFile, GammaIsWrittenWithSixDecimalsAndInfinitiesReadBack) {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  struct Case {
    const char* stored;
    float expected;
    const char* written;
  } cases[] = {
      {"1.5", 1.5f, "1.500000"},
      {"0.01", 0.01f, "0.010000"},
      {"9.99  ", 9.99f, "9.990000"},
      {"2.25xyz", 2.25f, "2.250000"},
      {"abc", 0.0f, "0.000000"},
      {"-0.5", -0.5f, "-0.500000"},
      {"+Infinity", kInfinity, "+Infinity"},
      {"-Infinity", -kInfinity, "-Infinity"},
      {"1e39", kInfinity, "+Infinity"},
  };
  for (const Case& c : cases) {
    const ConversionSettings settings =
        Loaded(std::string("[Adjustment]\r\nImage Gamma = ") + c.stored + "\r\n");
    EXPECT_EQ(settings.gamma, c.expected) << c.stored;
    EXPECT_NE(Saved(settings).find(std::string("\r\nImage Gamma = ") + c.written + "\r\n"),
              std::string::npos)
        << c.stored;
  }
}

}  // namespace
}  // namespace tavrosine
