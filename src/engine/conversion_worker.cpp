#include "engine/conversion_worker.h"

#include <set>

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

std::set<std::string> ResolvedInputs(const InputList& inputs) {
  std::set<std::string> resolved;
  for (const auto& [path, entry] : inputs) resolved.insert(ResolvedPath(path));
  return resolved;
}

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
  const bool debug = job.console_run && job.debug == "DEBUG";
  const std::set<std::string> protected_inputs = ResolvedInputs(inputs);
  const BatchSetup batch{settings, job, font, &protected_inputs};
  int index = 0;
  int converted = 0;
  for (const auto& [path, entry] : inputs) {
    if (!counters.running) break;
    counters.SetProgress(++index, path);
    if (settings.keep_subfolders) EnsureOutputSubfolder(job.output_folder, entry.sub_path);
    if (debug) listener.OnDebugLine("Processing: " + path);

    FileContext file;
    file.input_file = path;
    file.sub_path = entry.sub_path;
    file.counter = job.counter;
    file.random_number = job.random_number;
    const ConvertOutcome outcome = ConvertFile(batch, file);

    if (debug) {
      listener.OnDebugLine("Saving As: " + file.output_file);
      listener.OnDebugLine(outcome.ok ? "OK" : "Not OK");
    }
    if (!outcome.ok) {
      listener.OnFileFailed(outcome.error);
      continue;
    }
    ++converted;
    job.random_number = DrawRandomNumber();
    ++job.counter;
    ApplyOutputFileTime(settings, file);
  }
  std::lock_guard lock(counters.mutex);
  counters.result = converted;
}

}  // namespace tavrosine
