#pragma once

#include <string>

#include "settings/conversion_settings.h"

namespace tavrosine {

// The desktop front end's config.ini: UTF-8 with a byte-order mark, CR LF line ends, one
// "[Group]" line per group, "Key = value" lines, integer codes for keywords.

// Fills every stored setting from the file; keys it lacks get their defaults. When the file
// cannot be read every setting gets its desktop default and the result is false. The
// settings-file path held in `settings` is left as it is.
bool LoadSettingsFile(const std::string& path, ConversionSettings& settings);

// Writes the file anew. The old file is replaced in one step, so a save that fails leaves it
// intact; the result says whether the new one was written.
bool SaveSettingsFile(const std::string& path, const ConversionSettings& settings);

// ".../Quorvane/tavrosine/config.ini" in the user's configuration folder, creating the two
// sub-folders when missing. A folder that cannot be created goes unnoticed here: loading then
// gives the defaults and saving fails. "" when the user has no configuration folder.
std::string SettingsFilePath();

}  // namespace tavrosine
