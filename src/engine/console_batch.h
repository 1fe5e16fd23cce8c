#pragma once

#include "engine/console_output.h"
#include "inputs/batch_counters.h"
#include "settings/conversion_settings.h"
#include "settings/job_state.h"

namespace tavrosine {

// Checks the input, the output folder, the format and every setting the conversion uses
// (listing each with the debug option), collects the input files and converts them.
// Returns the run's exit code. `counters.running` may be cleared from elsewhere (a signal)
// to stop after the file in hand.
int RunConsoleBatch(ConversionSettings& settings, JobState& job, bool quiet,
                    BatchCounters& counters, ConsoleOutput& console);

}  // namespace tavrosine
