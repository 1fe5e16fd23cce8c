#include "engine/console_batch.h"

#include "app/messages.h"
#include "app/text.h"
#include "engine/console_checks.h"
#include "engine/conversion_worker.h"
#include "engine/steps/drawing_support.h"
#include "engine/output_naming.h"
#include "settings/formats.h"

namespace tavrosine {
namespace {

class ConsoleWorkerListener : public WorkerListener {
 public:
  explicit ConsoleWorkerListener(ConsoleOutput& console) : console_(console) {}
  void OnDebugLine(const std::string& line) override { console_.Line(line); }
  void OnFileFailed(const std::string& message) override { console_.ErrorLine("Error: " + message); }

 private:
  ConsoleOutput& console_;
};

// Fills the list from the folder, list file or single file the job names; returns the
// number of files added.
int ImportInputs(const JobState& job, InputList& inputs, BatchCounters& counters) {
  counters.ResetCounts();
  InputCollector collector(inputs, AcceptedInputExtensions(), job.input_argument);
  if (!job.input_argument.empty()) {
    collector.ScanBaseFolder(counters);
  } else {
    const std::string extension = ExtensionPart(job.input_file);
    if (EqualsIgnoringCase(extension, "txt") || EqualsIgnoringCase(extension, "lst")) {
      collector.ImportListFile(job.input_file, counters);
    } else {
      counters.AddResult(collector.AddFile(job.input_file) ? 1 : 0);
    }
  }
  return counters.Result();
}

}  // namespace

int RunConsoleBatch(ConversionSettings& settings, JobState& job, bool quiet,
                    BatchCounters& counters, ConsoleOutput& console) {
  const bool debug = job.debug == "DEBUG";
  auto status = [&](std::string_view text) {
    if (!quiet) console.Line(text);
  };

  status(LookUpText("General", "Preparing"));
  std::shared_ptr<const WatermarkFont> font;
  if (!PrepareConsoleJob(settings, job, debug, console, font)) return kExitNotStarted;

  status(LookUpText("General", "Importing"));
  InputList inputs;
  const int imported = ImportInputs(job, inputs, counters);
  status(FillPlaceholders(LookUpText("Msg", "Import complete"), std::to_string(imported)));
  if (imported == 0) {
    console.Line(LookUpText("Msg", "Conversion is not complete"));
    console.Line(LookUpText("Msg", "Empty input files"));
    return kExitNotStarted;
  }

  status(LookUpText("General", "Converting"));
  counters.ResetCounts();
  // Drawing needs Qt set up on this thread before the conversion threads use it.
  if (settings.do_frame || settings.do_watermark != kWatermarkNone) PrepareDrawing();
  ConsoleWorkerListener listener(console);
  RunConversionWorker(settings, job, inputs, font.get(), counters, listener);

  const int converted = counters.Result();
  if (converted > 0) {
    status(LookUpText("Msg", "Conversion complete"));
    status(FillPlaceholders(LookUpText("Msg", "Files converted"), std::to_string(converted),
                            std::to_string(imported)));
  } else {
    console.Line(LookUpText("Msg", "Conversion is not complete"));
  }
  return converted == imported ? kExitSuccess : kExitSomeFilesFailed;
}

}  // namespace tavrosine
