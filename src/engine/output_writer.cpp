#include "engine/output_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/freeimage_errors.h"
#include "engine/output_naming.h"

namespace tavrosine {
namespace {

unsigned DLL_CALLCONV WriteToFile(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  return static_cast<unsigned>(std::fwrite(buffer, size, count, static_cast<FILE*>(handle)));
}
unsigned DLL_CALLCONV ReadFromFile(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  return static_cast<unsigned>(std::fread(buffer, size, count, static_cast<FILE*>(handle)));
}
int DLL_CALLCONV SeekInFile(fi_handle handle, long offset, int origin) {
  return std::fseek(static_cast<FILE*>(handle), offset, origin);
}
long DLL_CALLCONV TellInFile(fi_handle handle) { return std::ftell(static_cast<FILE*>(handle)); }

// The permissions a newly created file gets under the process's umask.
mode_t NewFileMode() {
  static const mode_t mode = [] {
    const mode_t mask = umask(0);
    umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
  }();
  return mode;
}

}  // namespace

std::string SaveImageAtomically(const Bitmap& image, int freeimage_format, int flags,
                                const std::string& path) {
  if (!image) return "the image could not be converted to the output format";
  std::string temp_path =
      std::string(FolderPart(path)) + "." + std::string(FileNamePart(path)) + ".XXXXXX";
  const int fd = mkstemp(temp_path.data());
  if (fd < 0) return std::strerror(errno);
  fchmod(fd, NewFileMode());
  FILE* file = fdopen(fd, "w+b");
  if (file == nullptr) {
    close(fd);
    unlink(temp_path.c_str());
    return std::strerror(errno);
  }
  FreeImageIO io{ReadFromFile, WriteToFile, SeekInFile, TellInFile};
  FreeImageErrorScope errors;
  const bool encoded = FreeImage_SaveToHandle(static_cast<FREE_IMAGE_FORMAT>(freeimage_format),
                                              image.get(), &io, file, flags) != FALSE;
  const bool flushed = std::fflush(file) == 0;
  const int write_errno = errno;
  const bool closed = std::fclose(file) == 0;
  std::string reason;
  if (!encoded) {
    reason = errors.LastMessage().empty() ? "the encoder rejected the image" : errors.LastMessage();
  } else if (!flushed || !closed) {
    reason = std::strerror(write_errno);
  } else if (std::rename(temp_path.c_str(), path.c_str()) != 0) {
    reason = std::strerror(errno);
  }
  if (!reason.empty()) unlink(temp_path.c_str());
  return reason;
}

}  // namespace tavrosine
