#pragma once

#include <cstdint>
#include <span>

#include "engine/bitmap.h"
#include "engine/dds/dds_error.h"

namespace tavrosine::dds {

struct DecodedDds {
  Bitmap image;  // null exactly when `error` is set
  DdsError error;
};

// Decodes the first face or slice at its largest level of the DDS file held in `file`.
// The bitmap is 32-bit BGRA for formats with alpha (and for DXT1 to DXT5), 24-bit BGR for
// opaque colour and 8-bit grey for one-channel formats. Never prints; never reads outside
// `file`.
DecodedDds DecodeDds(std::span<const uint8_t> file);

}  // namespace tavrosine::dds
