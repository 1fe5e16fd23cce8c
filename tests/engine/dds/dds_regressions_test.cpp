// Every fixture in regressions/ decodes to a valid bitmap or gives one clear error.

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/load_dds.h"

namespace tavrosine {
namespace {

namespace fs = std::filesystem;

TEST(DdsRegressions, EachFixtureDecodesOrGivesOneClearError) {
  const fs::path folder = fs::path(TAVROSINE_SOURCE_DIR) / "tests/engine/dds/regressions";
  int fixtures = 0;
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".dds") continue;
    ++fixtures;
    SCOPED_TRACE(entry.path().filename().string());
    const LoadedImage loaded = LoadDds(entry.path().string());
    if (loaded.image) {
      EXPECT_TRUE(loaded.error.empty()) << loaded.error;
      EXPECT_GT(Width(loaded.image), 0u);
      EXPECT_GT(Height(loaded.image), 0u);
      EXPECT_NE(FreeImage_GetBits(loaded.image.get()), nullptr);
    } else {
      EXPECT_FALSE(loaded.error.empty());
      EXPECT_EQ(loaded.error.find('\n'), std::string::npos) << loaded.error;
    }
  }
  // The reader reports through its result only.
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_GE(fixtures, 1) << "no fixtures in " << folder;
}

}  // namespace
}  // namespace tavrosine
