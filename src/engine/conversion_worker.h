#pragma once

#include <string>

#include "engine/steps/watermark_font.h"
#include "inputs/batch_counters.h"
#include "inputs/input_list.h"
#include "settings/conversion_settings.h"
#include "settings/job_state.h"

namespace tavrosine {

// Where the worker reports what a front end may show.
class WorkerListener {
 public:
  virtual ~WorkerListener() = default;
  // The console's debug lines ("Processing: …", "Saving As: …", "OK"/"Not OK").
  virtual void OnDebugLine(const std::string& /*line*/) {}
  // One line per file that failed, naming the file and the reason.
  virtual void OnFileFailed(const std::string& /*message*/) {}
};

// Converts every file of the list in order until it ends or `counters.running` is cleared;
// the file in hand is finished first. Each written file advances the job's counter and
// random number. Writes the number of converted files to the result count.
void RunConversionWorker(const ConversionSettings& settings, JobState& job,
                         const InputList& inputs, const WatermarkFont* font,
                         BatchCounters& counters, WorkerListener& listener);

// Creates output folder + sub-path, one component at a time; failures show at the save.
void EnsureOutputSubfolder(const std::string& output_folder, const std::string& sub_path);

}  // namespace tavrosine
