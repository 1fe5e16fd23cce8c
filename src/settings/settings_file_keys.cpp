#include "settings/settings_file_keys.h"

#include <algorithm>

#include "app/text.h"
#include "settings/formats.h"

namespace tavrosine {
namespace {

struct FileKey {
  std::string_view group;
  std::string_view key;
};

// Switch-like codes and small counts that the file format keeps in a byte. Flags are byte-wide
// too, and are recognised by their kind.
constexpr FileKey kByteWideKeys[] = {
    {"Transform", "Image Rotation Type"},
    {"Transform", "Image Width Unit"},
    {"Transform", "Image Height Unit"},
    {"Transform", "Image Resize Type"},
    {"Transform", "Image Resize Algorithm"},
    {"Watermark", "Do Watermark"},
    {"Watermark", "Font Style"},
    {"Watermark", "Font Effect"},
    {"Watermark", "Text Alignment"},
    {"Watermark", "Text Boundary"},
    {"Watermark", "Text Position"},
    {"Watermark", "Text Size"},
    {"Watermark", "Image Boundary"},
    {"Watermark", "Image Position"},
    {"Watermark", "Image Size"},
    {"Advanced", "File Timestamp"},
    {"Advanced", "Out Folders Number"},
};

// Colours, font names, the watermark text and picture and the mask are typed by hand, and a
// stray space would make a colour black or a font unknown. Other texts stay as read.
constexpr FileKey kTrimmedTextKeys[] = {
    {"Transform", "Image Rotation Back Color"},
    {"Frame", "Solid Left Color"},
    {"Frame", "Solid Right Color"},
    {"Frame", "Solid Top Color"},
    {"Frame", "Solid Bottom Color"},
    {"Watermark", "Text"},
    {"Watermark", "Fonts"},
    {"Watermark", "Font"},
    {"Watermark", "Font Colors"},
    {"Watermark", "Font Color"},
    {"Watermark", "Back Colors"},
    {"Watermark", "Back Color"},
    {"Watermark", "Image"},
    {"Advanced", "Filename Mask"},
};

// Options that only make sense for one console run.
constexpr FileKey kConsoleOnlyKeys[] = {
    {"Advanced", "Threads"},
};

template <size_t N>
bool Lists(const FileKey (&keys)[N], const SettingRow& row) {
  return std::ranges::any_of(
      keys, [&](const FileKey& key) { return key.group == row.group && key.key == row.key; });
}

}  // namespace

bool IsSettingsFileKey(const SettingRow& row) { return !Lists(kConsoleOnlyKeys, row); }

bool IsByteWideKey(const SettingRow& row) {
  return row.kind == ValueKind::kFlag || Lists(kByteWideKeys, row);
}

bool IsTrimmedTextKey(const SettingRow& row) { return Lists(kTrimmedTextKeys, row); }

std::string FormatOfKey(const SettingRow& row) {
  if (row.group != "Input" && row.group != "Output") return {};
  if (row.key == "Format") return {};
  // Per-format keys begin with the format's extension in upper case: "JPG Quality".
  return ToLowerAscii(row.key.substr(0, row.key.find(' ')));
}

std::span<const std::string_view> WrittenFormats(std::string_view group) {
  if (group == "Input") return kInputExtensions;
  if (group == "Output") return kOutputExtensions;
  return {};
}

}  // namespace tavrosine
