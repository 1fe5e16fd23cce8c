#include "support/textures.h"

#include <filesystem>
#include <stdexcept>

#include "dds_writer/test_picture.h"

namespace tavrosine::testing {

std::string WriteTexture(const TempDir& dir, const std::string& relative, int width, int height,
                         dds_writer::DdsFormat format, unsigned seed) {
  const std::filesystem::path path = dir.path() / relative;
  std::filesystem::create_directories(path.parent_path());
  const bool alpha = format != dds_writer::DdsFormat::kBgr8;
  const std::string error =
      dds_writer::WriteDdsFile(path.string(), dds_writer::MakeTestPicture(width, height, seed, alpha),
                               format);
  if (!error.empty()) throw std::runtime_error(error);
  return path.string();
}

}  // namespace tavrosine::testing
