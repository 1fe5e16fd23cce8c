#include "engine/steps/hex_color.h"

#include <gtest/gtest.h>

namespace tavrosine {
namespace {

TEST(ParseHexColor, ReadsSixDigitsRedFirstAndAnythingElseIsBlack) {
  struct Case {
    const char* text;
    RgbColor expected;
  } cases[] = {
      {"FF8000", {255, 128, 0}},
      {"ff8000", {255, 128, 0}},
      {"0000FF", {0, 0, 255}},
      {"FFF", {0, 0, 0}},
      {"", {0, 0, 0}},
      {"FF80001", {0, 0, 0}},
      // Each pair stops at its first non-digit: G0 and 0G read 0, 1G reads 1.
      {"G00G1G", {0, 0, 1}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseHexColor(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace tavrosine
