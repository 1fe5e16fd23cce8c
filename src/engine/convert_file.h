#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "engine/bitmap.h"
#include "engine/file_context.h"
#include "engine/steps/watermark_font.h"
#include "platform/paths.h"
#include "settings/conversion_settings.h"
#include "settings/job_state.h"

namespace tavrosine {

// What a batch shares among its files, fixed before the first one starts.
struct BatchSetup {
  const ConversionSettings& settings;
  const JobState& job;
  const WatermarkFont* font = nullptr;
  // Every input of the batch: an output never replaces one of them.
  const std::set<FileIdentity>* protected_inputs = nullptr;
};

// One file between its two phases. The first phase does everything that does not depend
// on the files before it (so files can be prepared side by side); the second, run in list
// order, gives the file its running number, names it and writes it.
struct PreparedFile {
  FileContext file;
  bool loaded = false;
  std::string failure;            // the error line's text once the file has failed
  Bitmap image;                   // kept only while the pixels still wait for the position
  std::vector<uint8_t> encoded;   // the output file's bytes, once encoded
};

// True when the text watermark shows the running or random number, so a file's pixels
// depend on how many files before it were written.
bool WatermarkDependsOnPosition(const ConversionSettings& settings);

// First phase: load and every step; encodes the result unless the pixels wait for the
// position. `file.input_file` and `file.sub_path` must be set.
void PrepareFile(const BatchSetup& batch, PreparedFile& prepared);

// Second phase, with the running and random number this file gets: finishes the pixels if
// they waited, names the output, and writes it. True when the file was written.
bool CommitFile(const BatchSetup& batch, PreparedFile& prepared, int counter, int random_number);

}  // namespace tavrosine
