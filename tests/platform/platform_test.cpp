#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/clock.h"
#include "platform/font_aliases.h"
#include "platform/instance_lock.h"
#include "platform/paths.h"
#include "support/temp_dir.h"

namespace tavrosine {
namespace {

TEST(InstanceLock, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
  const std::string name = "tavrosine-lock-test-" + std::to_string(::getpid());
  {
    InstanceLock first(name);
    ASSERT_TRUE(first.acquired());
    InstanceLock second(name);
    EXPECT_FALSE(second.acquired());
  }
  InstanceLock again(name);
  EXPECT_TRUE(again.acquired());
}

TEST(Clock, LocalDateValuesRoundTrip) {
  const std::time_t now = std::time(nullptr);
  EXPECT_EQ(LocalSecondsToTime(TimeToLocalSeconds(now)), now);
}

TEST(Paths, SizesTellFilesFoldersAndNothingApart) {
  testing::TempDir dir;
  EXPECT_EQ(FileSize(dir.Write("a", "abc")), 3);
  EXPECT_EQ(FileSize(dir.Folder()), kFolderSize);
  EXPECT_EQ(FileSize(dir.Folder() + "missing"), kMissingFile);
  EXPECT_EQ(WithTrailingSeparator("/x"), "/x/");
  EXPECT_EQ(WithTrailingSeparator("/x/"), "/x/");
  EXPECT_EQ(ProgramFolder().back(), '/');
}

TEST(FontAliases, OnlyWhatTheConfigurationSaysOfThatName) {
  const std::vector<std::string> arial = ConfiguredFaceAliases("Arial");
  ASSERT_FALSE(arial.empty());
  EXPECT_EQ(arial.front(), "Arial");
  EXPECT_NE(std::find(arial.begin(), arial.end(), "Liberation Sans"), arial.end());
  EXPECT_EQ(ConfiguredFaceAliases("Zqxw Nonexistent Sans"),
            std::vector<std::string>{"Zqxw Nonexistent Sans"});
  // Serif and monospace names end in other generic lists than sans-serif ones.
  const std::vector<std::string> times = ConfiguredFaceAliases("Times New Roman");
  EXPECT_NE(std::find(times.begin(), times.end(), "Liberation Serif"), times.end());
  EXPECT_EQ(std::find(times.begin(), times.end(), "DejaVu Serif"), times.end());
  const std::vector<std::string> vera = ConfiguredFaceAliases("Bitstream Vera Sans");
  EXPECT_NE(std::find(vera.begin(), vera.end(), "DejaVu Sans"), vera.end());
}

}  // namespace
}  // namespace tavrosine
