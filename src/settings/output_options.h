#pragma once

#include <string_view>

#include "settings/conversion_settings.h"
#include "settings/job_state.h"

namespace tavrosine {

// The FreeImage save flags for an output extension under the current settings.
int ComputeSaveFlags(std::string_view extension, const ConversionSettings& settings);

// Fixes the FreeImage format, target depth, save flags and automatic depth of the job
// from its (already validated) output extension.
void ResolveOutputOptions(JobState& job, const ConversionSettings& settings);

}  // namespace tavrosine
