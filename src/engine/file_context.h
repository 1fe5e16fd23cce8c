#pragma once

#include <string>

namespace tavrosine {

// What one file's conversion knows about itself. Each file gets its own, so several
// files can be converted at once without sharing mutable state.
struct FileContext {
  std::string input_file;   // full path of the file being converted
  std::string sub_path;     // its folder relative to the imported folder, "" or ending in '/'
  int loaded_depth = 0;     // bits per pixel right after loading
  int target_depth = 0;     // the depth this file is written with
  int output_width = 0;     // final size after the transformations
  int output_height = 0;
  int counter = 1;          // the running number this file's name gets (%n%)
  int random_number = 1;    // the random number this file's name gets (%rnd%)
  std::string output_file;  // full path of the output file, once named
};

}  // namespace tavrosine
