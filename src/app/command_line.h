#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/console_output.h"
#include "inputs/batch_counters.h"

namespace tavrosine {

// The two texts every parameter yields: its option name (upper case; for "--x=y" the part
// before "=") and its value (for "--x=y" the part after the first "=", else the whole).
std::string OptionName(const std::vector<std::string>& args, size_t i);
std::string OptionValue(const std::vector<std::string>& args, size_t i);

// The console front end. `args` are the parameters after the program name. Returns the
// process exit code, or none when the run belongs to the desktop front end (no
// parameters, or none naming an input and none in error). `counters.running` may be
// cleared by a signal to stop a batch after the file in hand.
std::optional<int> RunConsoleFrontEnd(const std::vector<std::string>& args,
                                      const std::string& program_name, BatchCounters& counters,
                                      ConsoleOutput& console);

}  // namespace tavrosine
