#include "engine/load_dds.h"

#include "engine/freeimage_errors.h"

namespace tavrosine {

LoadedImage LoadDds(const std::string& path) {
  FreeImageErrorScope errors;
  LoadedImage result;
  result.image = AdoptBitmap(FreeImage_Load(FIF_DDS, path.c_str(), 0));
  if (!result.image) {
    result.error = errors.LastMessage().empty() ? "not a readable DDS texture"
                                                : errors.LastMessage();
  }
  return result;
}

}  // namespace tavrosine
