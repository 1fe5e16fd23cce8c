#pragma once

#include <string>

#include "engine/bitmap.h"

namespace tavrosine {

// Saves through FreeImage into a temporary file beside the target and renames it into
// place, so a failed or interrupted save never leaves a truncated file or destroys an
// existing good one. Returns "" on success, else the reason.
std::string SaveImageAtomically(const Bitmap& image, int freeimage_format, int flags,
                                const std::string& path);

}  // namespace tavrosine
