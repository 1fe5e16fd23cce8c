#pragma once

#include <string>
#include <string_view>

namespace tavrosine {

// Keyword categories of the option vocabulary; the number is the category's code.
enum KeywordCategory {
  kCatDdsLoadAs = 0,
  kCatRawLoadAs = 1,
  kCatFrameLoading = 2,
  kCatToneMapping = 3,
  kCatCompression = 4,
  kCatBmpColorTable = 5,
  kCatTiffColorModel = 6,
  kCatJpgChroma = 7,
  kCatJpgSaveAs = 8,
  kCatRotationType = 9,
  kCatSizeUnit = 10,
  kCatResizeType = 11,
  kCatResizeAlgorithm = 12,
  kCatFrameType = 13,
  kCatWatermarkType = 14,
  kCatFontStyle = 15,
  kCatFontEffect = 16,
  kCatTextAlignment = 17,
  kCatBoundary = 18,
  kCatPosition = 19,
  kCatSizeMode = 20,
  kCatFileTimestamp = 21,
  kKeywordCategoryCount = 22,
};

// Trims and upper-cases text, then returns the code of the first equal keyword of the
// category; 0 (the category's first code) when nothing matches.
int KeywordToCode(int category, std::string_view text);

// The first keyword of the category with this code, in lower case; "" when there is none.
std::string CodeToKeyword(int category, int code);

}  // namespace tavrosine
