#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/conversion_settings.h"

namespace tavrosine {

// How a setting's value is read from an option and written to text.
enum class ValueKind {
  kFlag,     // a switch: the option alone sets it (to `switch_value`)
  kInt,      // the number rule
  kDate,     // the number rule, seconds since 1970 in local time
  kReal,     // a decimal number with "."
  kKeyword,  // a keyword of `category`, stored as its code
  kText,     // stored as written (profiles trim spaces)
  kMask,     // stored as written (profiles trim double quotes)
};

using SettingField =
    std::variant<int ConversionSettings::*, int64_t ConversionSettings::*,
                 float ConversionSettings::*, std::string ConversionSettings::*>;

// A flag an option switches on besides its own setting ("Do Image Resize" for --WIDTH).
struct SideEffect {
  int ConversionSettings::*flag = nullptr;
  int value = 0;
};

// One setting: where it is stored, how it is read, and the option that sets it.
struct SettingRow {
  std::string_view group;
  std::string_view key;
  SettingField field;
  ValueKind kind;
  int category = -1;
  std::string_view option = {};          // "--JPG-QUALITY"; empty when no option sets it
  SideEffect also = {};
  int switch_value = 1;                  // what a switch option stores
  std::string_view profile_option = {};  // the profile's key when it differs from `option`
};

std::span<const SettingRow> SettingsTable();

enum class OptionSource { kCommandLine, kProfile };

// The row of a long option, its name upper-cased with its two dashes; null when unknown.
// Profiles know the conversion options only, some under their own key.
const SettingRow* FindOption(std::string_view upper_name, OptionSource source);

// Stores an option's value (ignored for switches) and applies its side effect.
void ApplyOptionValue(ConversionSettings& settings, const SettingRow& row, std::string_view value,
                      OptionSource source);

// How a setting reads as text: the debug listing names keywords (in lower case) and shows
// reals with two decimals; the settings file keeps codes and writes reals with six
// decimals, infinities as the words below. Neither depends on the user's locale.
enum class SettingTextStyle { kListing, kFile };
inline constexpr std::string_view kPlusInfinityText = "+Infinity";
inline constexpr std::string_view kMinusInfinityText = "-Infinity";
std::string SettingText(const ConversionSettings& settings, const SettingRow& row,
                        SettingTextStyle style);
// The listing's text of a setting by option name ("--JPG-QUALITY").
std::string FormatOption(const ConversionSettings& settings, std::string_view option);

// The bit-depth setting of an output extension ("jpg" → JPG-BPP); none when it has none.
int* MutableDepthSetting(ConversionSettings& settings, std::string_view extension);
std::optional<int> DepthSetting(const ConversionSettings& settings, std::string_view extension);

}  // namespace tavrosine
