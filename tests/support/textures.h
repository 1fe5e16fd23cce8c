#pragma once

#include <string>

#include "dds_writer/dds_writer.h"
#include "support/temp_dir.h"

namespace tavrosine::testing {

// Writes a generated w×h texture below `dir` and returns its path.
std::string WriteTexture(const TempDir& dir, const std::string& relative, int width, int height,
                         dds_writer::DdsFormat format = dds_writer::DdsFormat::kBgra8,
                         unsigned seed = 1);

}  // namespace tavrosine::testing
