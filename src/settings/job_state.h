#pragma once

#include <string>

namespace tavrosine {

// The job in hand, prepared by a front end and read by the worker. What changes per
// file lives in FileContext instead.
struct JobState {
  std::string program_folder;    // folder of the running executable, with a trailing '/'
  std::string input_file;        // a single input file or list file named by the console
  std::string input_argument;    // what -i named; the base folder of a folder import
  std::string output_folder;     // with a trailing separator once checked
  std::string input_format;      // key of the input format in use
  std::string output_extension;  // "" means the "Format" setting of group "Output"
  int output_freeimage_format = 0;
  int target_depth = 0;          // the depth setting of the output format; 0 = automatic
  int save_flags = 0;
  bool automatic_depth = false;
  int counter = 1;               // the running number the next written file gets
  int random_number = 1;         // the random number the next written file gets
  bool console_run = false;
  std::string debug;             // "DEBUG" when the console lists every setting
  int preferences_page = 0;
  int interface_reload = 0;
};

// A fresh random number for the filename mask: uniform in 1…99999.
int DrawRandomNumber();

// Reset values; the program folder is recomputed.
JobState MakeResetJobState();

}  // namespace tavrosine
