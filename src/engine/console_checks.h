#pragma once

#include <memory>

#include "engine/console_output.h"
#include "engine/steps/watermark_font.h"
#include "settings/conversion_settings.h"
#include "settings/job_state.h"

namespace tavrosine {

// Resolves and checks the input, the output folder and the output format of a console
// run, then every setting the conversion will use, in the order the debug listing shows
// them. Prints "Error: …" and returns false at the first failure. On success the job's
// output options are resolved and `font` holds the text watermark's font when one is on.
bool PrepareConsoleJob(ConversionSettings& settings, JobState& job, bool debug,
                       ConsoleOutput& console, std::shared_ptr<const WatermarkFont>& font);

// A console folder argument made usable: a relative folder is taken against the current
// folder ("./" dropped), and a trailing separator added.
std::string ResolveConsoleFolder(std::string folder);

}  // namespace tavrosine
