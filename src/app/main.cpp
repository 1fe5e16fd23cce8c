#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/help_text.h"
#include "engine/output_naming.h"

namespace {

tavrosine::BatchCounters* interruptible_batch = nullptr;

// The first Ctrl+C finishes the file in hand and stops; a second one ends the process.
void OnInterrupt(int signal_number) {
  if (interruptible_batch != nullptr) interruptible_batch->running = false;
  std::signal(signal_number, SIG_DFL);
}

std::string ProgramName(const char* argv0) {
  return tavrosine::StripExtension(tavrosine::FileNamePart(argv0 != nullptr ? argv0 : "tavrosine"));
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::string program_name = ProgramName(argc > 0 ? argv[0] : nullptr);

  tavrosine::BatchCounters counters;
  interruptible_batch = &counters;
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);

  tavrosine::ConsoleOutput console(std::cout, std::cerr);
  if (const std::optional<int> exit_code =
          tavrosine::RunConsoleFrontEnd(args, program_name, counters, console)) {
    return *exit_code;
  }
  // The desktop front end is not part of this build: explain how to use the console one.
  for (const std::string& line : tavrosine::HelpLines(program_name)) console.Line(line);
  return 0;
}
