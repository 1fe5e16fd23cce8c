#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrosine {

// An INI text as the settings file and profiles are read: UTF-8 with a byte-order mark,
// ISO 8859-1 without one; group and key names compared without regard to case.
class IniFile {
 public:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Group {
    std::string name;
    std::vector<Entry> entries;  // in file order, repeated keys included
  };

  static IniFile Parse(std::string_view bytes);
  // None when the file cannot be read.
  static std::optional<IniFile> Load(const std::string& path);

  // The first group of that name; null when there is none.
  const Group* FindGroup(std::string_view name) const;
  // The first value of a key within its group.
  std::optional<std::string> Value(std::string_view group, std::string_view key) const;

 private:
  std::vector<Group> groups_;
};

// Bytes read as ISO 8859-1 (one character per byte), as UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);

}  // namespace tavrosine
