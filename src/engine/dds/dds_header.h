#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "engine/dds/dds_error.h"
#include "engine/dds/pixel_format.h"

namespace tavrosine::dds {

// What the header promises, checked against the file. Only the first face (or slice, or
// array element) at its largest level is ever decoded; the file must hold that level
// completely (every slice of a volume), but not the smaller levels or the other faces.
struct DdsDescription {
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t depth = 1;       // slices of a volume texture
  uint32_t mip_count = 1;   // as declared; never needed for decoding
  uint32_t faces = 1;       // 6 for a cubemap
  uint32_t array_size = 1;  // DX10 texture arrays
  bool dx10 = false;
  PixelFormat format;
  std::string format_name;
  size_t data_offset = 0;     // first byte of the decoded surface (after any palette)
  size_t palette_offset = 0;  // kPalette8: the 1024-byte palette
  uint64_t row_bytes = 0;     // one row of pixels, or one row of 4x4 blocks
  uint64_t row_count = 0;     // rows of pixels or of blocks
  uint64_t bytes_needed = 0;  // everything from the palette or surface on
};

struct ParsedHeader {
  DdsDescription description;
  DdsError error;
};

// Reads and validates the header at the start of `file` and checks that the file holds the
// data it needs. Touches nothing outside `file` and allocates no pixel memory.
ParsedHeader ParseDdsHeader(std::span<const uint8_t> file);

// Bytes of the bitmap the pipeline receives for this description.
uint64_t OutputBitmapBytes(const DdsDescription& description);

}  // namespace tavrosine::dds
