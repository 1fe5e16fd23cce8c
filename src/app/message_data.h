#pragma once

#include <string_view>
#include <vector>

namespace tavrosine {

// The built-in texts: "_GROUP_" pairs start a group named by their value, "_END_" ends
// the data, every other pair is a (key, text) entry of the current group.
struct MessagePair {
  std::string_view key;
  std::string_view value;
};

const std::vector<MessagePair>& BuiltInMessages();

}  // namespace tavrosine
