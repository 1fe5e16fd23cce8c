#pragma once

#include <cstdint>
#include <span>

#include "engine/bitmap.h"
#include "engine/dds/dds_error.h"

namespace tavrosine::dds {

struct DecodedDds {
  Bitmap image;  // null exactly when `error` is set
  DdsError error;
  bool dropped_alpha = false;  // a format with alpha decoded to 24-bit (DecodeOptions)
};

struct DecodeOptions {
  // The caller keeps colour only (its output cannot hold alpha): formats with alpha then
  // decode to 24-bit BGR, sparing a 32-bit image and its conversion.
  bool colour_only = false;
};

// Decodes the first face or slice at its largest level of the DDS file held in `file`.
// The bitmap is 32-bit BGRA for formats with alpha (and for DXT1 to DXT5), 24-bit BGR for
// opaque colour and 8-bit grey for one-channel formats. Never prints; never reads outside
// `file`.
DecodedDds DecodeDds(std::span<const uint8_t> file, DecodeOptions options = {});

}  // namespace tavrosine::dds
