#pragma once

#include <string>
#include <string_view>

namespace tavrosine {

inline constexpr std::string_view kProductName = "Zelmorith";
inline constexpr int kVersionNumber = 270;

// The built-in text of a group and key, both compared without regard to case;
// "%NO_STRING_ERROR%" when either does not exist.
std::string LookUpText(std::string_view group, std::string_view key);

// Replaces "%s1%" … "%s4%" (any case), in that order, by the non-empty arguments.
std::string FillPlaceholders(std::string_view text, std::string_view s1 = {},
                             std::string_view s2 = {}, std::string_view s3 = {},
                             std::string_view s4 = {});

// 270 → "2.7", 271 → "2.7.1".
std::string VersionText(int number);
// "Zelmorith 2.7": names the window, the console and the instance lock.
std::string TitleText(std::string_view product_name = kProductName, int number = kVersionNumber);

}  // namespace tavrosine
