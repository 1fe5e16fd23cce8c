#include "app/messages.h"

#include <map>
#include <utility>

#include "app/message_data.h"
#include "app/text.h"

namespace tavrosine {
namespace {

using TableKey = std::pair<std::string, std::string>;  // upper-case group and key

const std::map<TableKey, std::string>& Table() {
  static const std::map<TableKey, std::string> table = [] {
    std::map<TableKey, std::string> built;
    std::string group;
    for (const MessagePair& pair : BuiltInMessages()) {
      const std::string key = ToUpperAscii(pair.key);
      if (key == "_END_") break;
      if (key == "_GROUP_") {
        group = ToUpperAscii(pair.value);
        continue;
      }
      built.emplace(TableKey{group, key}, std::string(pair.value));  // first one counts
    }
    return built;
  }();
  return table;
}

}  // namespace

std::string LookUpText(std::string_view group, std::string_view key) {
  const auto found = Table().find(TableKey{ToUpperAscii(group), ToUpperAscii(key)});
  return found == Table().end() ? "%NO_STRING_ERROR%" : found->second;
}

std::string FillPlaceholders(std::string_view text, std::string_view s1, std::string_view s2,
                             std::string_view s3, std::string_view s4) {
  std::string filled(text);
  const std::pair<std::string_view, std::string_view> replacements[] = {
      {"%s1%", s1}, {"%s2%", s2}, {"%s3%", s3}, {"%s4%", s4}};
  for (const auto& [placeholder, value] : replacements) {
    if (!value.empty()) filled = ReplaceAllIgnoringCase(filled, placeholder, value);
  }
  return filled;
}

std::string VersionText(int number) {
  // A dot before the second and before the fourth character of the dotted text: 271 → 2.7.1.
  const std::string digits = std::to_string(number);
  std::string text;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i == 1 || i == 2) text += '.';
    text += digits[i];
  }
  if (!text.empty() && text.back() == '0') text = text.substr(0, 3);
  return text;
}

std::string TitleText(std::string_view product_name, int number) {
  return std::string(product_name) + " " + VersionText(number);
}

}  // namespace tavrosine
