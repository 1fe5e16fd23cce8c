#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "settings/settings_file.h"
#include "support/temp_dir.h"

namespace tavrosine {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempDir;

// Sets or clears an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

size_t EntryCount(const fs::path& folder) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(SettingsFileStorage, AFileThatCannotBeReadGivesTheDesktopDefaults) {
  TempDir dir;
  for (const std::string& path : {dir.Folder() + "missing.ini", dir.Folder(), std::string()}) {
    ConversionSettings settings;
    ResetSettingsToDefaults(settings, true);
    settings.settings_file_path = "/kept/config.ini";
    settings.jpg_quality = 10;
    settings.filename_mask = "%filename%";
    settings.threads = 3;
    EXPECT_FALSE(LoadSettingsFile(path, settings)) << path;
    EXPECT_EQ(settings.jpg_quality, 95);
    EXPECT_EQ(settings.keep_aspect_ratio, 1);
    EXPECT_EQ(settings.threads, 0);
    EXPECT_EQ(settings.filename_mask, "%filename%.%ext%");  // no correction without a file
    EXPECT_GT(settings.update_date, 0);
    EXPECT_EQ(settings.settings_file_path, "/kept/config.ini");
  }
}

TEST(SettingsFileStorage, SaveReplacesTheFileWholeAndLeavesNothingElse) {
  TempDir dir;
  const std::string path = dir.Write("config.ini", std::string(100000, 'x'));
  ConversionSettings settings;
  ResetSettingsToDefaults(settings, false);
  settings.jpg_quality = 42;
  ASSERT_TRUE(SaveSettingsFile(path, settings));
  const std::string saved = ReadFileBytes(path);
  EXPECT_TRUE(saved.starts_with("\xEF\xBB\xBF\r\n[General]\r\n"));
  EXPECT_TRUE(saved.ends_with("; \r\n"));
  EXPECT_EQ(saved.find("xxx"), std::string::npos);
  EXPECT_EQ(EntryCount(dir.path()), 1u);

  TempDir fresh;
  ASSERT_TRUE(SaveSettingsFile(fresh.Folder() + "config.ini", settings));
  EXPECT_EQ(saved, ReadFileBytes(fresh.path() / "config.ini"));
}

TEST(SettingsFileStorage, AFailedSaveKeepsWhatWasThereAndLeavesNoTemporaryFile) {
  TempDir dir;
  ConversionSettings settings;
  ResetSettingsToDefaults(settings, false);

  // The folder is missing: nothing is created.
  EXPECT_FALSE(SaveSettingsFile(dir.Folder() + "missing/config.ini", settings));
  EXPECT_FALSE(SaveSettingsFile("", settings));
  EXPECT_EQ(EntryCount(dir.path()), 0u);

  // The new content is complete but cannot take the old one's place: the old one survives.
  const std::string blocked = dir.Write("config.ini/old.txt", "old settings");
  EXPECT_FALSE(SaveSettingsFile(dir.Folder() + "config.ini", settings));
  EXPECT_EQ(ReadFileBytes(blocked), "old settings");
  EXPECT_EQ(EntryCount(dir.path()), 1u);
}

TEST(SettingsFileStorage, PathIsBelowTheUserConfigFolderWhichIsCreated) {
  TempDir dir;
  {
    const ScopedEnv config("XDG_CONFIG_HOME", dir.path().c_str());
    const std::string path = SettingsFilePath();
    EXPECT_EQ(path, (dir.path() / "Quorvane/tavrosine/config.ini").string());
    EXPECT_TRUE(fs::is_directory(dir.path() / "Quorvane/tavrosine"));
  }
  const fs::path home = dir.path() / "home";
  const ScopedEnv home_env("HOME", home.c_str());
  for (const char* config_home : {static_cast<const char*>(nullptr), "", "relative/cfg"}) {
    const ScopedEnv config("XDG_CONFIG_HOME", config_home);
    EXPECT_EQ(SettingsFilePath(), (home / ".config/Quorvane/tavrosine/config.ini").string());
    EXPECT_TRUE(fs::is_directory(home / ".config/Quorvane/tavrosine"));
  }
  const ScopedEnv no_home("HOME", nullptr);
  const ScopedEnv no_config("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(SettingsFilePath(), "");
}

TEST(SettingsFileStorage, AConfigFolderThatCannotBeCreatedMeansDefaultsAndNoSave) {
  TempDir dir;
  const std::string not_a_folder = dir.Write("plain-file", "x");
  const ScopedEnv config("XDG_CONFIG_HOME", not_a_folder.c_str());
  const std::string path = SettingsFilePath();
  EXPECT_EQ(path, not_a_folder + "/Quorvane/tavrosine/config.ini");

  ConversionSettings settings;
  settings.jpg_quality = 10;
  EXPECT_FALSE(LoadSettingsFile(path, settings));
  EXPECT_EQ(settings.jpg_quality, 95);
  EXPECT_FALSE(SaveSettingsFile(path, settings));
  EXPECT_EQ(ReadFileBytes(not_a_folder), "x");
}

}  // namespace
}  // namespace tavrosine
