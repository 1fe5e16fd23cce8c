#include "settings/ini_file.h"

#include <fstream>
#include <iterator>

#include "app/text.h"
#include "platform/paths.h"

namespace tavrosine {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Splits at CR LF, LF or CR.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string_view TrimLeadingBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

}  // namespace

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

IniFile IniFile::Parse(std::string_view bytes) {
  const std::string text = StartsWith(bytes, kUtf8Bom) ? std::string(bytes.substr(3))
                                                       : Latin1ToUtf8(bytes);
  IniFile ini;
  Group* group = nullptr;
  for (std::string_view line : SplitLines(text)) {
    line = TrimLeadingBlanks(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      ini.groups_.push_back({std::string(line.substr(1, close == std::string_view::npos
                                                             ? std::string_view::npos
                                                             : close - 1)),
                             {}});
      group = &ini.groups_.back();
      continue;
    }
    if (group == nullptr) continue;  // keys before any group belong to none
    const size_t equals = line.find('=');
    Entry entry;
    entry.key = std::string(TrimTrailingBlanks(line.substr(0, equals)));
    if (equals != std::string_view::npos) {
      entry.value = std::string(TrimLeadingBlanks(line.substr(equals + 1)));
    }
    group->entries.push_back(std::move(entry));
  }
  return ini;
}

std::optional<IniFile> IniFile::Load(const std::string& path) {
  if (FileSize(path) < 0) return std::nullopt;  // missing, or a folder
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return Parse(bytes);
}

const IniFile::Group* IniFile::FindGroup(std::string_view name) const {
  for (const Group& group : groups_) {
    if (EqualsIgnoringCase(group.name, name)) return &group;
  }
  return nullptr;
}

std::optional<std::string> IniFile::Value(std::string_view group_name,
                                          std::string_view key) const {
  const Group* group = FindGroup(group_name);
  if (group == nullptr) return std::nullopt;
  for (const Entry& entry : group->entries) {
    if (EqualsIgnoringCase(entry.key, key)) return entry.value;
  }
  return std::nullopt;
}

}  // namespace tavrosine
