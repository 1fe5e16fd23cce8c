#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/clock.h"
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

}  // namespace
}  // namespace tavrosine
