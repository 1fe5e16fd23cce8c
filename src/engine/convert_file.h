#pragma once

#include <set>
#include <string>

#include "engine/file_context.h"
#include "engine/steps/watermark_font.h"
#include "settings/conversion_settings.h"
#include "settings/job_state.h"

namespace tavrosine {

// What a batch shares among its files, fixed before the first one starts.
struct BatchSetup {
  const ConversionSettings& settings;
  const JobState& job;
  const WatermarkFont* font = nullptr;
  // Every input of the batch, as resolved paths: an output never replaces one of them.
  const std::set<std::string>* protected_inputs = nullptr;
};

struct ConvertOutcome {
  bool ok = false;
  std::string error;  // the "Error: " line's text when the file failed
};

// Loads one DDS file, runs every step, names and saves the output. Fills in the file's
// depth, size and output path as it goes.
ConvertOutcome ConvertFile(const BatchSetup& batch, FileContext& file);

// The path as the file system resolves it, for comparing paths that may be spelled apart.
std::string ResolvedPath(const std::string& path);

}  // namespace tavrosine
