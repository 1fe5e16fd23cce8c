#include "engine/load_dds.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "engine/dds/dds_decoder.h"

namespace tavrosine {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

dds::DdsError IoError(std::string message) { return {dds::DdsErrorKind::kIo, std::move(message)}; }

// Reads the whole file into one buffer.
dds::DdsError ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file)
    return IoError(std::string("The file cannot be opened: ") + std::strerror(errno) + ".");
  // fopen also opens folders and devices, whose "size" means nothing.
  struct stat info {};
  if (fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) {
    return IoError("The file cannot be read: it is not a regular file.");
  }
  try {
    bytes.resize(static_cast<size_t>(info.st_size));
  } catch (const std::bad_alloc&) {
    return IoError("The file is too large to read into memory.");
  }
  if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
    return IoError("The file cannot be read completely.");
  }
  return {};
}

}  // namespace

LoadedImage LoadDds(const std::string& path, bool colour_only) {
  LoadedImage result;
  std::vector<uint8_t> bytes;
  if (dds::DdsError error = ReadWholeFile(path, bytes)) {
    result.error = std::move(error.message);
    return result;
  }
  dds::DecodedDds decoded = dds::DecodeDds(bytes, {.colour_only = colour_only});
  result.image = std::move(decoded.image);
  result.error = std::move(decoded.error.message);
  result.loaded_depth = static_cast<int>(Bpp(result.image));
  if (decoded.dropped_alpha) result.loaded_depth = 32;
  return result;
}

}  // namespace tavrosine
