// Feeds arbitrary bytes to the DDS reader. Besides the sanitizers' checks, a decode must
// give either a complete bitmap or one non-empty error, never both or neither.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "engine/dds/dds_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const tavrosine::dds::DecodedDds decoded = tavrosine::dds::DecodeDds(std::span(data, size));
  if (decoded.image.get() == nullptr) {
    if (!decoded.error || decoded.error.message.empty()) std::abort();
    return 0;
  }
  if (decoded.error) std::abort();
  // Reading every byte lets AddressSanitizer see a bitmap smaller than its rows claim.
  FIBITMAP* bitmap = decoded.image.get();
  const unsigned height = FreeImage_GetHeight(bitmap);
  const unsigned line = FreeImage_GetLine(bitmap);
  unsigned sum = 0;
  for (unsigned y = 0; y < height; ++y) {
    const BYTE* row = FreeImage_GetScanLine(bitmap, static_cast<int>(y));
    for (unsigned x = 0; x < line; ++x) sum += row[x];
  }
  return sum == 0xFFFFFFFFu ? 1 : 0;
}
