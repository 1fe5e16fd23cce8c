#pragma once

#include <ostream>
#include <string_view>

namespace tavrosine {

// The console's two streams: the product's own lines on one, per-file failures on the other.
class ConsoleOutput {
 public:
  ConsoleOutput(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  void Line(std::string_view text) { out_ << text << '\n' << std::flush; }
  void ErrorLine(std::string_view text) { err_ << text << '\n' << std::flush; }

 private:
  std::ostream& out_;
  std::ostream& err_;
};

// Exit codes of a console run.
enum ExitCode {
  kExitSuccess = 0,         // help, version, or every imported file converted
  kExitNotStarted = 1,      // an "Error: " line before converting, or no input file found
  kExitSomeFilesFailed = 2  // conversion ran and at least one file failed
};

}  // namespace tavrosine
