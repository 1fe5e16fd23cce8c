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

// The bytes of a file, read into a buffer that is not cleared first. Each conversion
// thread keeps its buffer from file to file (it only grows, to the largest file the thread
// has read), so a batch does not map and fault in fresh memory for every texture.
struct FileBytes {
  std::unique_ptr<uint8_t[]> data;
  size_t capacity = 0;
  size_t size = 0;
};

// Reads the whole file into one buffer.
dds::DdsError ReadWholeFile(const std::string& path, FileBytes& bytes) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file)
    return IoError(std::string("The file cannot be opened: ") + std::strerror(errno) + ".");
  // fopen also opens folders and devices, whose "size" means nothing.
  struct stat info {};
  if (fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) {
    return IoError("The file cannot be read: it is not a regular file.");
  }
  try {
    bytes.size = static_cast<size_t>(info.st_size);
    if (bytes.size > bytes.capacity) {
      bytes.data.reset();
      bytes.data = std::make_unique_for_overwrite<uint8_t[]>(bytes.size);
      bytes.capacity = bytes.size;
    }
  } catch (const std::bad_alloc&) {
    bytes.capacity = 0;
    return IoError("The file is too large to read into memory.");
  }
  if (std::fread(bytes.data.get(), 1, bytes.size, file.get()) != bytes.size) {
    return IoError("The file cannot be read completely.");
  }
  return {};
}

}  // namespace

LoadedImage LoadDds(const std::string& path, bool colour_only) {
  LoadedImage result;
  thread_local FileBytes bytes;
  if (dds::DdsError error = ReadWholeFile(path, bytes)) {
    result.error = std::move(error.message);
    return result;
  }
  dds::DecodedDds decoded =
      dds::DecodeDds({bytes.data.get(), bytes.size}, {.colour_only = colour_only});
  result.image = std::move(decoded.image);
  result.error = std::move(decoded.error.message);
  result.loaded_depth = static_cast<int>(Bpp(result.image));
  if (decoded.dropped_alpha) result.loaded_depth = 32;
  return result;
}

}  // namespace tavrosine
