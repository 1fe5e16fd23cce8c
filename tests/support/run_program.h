#pragma once

#include <string>
#include <vector>

namespace tavrosine::testing {

struct ProgramResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// Runs the product's executable with `args` in folder `cwd`, without a desktop session
// (no DISPLAY, WAYLAND_DISPLAY or XDG_RUNTIME_DIR), and standard input closed.
ProgramResult RunTavrosine(const std::vector<std::string>& args, const std::string& cwd);

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

}  // namespace tavrosine::testing
