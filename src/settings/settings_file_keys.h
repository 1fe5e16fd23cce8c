#pragma once

#include <span>
#include <string>
#include <string_view>

#include "settings/settings_table.h"

namespace tavrosine {

// The config.ini layout this build writes; files with a lower number get corrected on load.
inline constexpr int kSettingsFileVersion = 17;

// How config.ini stores the rows of the settings table, beyond what the table itself says.
// The table's row order is the file's key order.

// False for the console-only settings, which the desktop front end never stores.
bool IsSettingsFileKey(const SettingRow& row);

// Settings held in one byte by the file format: a value read keeps its low 8 bits only.
bool IsByteWideKey(const SettingRow& row);

// Text settings whose leading and trailing spaces are dropped when the file is read.
bool IsTrimmedTextKey(const SettingRow& row);

// The format a per-format key of group "Input" or "Output" belongs to ("jpg" for
// "JPG Quality"); empty for keys that belong to no format.
std::string FormatOfKey(const SettingRow& row);

// The formats whose keys a group holds when written: the exposed input formats for "Input",
// the exposed output formats for "Output", none elsewhere.
std::span<const std::string_view> WrittenFormats(std::string_view group);

}  // namespace tavrosine
