#pragma once

#include <cstdint>
#include <string_view>

namespace tavrosine {

struct RgbColor {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const RgbColor&) const = default;
};

// Reads a colour text of six hexadecimal digits, red first ("FF8000"). Any other length
// means black; each pair is read up to its first non-hexadecimal character ("1G" reads 1).
RgbColor ParseHexColor(std::string_view text);

}  // namespace tavrosine
