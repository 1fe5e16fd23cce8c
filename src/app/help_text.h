#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrosine {

// The console help, one entry per line, for an executable called `program_name`.
std::vector<std::string> HelpLines(std::string_view program_name);

}  // namespace tavrosine
