#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrosine {

std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
// Removes leading and trailing space characters (tabs stay).
std::string_view TrimSpaces(std::string_view text);
// Removes leading and trailing spaces and tabs.
std::string_view TrimBlanks(std::string_view text);
bool StartsWith(std::string_view text, std::string_view prefix);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Replaces every occurrence of `from`, found without regard to ASCII case.
std::string ReplaceAllIgnoringCase(std::string_view text, std::string_view from,
                                   std::string_view to);
// Replaces every exact occurrence of `from`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

// The number rule of options and profiles: leading blanks, an optional sign, then decimal
// digits ("$" hexadecimal, "%" binary); stops at the first character that does not fit;
// no digits read 0. Values beyond the 64-bit range saturate.
int64_t ParseLenientInteger(std::string_view text);
// The same, saturated to the 32-bit range the settings store.
int ParseLenientInt32(std::string_view text);
// A decimal number with "." whatever the locale (an exponent is accepted); "2,2" reads 2.
// Text that is not a number reads 0.
double ParseLenientReal(std::string_view text);

// Decimal text padded on the left with "0" to at least `width` characters; never cut.
std::string ZeroPadded(int64_t value, int width);

}  // namespace tavrosine
