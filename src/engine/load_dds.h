#pragma once

#include <string>

#include "engine/bitmap.h"

namespace tavrosine {

struct LoadedImage {
  Bitmap image;       // null when the file could not be decoded
  std::string error;  // why, in a sentence a user can act on; "" on success
  int loaded_depth = 0;  // bits per pixel of the texture as decoded with its alpha
};

// The one place that turns a DDS file into a bitmap for the pipeline. With `colour_only`
// (the output cannot hold alpha) textures with alpha load as 24-bit; `loaded_depth` still
// tells the texture's own depth (32), so the automatic output depth does not change.
LoadedImage LoadDds(const std::string& path, bool colour_only = false);

}  // namespace tavrosine
