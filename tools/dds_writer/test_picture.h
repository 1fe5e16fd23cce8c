#pragma once

#include <cstdint>

#include "dds_writer/rgba_image.h"

namespace tavrosine::dds_writer {

// A deterministic picture that compresses like a photograph rather than like a flat test
// card: smooth gradients, soft blobs and a little grain, all driven by `seed`. With
// `alpha`, the alpha channel falls off towards the corners and has a fully transparent
// patch; without it, alpha is 255 everywhere.
RgbaImage MakeTestPicture(int width, int height, uint32_t seed, bool alpha);

}  // namespace tavrosine::dds_writer
