#pragma once

#include <string>

#include "settings/conversion_settings.h"

namespace tavrosine {

// Applies the long options of group "CLI" of a profile file, in file order. False when
// the path is empty or the file cannot be read; a file without that group changes nothing.
bool ApplyProfile(const std::string& path, ConversionSettings& settings);

}  // namespace tavrosine
