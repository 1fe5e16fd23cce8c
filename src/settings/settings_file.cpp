#include "settings/settings_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>
#include <type_traits>
#include <vector>

#include "app/text.h"
#include "platform/atomic_file.h"
#include "settings/ini_file.h"
#include "settings/settings_file_keys.h"
#include "settings/settings_table.h"

namespace tavrosine {
namespace {

using S = ConversionSettings;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kGroupEnd = "; ";
constexpr std::string_view kVersionGroup = "General";
constexpr std::string_view kVersionKey = "CFG";
constexpr std::string_view kWindowGroup = "Window";

// A file that exists but has no window position puts the window here rather than centred.
constexpr int kStoredWindowPositionDefault = 100;

constexpr std::string_view kVendorFolder = "Quorvane";
constexpr std::string_view kProductFolder = "tavrosine";
constexpr std::string_view kFileName = "config.ini";

// The file's integers: an optional sign and decimal digits, up to the first other character;
// no digits read 0. (The option rule's "$" and "%" prefixes mean nothing here.)
int64_t ReadInteger(std::string_view text) {
  const size_t first_digit = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
  if (first_digit >= text.size() || text[first_digit] < '0' || text[first_digit] > '9') return 0;
  return ParseLenientInteger(text);
}

float ReadReal(std::string_view text) {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  const std::string_view number = TrimBlanks(text);
  if (number == kPlusInfinityText) return kInfinity;
  if (number == kMinusInfinityText) return -kInfinity;
  const double value = ParseLenientReal(number);
  // Beyond the float range the nearest float is an infinity (a plain conversion is undefined).
  if (value > std::numeric_limits<float>::max()) return kInfinity;
  if (value < std::numeric_limits<float>::lowest()) return -kInfinity;
  return static_cast<float>(value);
}

void ReadSetting(const SettingRow& row, const std::string& value, S& settings) {
  std::visit(
      [&](auto member) {
        auto& field = settings.*member;
        using T = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<T, std::string>) {
          field = IsTrimmedTextKey(row) ? std::string(TrimSpaces(value)) : value;
        } else if constexpr (std::is_same_v<T, float>) {
          field = ReadReal(value);
        } else if constexpr (std::is_same_v<T, int64_t>) {
          field = ReadInteger(value);
        } else {
          const int number = static_cast<int>(std::clamp<int64_t>(ReadInteger(value),
                                                                  std::numeric_limits<int>::min(),
                                                                  std::numeric_limits<int>::max()));
          field = IsByteWideKey(row) ? static_cast<uint8_t>(number) : number;
        }
      },
      row.field);
}

// Files from older versions stored some settings differently.
void CorrectOlderFile(int64_t version, S& settings) {
  // Masks from before version 11 leave the extension out; add it so names keep one. The mask
  // language finds placeholders in any case, so "%EXT%" already names it.
  if (version < 11 && !ContainsIgnoringCase(settings.filename_mask, "%ext%")) {
    settings.filename_mask += ".%ext%";
  }
  // Version 14 put two RAW load modes right after AUTO; the later codes moved up by two.
  if (version < 14 && settings.raw_load_as != 0) settings.raw_load_as += 2;
}


void AppendLine(std::string& text, std::string_view line) {
  text.append(line);
  text.append(kLineEnd);
}

void AppendKey(std::string& text, std::string_view key, std::string_view value) {
  text.append(key);
  text.append(" = ");
  text.append(value);
  text.append(kLineEnd);
}

// The groups in the order the table first names them.
std::vector<std::string_view> GroupsInOrder() {
  std::vector<std::string_view> groups;
  for (const SettingRow& row : SettingsTable()) {
    if (IsSettingsFileKey(row) && std::ranges::find(groups, row.group) == groups.end()) {
      groups.push_back(row.group);
    }
  }
  return groups;
}

// Keys of the rows of `group` that belong to `format` ("" for those of no format).
void AppendGroupKeys(std::string& text, const S& settings, std::string_view group,
                     std::string_view format) {
  for (const SettingRow& row : SettingsTable()) {
    if (row.group != group || !IsSettingsFileKey(row) || FormatOfKey(row) != format) continue;
    AppendKey(text, row.key, SettingText(settings, row, SettingTextStyle::kFile));
  }
}

std::string SettingsFileText(const S& settings) {
  std::string text(kUtf8Bom);
  text.append(kLineEnd);
  for (const std::string_view group : GroupsInOrder()) {
    AppendLine(text, "[" + std::string(group) + "]");
    if (group == kVersionGroup) AppendKey(text, kVersionKey, std::to_string(kSettingsFileVersion));
    if (group != kWindowGroup || settings.save_window_position == 1) {
      AppendGroupKeys(text, settings, group, "");
      // Only the formats the product exposes; keys of others are read but not kept.
      for (const std::string_view format : WrittenFormats(group)) {
        AppendGroupKeys(text, settings, group, format);
      }
    }
    AppendLine(text, kGroupEnd);
  }
  return text;
}

// The base of per-user configuration as the freedesktop conventions define it; "" if unknown.
std::filesystem::path UserConfigFolder() {
  const char* config_home = std::getenv("XDG_CONFIG_HOME");
  // A relative folder is not valid there and is ignored.
  if (config_home != nullptr && config_home[0] == '/') return config_home;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::filesystem::path(home) / ".config";
  return {};
}

}  // namespace

bool LoadSettingsFile(const std::string& path, ConversionSettings& settings) {
  ResetSettingsToDefaults(settings, false);
  const std::optional<IniFile> ini = path.empty() ? std::nullopt : IniFile::Load(path);
  if (!ini) return false;

  settings.window_x = kStoredWindowPositionDefault;
  settings.window_y = kStoredWindowPositionDefault;
  for (const SettingRow& row : SettingsTable()) {
    if (!IsSettingsFileKey(row)) continue;
    if (const std::optional<std::string> value = ini->Value(row.group, row.key)) {
      ReadSetting(row, *value, settings);
    }
  }
  const std::optional<std::string> version = ini->Value(kVersionGroup, kVersionKey);
  CorrectOlderFile(version ? ReadInteger(*version) : 0, settings);
  return true;
}

bool SaveSettingsFile(const std::string& path, const ConversionSettings& settings) {
  if (path.empty()) return false;
  const std::string text = SettingsFileText(settings);
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  return WriteFileAtomically(path, {bytes, text.size()}).empty();
}

std::string SettingsFilePath() {
  const std::filesystem::path base = UserConfigFolder();
  if (base.empty()) return {};
  const std::filesystem::path folder = base / kVendorFolder / kProductFolder;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return (folder / kFileName).string();
}

}  // namespace tavrosine
