#pragma once

#include <cstdint>

#include "dds_writer/rgba_image.h"

namespace tavrosine::dds_writer {

// Sixteen RGBA pixels of one 4x4 block, row by row.
using Block = uint8_t[64];

// Copies the block at block column `bx`, block row `by`. Pixels past the right or bottom
// edge repeat the last column or row, so padding never pulls the endpoints towards a colour
// the picture does not have.
void GatherBlock(const RgbaImage& image, int bx, int by, Block out);

// BC1: with `allow_transparent`, pixels whose alpha is below 128 become the transparent
// index (three-colour mode); otherwise the block is always four-colour (colour0 > colour1).
void EncodeBc1Block(const Block pixels, bool allow_transparent, uint8_t out[8]);
// BC3: interpolated alpha followed by a four-colour BC1 block.
void EncodeBc3Block(const Block pixels, uint8_t out[16]);
// BC4 over one channel (0 red … 3 alpha); BC5 is two of these, red then green.
void EncodeBc4Block(const Block pixels, int channel, uint8_t out[8]);
// BC7 in mode 6 only: one subset, 7-bit RGBA endpoints with a p-bit each, 4-bit indices.
void EncodeBc7Mode6Block(const Block pixels, uint8_t out[16]);

// Endpoints of a point cloud of `dims` channels along its principal axis (dims <= 4).
// `points` holds `count` points of `dims` floats; `lo` and `hi` receive the endpoints.
void FitEndpoints(const float* points, int count, int dims, float lo[4], float hi[4]);

}  // namespace tavrosine::dds_writer
