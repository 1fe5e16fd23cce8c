#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/bitmap.h"

namespace tavrosine {

// Encodes an image with FreeImage's writer for `freeimage_format` into `bytes` (its
// capacity is kept, so a buffer reused across files does not allocate again). Returns ""
// or the reason the encoder gave.
std::string EncodeImage(const Bitmap& image, int freeimage_format, int flags,
                        std::vector<uint8_t>& bytes);

}  // namespace tavrosine
