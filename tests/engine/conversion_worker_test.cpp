// The worker converts several files at once while everything observable stays exactly as
// a one-at-a-time run gives it.
#include "engine/conversion_worker.h"

#include <FreeImage.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "app/text.h"
#include "support/textures.h"

namespace tavrosine {
namespace {

using testing::TempDir;
using testing::WriteTexture;
namespace fs = std::filesystem;

class RecordingListener : public WorkerListener {
 public:
  void OnDebugLine(const std::string& line) override {
    lines.push_back(line);
    if (on_line) on_line(line);
  }
  void OnFileFailed(const std::string& message) override { lines.push_back("failed: " + message); }
  std::vector<std::string> lines;
  std::function<void(const std::string&)> on_line;
};

struct BatchResult {
  std::vector<std::string> lines;
  std::map<std::string, std::string> outputs;  // name → bytes
  int converted = 0;
  int counter_after = 0;
};

class WorkerTest : public ::testing::Test {
 protected:
  // Twelve textures of mixed formats with damaged files at positions 3, 4 and 9.
  void SetUp() override {
    using dds_writer::DdsFormat;
    const DdsFormat formats[] = {DdsFormat::kBgra8, DdsFormat::kDxt1, DdsFormat::kDxt5,
                                 DdsFormat::kBgr8};
    for (int i = 0; i < 12; ++i) {
      const std::string name = "in/f" + std::to_string(10 + i) + ".dds";
      if (i == 3 || i == 4 || i == 9) {
        inputs_.Write(name, "DDS damaged");
      } else {
        WriteTexture(inputs_, name, 32 + 4 * i, 16 + 4 * i, formats[i % 4],
                     static_cast<unsigned>(i));
      }
    }
  }

  BatchResult Run(int threads, const std::function<void(BatchCounters&, RecordingListener&)>&
                                   setup = nullptr) {
    TempDir out;
    ConversionSettings settings;
    ResetSettingsToDefaults(settings, true);
    settings.threads = threads;
    settings.filename_mask = "img_%n%_%filename%_%width%.%ext%";
    JobState job;
    job.console_run = true;
    job.debug = "DEBUG";
    job.output_folder = out.Folder();
    job.output_extension = "jpg";
    job.output_freeimage_format = FIF_JPEG;
    job.save_flags = 90;
    job.automatic_depth = true;
    job.counter = 7;
    InputList list;
    for (const auto& entry : fs::directory_iterator(inputs_.path() / "in")) {
      list.emplace(entry.path().string(), InputEntry{});
    }
    BatchCounters counters;
    RecordingListener listener;
    if (setup) setup(counters, listener);
    RunConversionWorker(settings, job, list, nullptr, counters, listener);

    BatchResult result;
    for (std::string line : listener.lines) {
      result.lines.push_back(ReplaceAll(line, out.Folder(), "<out>/"));
    }
    for (const auto& entry : fs::directory_iterator(out.path())) {
      result.outputs[entry.path().filename().string()] = testing::ReadFileBytes(entry.path());
    }
    result.converted = counters.Result();
    result.counter_after = job.counter;
    return result;
  }

  TempDir inputs_;
};

TEST_F(WorkerTest, SeveralThreadsGiveWhatOneThreadGives) {
  const BatchResult serial = Run(1);
  EXPECT_EQ(serial.converted, 9);
  EXPECT_EQ(serial.counter_after, 16);
  ASSERT_EQ(serial.outputs.size(), 9u);
  EXPECT_TRUE(serial.outputs.contains("img_00007_f10_32.jpg"));
  EXPECT_TRUE(serial.outputs.contains("img_00009_f12_40.jpg"));
  EXPECT_TRUE(serial.outputs.contains("img_00010_f15_52.jpg"));  // 13 and 14 failed
  for (const int threads : {2, 3, 8}) {
    const BatchResult parallel = Run(threads);
    EXPECT_EQ(parallel.lines, serial.lines) << threads << " threads";
    EXPECT_EQ(parallel.outputs, serial.outputs) << threads << " threads";
    EXPECT_EQ(parallel.converted, serial.converted);
    EXPECT_EQ(parallel.counter_after, serial.counter_after);
  }
}

TEST_F(WorkerTest, AStopFinishesTheFilesInHandAndStartsNoNewOne) {
  for (const int threads : {1, 3}) {
    const BatchResult stopped = Run(threads, [](BatchCounters& counters, RecordingListener& l) {
      l.on_line = [&counters](const std::string& line) {
        if (line.starts_with("Processing: ") && line.ends_with("f11.dds")) counters.Stop();
      };
    });
    // Whatever was in hand when the stop came is finished; the rest never starts.
    EXPECT_GE(stopped.converted, 2) << threads;
    EXPECT_LE(stopped.converted, 2 + 2 * threads) << threads;
    EXPECT_EQ(static_cast<int>(stopped.outputs.size()), stopped.converted);
    EXPECT_EQ(stopped.counter_after, 7 + stopped.converted);
  }
}

}  // namespace
}  // namespace tavrosine
