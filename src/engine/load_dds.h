#pragma once

#include <string>

#include "engine/bitmap.h"

namespace tavrosine {

struct LoadedImage {
  Bitmap image;       // null when the file could not be decoded
  std::string error;  // why, in a sentence a user can act on; "" on success
};

// The one place that turns a DDS file into a bitmap for the pipeline.
LoadedImage LoadDds(const std::string& path);

}  // namespace tavrosine
