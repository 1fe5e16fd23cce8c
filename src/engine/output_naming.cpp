#include "engine/output_naming.h"

#include <QString>
#include <array>
#include <cstdio>

#include "app/text.h"
#include "platform/clock.h"

namespace tavrosine {
namespace {

constexpr std::array<std::string_view, 18> kPlaceholders = {
    "%filename%", "%filename[u]%", "%filename[l]%", "%filename[t]%", "%ext%", "%ext[u]%",
    "%ext[t]%",   "%yyyy%",        "%mm%",          "%dd%",          "%hh%",  "%ii%",
    "%ss%",       "%bpp%",         "%width%",       "%height%",      "%rnd%", "%n%"};

std::string Upper(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUpper().toStdString();
}

std::string Lower(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toLower().toStdString();
}

// First character upper case, the rest lower case (my PHOTO → My photo).
std::string TitleCase(std::string_view text) {
  const QString lower = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toLower();
  if (lower.isEmpty()) return {};
  // Keep a surrogate pair together so a non-BMP first character is not split.
  const qsizetype first = lower.at(0).isHighSurrogate() && lower.size() > 1 ? 2 : 1;
  return (lower.left(first).toUpper() + lower.mid(first)).toStdString();
}

std::string TwoDigits(int value) { return ZeroPadded(value, 2); }

}  // namespace

std::string_view FileNamePart(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view FolderPart(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

std::string ExtensionPart(std::string_view path) {
  const std::string_view name = FileNamePart(path);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return {};
  const std::string_view extension = name.substr(dot + 1);
  if (extension.find(' ') != std::string_view::npos) return {};
  return std::string(extension);
}

std::string StripExtension(std::string_view name) {
  const std::string extension = ExtensionPart(name);
  if (extension.empty()) return std::string(name);
  return std::string(name.substr(0, name.size() - extension.size() - 1));
}

std::span<const std::string_view> MaskPlaceholders() { return kPlaceholders; }

std::string PlaceholderValue(std::string_view placeholder, const FileContext& file,
                             std::string_view output_extension) {
  const std::string name = StripExtension(FileNamePart(file.input_file));
  if (placeholder == "%filename%") return name;
  if (placeholder == "%filename[u]%") return Upper(name);
  if (placeholder == "%filename[l]%") return Lower(name);
  if (placeholder == "%filename[t]%") return TitleCase(name);
  if (placeholder == "%ext%") return std::string(output_extension);
  if (placeholder == "%ext[u]%") return Upper(output_extension);
  if (placeholder == "%ext[t]%") return TitleCase(output_extension);
  if (placeholder == "%bpp%") return std::to_string(file.target_depth);
  if (placeholder == "%width%") return std::to_string(file.output_width);
  if (placeholder == "%height%") return std::to_string(file.output_height);
  // Never cut: five digits at least, so the 100,000th file does not collide with the 10,000th.
  if (placeholder == "%rnd%") return ZeroPadded(file.random_number, 5);
  if (placeholder == "%n%") return ZeroPadded(file.counter, 5);
  const std::tm now = LocalCalendarNow();
  if (placeholder == "%yyyy%") return ZeroPadded(now.tm_year + 1900, 4);
  if (placeholder == "%mm%") return TwoDigits(now.tm_mon + 1);
  if (placeholder == "%dd%") return TwoDigits(now.tm_mday);
  if (placeholder == "%hh%") return TwoDigits(now.tm_hour);
  if (placeholder == "%ii%") return TwoDigits(now.tm_min);
  if (placeholder == "%ss%") return TwoDigits(now.tm_sec);
  return std::string(placeholder);
}

std::string ExpandPlaceholders(std::string text, const FileContext& file,
                               std::string_view output_extension) {
  for (const std::string_view placeholder : kPlaceholders) {
    if (!ContainsIgnoringCase(text, placeholder)) continue;
    text = ReplaceAllIgnoringCase(text, placeholder,
                                  PlaceholderValue(placeholder, file, output_extension));
  }
  return text;
}

std::string BuildOutputFileName(std::string_view mask, const FileContext& file,
                                std::string_view output_extension) {
  std::string lowered = Lower(mask);
  if (lowered.empty()) lowered = "%filename%.%ext%";
  return ExpandPlaceholders(std::move(lowered), file, output_extension);
}

std::string BuildOutputPath(std::string_view output_folder, bool keep_subfolders,
                            std::string_view mask, const FileContext& file,
                            std::string_view output_extension) {
  std::string path(output_folder);
  if (keep_subfolders) path += file.sub_path;
  return path + BuildOutputFileName(mask, file, output_extension);
}

}  // namespace tavrosine
