#include "platform/console.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace tavrosine {

void SetConsoleTitle(std::string_view title) {
  if (!isatty(STDOUT_FILENO)) return;
  const std::string sequence = "\033]0;" + std::string(title) + "\007";
  std::fwrite(sequence.data(), 1, sequence.size(), stdout);
  std::fflush(stdout);
}

void WaitForKey() {
  if (!isatty(STDIN_FILENO)) return;
  termios saved{};
  const bool raw = tcgetattr(STDIN_FILENO, &saved) == 0;
  if (raw) {
    termios single_key = saved;
    single_key.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    single_key.c_cc[VMIN] = 1;
    single_key.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &single_key);
  }
  char key = 0;
  [[maybe_unused]] const ssize_t read_count = read(STDIN_FILENO, &key, 1);
  if (raw) tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}

}  // namespace tavrosine
