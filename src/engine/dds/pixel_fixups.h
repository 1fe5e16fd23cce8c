#pragma once

#include "engine/dds/block_decoders.h"
#include "engine/dds/pixel_format.h"

namespace tavrosine::dds {

// Applies `fixup` to `count` decoded pixels in place.
void ApplyFixup(Fixup fixup, Rgba8* pixels, int count);

}  // namespace tavrosine::dds
