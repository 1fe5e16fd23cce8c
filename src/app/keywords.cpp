#include "app/keywords.h"

#include <array>
#include <initializer_list>
#include <vector>

#include "app/text.h"

namespace tavrosine {
namespace {

struct Keyword {
  std::string_view word;
  int code;
};

using Category = std::initializer_list<Keyword>;

// One row per category, in category order. Several keywords may share a code.
const std::array<Category, kKeywordCategoryCount> kCategories = {{
    {{"AUTO", 0}, {"BGRA", 1}, {"RGBA", 2}},
    {{"AUTO", 0}, {"8", 1}, {"16", 2}, {"24", 3}, {"48HS", 4}, {"48", 5}},
    {{"ALL", 0}, {"FIRST", 1}, {"MIDDLE", 2}, {"LAST", 3}, {"RANDOM", 4}},
    {{"NONE", 0}, {"LINEAR", 1}, {"AL", 2}, {"DRR", 3}, {"GD", 4}},
    {{"NONE", 0},      {"RLE", 1},       {"ZIP", 1},       {"PIZ", 2},      {"PXR24", 3},
     {"B44", 4},       {"ZLIB1", 1},     {"ZLIB6", 2},     {"ZLIB9", 3},    {"CCITTFAX3", 1},
     {"CCITTFAX4", 2}, {"PACKBITS", 3},  {"DEFLATE", 4},   {"ADOBEDEFLATE", 5},
     {"LZW", 6},       {"JPEG", 7},      {"LOGLUV", 8}},
    {{"AUTO", 0}, {"EXACT", 1}},
    {{"RGB", 0}, {"CMYK", 1}, {"LAB", 2}},
    {{"NONE", 0}, {"LOW", 1}, {"MEDIUM", 2}, {"HIGH", 3}},
    {{"STANDARD", 0}, {"SIMPLE", 1}, {"OPTIMIZED", 2}, {"PROGRESSIVE", 3}},
    {{"SIMPLE", 0}, {"ADVANCED", 1}},
    {{"PIXELS", 0}, {"PERCENT", 1}},
    {{"ALLIMAGES", 0}, {"LARGEIMAGES", 1}},
    {{"BOX", 0}, {"BILINEAR", 1}, {"BSPLINE", 2}, {"BICUBIC", 3}, {"CATMULLROM", 4},
     {"LANCZOS", 5}},
    {{"NONE", 0}, {"SOLID", 1}},
    {{"NONE", 0}, {"TEXT", 1}, {"IMAGE", 2}},
    {{"REGULAR", 0}, {"BOLD", 1}, {"ITALIC", 2}, {"BOLDITALIC", 3}},
    {{"NONE", 0}, {"UNDERLINE", 1}, {"STRIKETHROUGHT", 2}},
    {{"LEFT", 0}, {"CENTER", 1}, {"RIGHT", 2}},
    {{"IMAGE", 0}, {"FRAME", 1}},
    {{"TOPLEFT", 0}, {"TOPCENTER", 1}, {"TOPRIGHT", 2}, {"MIDDLELEFT", 3}, {"MIDDLECENTER", 4},
     {"MIDDLERIGHT", 5}, {"BOTTOMLEFT", 6}, {"BOTTOMCENTER", 7}, {"BOTTOMRIGHT", 8}},
    {{"FIXED", 0}},
    {{"CURRENT", 0}, {"ORIGINAL", 1}, {"CUSTOM", 2}},
}};

bool ValidCategory(int category) { return category >= 0 && category < kKeywordCategoryCount; }

}  // namespace

int KeywordToCode(int category, std::string_view text) {
  if (!ValidCategory(category)) return 0;
  const std::string wanted = ToUpperAscii(TrimSpaces(text));
  for (const Keyword& keyword : kCategories[category]) {
    if (keyword.word == wanted) return keyword.code;
  }
  return 0;
}

std::string CodeToKeyword(int category, int code) {
  if (!ValidCategory(category)) return "";
  for (const Keyword& keyword : kCategories[category]) {
    if (keyword.code == code) return ToLowerAscii(keyword.word);
  }
  return "";
}

}  // namespace tavrosine
