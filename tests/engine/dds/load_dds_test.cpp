#include "engine/load_dds.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "dds_writer/dds_writer.h"
#include "dds_writer/test_picture.h"
#include "support/temp_dir.h"

namespace tavrosine {
namespace {

namespace fs = std::filesystem;

TEST(LoadDds, OpensTheCommittedExamples) {
  const fs::path examples = fs::path(TAVROSINE_SOURCE_DIR) / "examples";
  const struct {
    const char* file;
    unsigned width, height, bpp;
  } cases[] = {{"dxt1_64x64.dds", 64, 64, 32},     {"dxt5_alpha_96x80.dds", 96, 80, 32},
               {"bgr24_50x30.dds", 50, 30, 24},    {"bgra32_128x64.dds", 128, 64, 32},
               {"more/bc7_40x24.dds", 40, 24, 32}, {"more/dxt1_30x22.dds", 30, 22, 32}};
  for (const auto& c : cases) {
    const LoadedImage loaded = LoadDds((examples / c.file).string());
    ASSERT_TRUE(loaded.image) << c.file << ": " << loaded.error;
    EXPECT_EQ(loaded.error, "");
    EXPECT_EQ(Width(loaded.image), c.width) << c.file;
    EXPECT_EQ(Height(loaded.image), c.height) << c.file;
    EXPECT_EQ(Bpp(loaded.image), c.bpp) << c.file;
  }
}

TEST(LoadDds, ReportsWhatIsWrongWithoutNamingThePath) {
  testing::TempDir dir;
  const auto bytes = dds_writer::EncodeDds(dds_writer::MakeTestPicture(8, 8, 1, false),
                                           dds_writer::DdsFormat::kDxt5);
  const std::string cut = dir.Write("cut.dds", std::string(bytes.begin(), bytes.begin() + 140));
  const struct {
    std::string path;
    const char* message_part;
  } cases[] = {{dir.Folder() + "missing.dds", "cannot be opened"},
               {dir.path().string(), "cannot be read"},
               {cut, "Truncated: needs 64 bytes of pixel data, the file holds 12."},
               {dir.Write("empty.dds", ""), "empty"}};
  for (const auto& c : cases) {
    const LoadedImage loaded = LoadDds(c.path);
    EXPECT_FALSE(loaded.image) << c.path;
    EXPECT_NE(loaded.error.find(c.message_part), std::string::npos) << loaded.error;
    EXPECT_EQ(loaded.error.find(dir.path().string()), std::string::npos) << loaded.error;
  }
}

}  // namespace
}  // namespace tavrosine
