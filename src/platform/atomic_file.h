#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tavrosine {

// Writes the bytes to a temporary file beside `path` and renames it into place, so a
// failed or interrupted write never leaves a truncated file or destroys an existing good
// one. Returns "" or the reason.
std::string WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace tavrosine
