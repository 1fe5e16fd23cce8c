#include "app/text.h"

#include <gtest/gtest.h>

namespace tavrosine {
namespace {

TEST(LenientNumbers, ReadWhatFitsAndIgnoreTheRest) {
  struct Case {
    const char* text;
    int64_t expected;
  } cases[] = {{"95", 95},     {"95%", 95},  {"abc", 0},   {"  -40", -40}, {"+7", 7},
               {"$ff", 255},   {"%101", 5},  {"", 0},      {"\t12x", 12},  {"-", 0},
               {"99999999999999999999999", INT64_MAX}};
  for (const Case& c : cases) EXPECT_EQ(ParseLenientInteger(c.text), c.expected) << c.text;
  EXPECT_EQ(ParseLenientInt32("99999999999"), INT32_MAX);
}

TEST(LenientNumbers, RealsUseADotWhateverTheLocale) {
  EXPECT_DOUBLE_EQ(ParseLenientReal("2,2"), 2.0);
  EXPECT_DOUBLE_EQ(ParseLenientReal("1.25"), 1.25);
  EXPECT_DOUBLE_EQ(ParseLenientReal("1e-2"), 0.01);
  EXPECT_DOUBLE_EQ(ParseLenientReal("abc"), 0.0);
  EXPECT_DOUBLE_EQ(ParseLenientReal(" +3.5"), 3.5);
}

TEST(TextHelpers, PaddingNeverCutsLongNumbers) {
  EXPECT_EQ(ZeroPadded(7, 5), "00007");
  EXPECT_EQ(ZeroPadded(99999, 5), "99999");
  EXPECT_EQ(ZeroPadded(123456, 5), "123456");
}

TEST(TextHelpers, ReplaceIgnoresCase) {
  EXPECT_EQ(ReplaceAllIgnoringCase("a%N%b%n%", "%n%", "1"), "a1b1");
  EXPECT_EQ(TrimSpaces("  x \t "), "x \t");
  EXPECT_EQ(TrimBlanks("  x \t "), "x");
}

}  // namespace
}  // namespace tavrosine
