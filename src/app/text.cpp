#include "app/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tavrosine {
namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view TrimWhere(std::string_view text, std::string_view blanks) {
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// Replaces in `text` the spans where `needle` occurs in `haystack`, a same-length view
// of the text (the text itself, or its upper-case copy for case-blind matching).
std::string ReplaceMatches(std::string_view text, std::string_view haystack,
                           std::string_view needle, std::string_view to) {
  if (needle.empty()) return std::string(text);
  std::string out;
  size_t start = 0;
  for (size_t at = haystack.find(needle); at != std::string_view::npos;
       at = haystack.find(needle, start)) {
    out.append(text.substr(start, at - start));
    out.append(to);
    start = at + needle.size();
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), UpperAscii);
  return out;
}

std::string ToLowerAscii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), LowerAscii);
  return out;
}

std::string_view TrimSpaces(std::string_view text) { return TrimWhere(text, " "); }
std::string_view TrimBlanks(std::string_view text) { return TrimWhere(text, " \t"); }

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ToUpperAscii(a) == ToUpperAscii(b);
}

std::string ReplaceAllIgnoringCase(std::string_view text, std::string_view from,
                                   std::string_view to) {
  const std::string upper_text = ToUpperAscii(text);
  return ReplaceMatches(text, upper_text, ToUpperAscii(from), to);
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  return ReplaceMatches(text, text, from, to);
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  return ToUpperAscii(text).find(ToUpperAscii(part)) != std::string::npos;
}

int64_t ParseLenientInteger(std::string_view text) {
  size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) return 0;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i < text.size() && text[i] == '%') {
    base = 2;
    ++i;
  }
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i]);
    if (digit >= base) break;
    value = value > (kMax - digit) / base ? kMax : value * base + digit;
  }
  return negative ? -value : value;
}

int ParseLenientInt32(std::string_view text) {
  const int64_t value = ParseLenientInteger(text);
  return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max()));
}

double ParseLenientReal(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return 0.0;
  return value;
}

std::string ZeroPadded(int64_t value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

}  // namespace tavrosine
