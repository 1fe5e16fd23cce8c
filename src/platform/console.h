#pragma once

#include <string_view>

namespace tavrosine {

// Sets the terminal's title when standard output is a terminal; otherwise does nothing.
void SetConsoleTitle(std::string_view title);

// Waits for one key press on a terminal. Returns at once when standard input is not a
// terminal or is at its end, so scripts never hang.
void WaitForKey();

}  // namespace tavrosine
