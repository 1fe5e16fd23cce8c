#include "engine/conversion_worker.h"

#include <algorithm>
#include <condition_variable>
#include <thread>
#include <vector>

#include "engine/convert_file.h"
#include "platform/clock.h"
#include "platform/paths.h"

namespace tavrosine {
namespace {

void ApplyOutputFileTime(const ConversionSettings& settings, const FileContext& file) {
  if (settings.file_timestamp == kTimestampOriginal) {
    if (const auto time = ModificationTime(file.input_file)) {
      SetModificationTime(file.output_file, *time);
    }
  } else if (settings.file_timestamp == kTimestampCustom) {
    SetModificationTime(file.output_file, LocalSecondsToTime(settings.file_timestamp_custom));
  }
}

std::set<FileIdentity> InputIdentities(const InputList& inputs) {
  std::set<FileIdentity> identities;
  for (const auto& [path, entry] : inputs) {
    if (const std::optional<FileIdentity> identity = IdentityOf(path)) identities.insert(*identity);
  }
  return identities;
}

// One file per core unless told otherwise; never more threads than files, nor than a
// machine can sensibly run (each holds a whole image).
int ThreadCount(const ConversionSettings& settings, size_t files) {
  constexpr int kMostThreads = 256;
  const int wanted = settings.threads > 0
                         ? std::min(settings.threads, kMostThreads)
                         : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return static_cast<int>(std::clamp<size_t>(files, 1, static_cast<size_t>(wanted)));
}

// Prepares files side by side and commits them one at a time in list order, so names,
// numbers, messages and counts come out exactly as a one-at-a-time run gives them.
//
//   list:     0   1   2   3   4   5 ...
//   state:   [committed][prepared/preparing ...][not started]
//                      ^next_commit_            ^next_start_
//
// At most `window_` files are between the two marks, which bounds the memory in flight.
class OrderedBatch {
 public:
  OrderedBatch(const BatchSetup& batch, JobState& job, const InputList& inputs,
               BatchCounters& counters, WorkerListener& listener, int threads)
      : batch_(batch), job_(job), counters_(counters), listener_(listener), threads_(threads) {
    for (const auto& [path, entry] : inputs) {
      PreparedFile& prepared = files_.emplace_back();
      prepared.file.input_file = path;
      prepared.file.sub_path = entry.sub_path;
    }
    ready_.assign(files_.size(), false);
    // Files whose pixels wait for their position keep a whole image until committed.
    window_ = WatermarkDependsOnPosition(batch.settings) ? threads + 1 : 2 * threads;
    debug_ = job.console_run && job.debug == "DEBUG";
  }

  int Run() {
    std::vector<std::jthread> workers;
    for (int i = 1; i < threads_; ++i) workers.emplace_back([this] { Work(); });
    Work();
    workers.clear();  // joins
    return converted_;
  }

 private:
  void Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] {
        return !counters_.running || next_start_ >= files_.size() ||
               next_start_ < next_commit_ + window_;
      });
      if (!counters_.running || next_start_ >= files_.size()) return;
      const size_t index = next_start_++;
      counters_.SetProgress(static_cast<int>(index + 1), files_[index].file.input_file);
      lock.unlock();
      PrepareFile(batch_, files_[index]);
      lock.lock();
      ready_[index] = true;
      CommitReadyFiles(lock);
    }
  }

  // Whoever finds the next file in list order ready commits it, and every ready one after
  // it; the others go back to preparing.
  void CommitReadyFiles(std::unique_lock<std::mutex>& lock) {
    if (committing_) return;
    committing_ = true;
    while (next_commit_ < next_start_ && ready_[next_commit_]) {
      const size_t index = next_commit_;
      lock.unlock();
      Commit(files_[index]);
      lock.lock();
      ++next_commit_;
      changed_.notify_all();
    }
    committing_ = false;
  }

  void Commit(PreparedFile& prepared) {
    const ConversionSettings& settings = batch_.settings;
    const std::string& path = prepared.file.input_file;
    if (settings.keep_subfolders) EnsureOutputSubfolder(job_.output_folder, prepared.file.sub_path);
    if (debug_) listener_.OnDebugLine("Processing: " + path);
    const bool ok = CommitFile(batch_, prepared, job_.counter, job_.random_number);
    if (debug_) {
      listener_.OnDebugLine("Saving As: " + prepared.file.output_file);
      listener_.OnDebugLine(ok ? "OK" : "Not OK");
    }
    if (ok) {
      ++converted_;
      job_.random_number = DrawRandomNumber();
      ++job_.counter;
      ApplyOutputFileTime(settings, prepared.file);
    } else {
      listener_.OnFileFailed(prepared.failure);
    }
    prepared = PreparedFile{};  // release its pixels and bytes now
  }

  const BatchSetup& batch_;
  JobState& job_;  // counter and random number; changed only by the committing thread
  BatchCounters& counters_;
  WorkerListener& listener_;
  const int threads_;
  size_t window_ = 2;
  bool debug_ = false;

  std::vector<PreparedFile> files_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<bool> ready_;
  size_t next_start_ = 0;
  size_t next_commit_ = 0;
  bool committing_ = false;
  int converted_ = 0;
};

}  // namespace

void EnsureOutputSubfolder(const std::string& output_folder, const std::string& sub_path) {
  if (IsExistingFolder(output_folder + sub_path)) return;
  std::string folder = output_folder;
  size_t start = 0;
  for (size_t slash = sub_path.find(kPathSeparator); slash != std::string::npos;
       slash = sub_path.find(kPathSeparator, start)) {
    folder += sub_path.substr(start, slash - start + 1);
    start = slash + 1;
    if (!IsExistingFolder(folder)) CreateFolder(folder);
  }
}

void RunConversionWorker(const ConversionSettings& settings, JobState& job,
                         const InputList& inputs, const WatermarkFont* font,
                         BatchCounters& counters, WorkerListener& listener) {
  const std::set<FileIdentity> protected_inputs = InputIdentities(inputs);
  const BatchSetup batch{settings, job, font, &protected_inputs};
  OrderedBatch ordered(batch, job, inputs, counters, listener,
                       ThreadCount(settings, inputs.size()));
  const int converted = ordered.Run();
  std::lock_guard lock(counters.mutex);
  counters.result = converted;
}

}  // namespace tavrosine
