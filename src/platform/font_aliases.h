#pragma once

#include <string>
#include <vector>

namespace tavrosine {

// The face name followed by the families the system's font configuration offers in its
// place (metric-compatible aliases such as Arial → Liberation Sans), in preference order.
// The generic fallbacks that any unknown name would get are left out.
std::vector<std::string> ConfiguredFaceAliases(const std::string& face);

}  // namespace tavrosine
