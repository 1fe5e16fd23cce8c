#include "platform/atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tavrosine {
namespace {

// The permissions a newly created file gets under the process's umask.
mode_t NewFileMode() {
  static const mode_t mode = [] {
    const mode_t mask = umask(0);
    umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
  }();
  return mode;
}

std::string ErrnoText(int error) { return std::strerror(error); }

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string temp_path = folder + "." + name + ".XXXXXX";
  const int fd = mkstemp(temp_path.data());
  if (fd < 0) return ErrnoText(errno);
  fchmod(fd, NewFileMode());

  int error = 0;
  for (size_t written = 0; written < bytes.size() && error == 0;) {
    const ssize_t count = write(fd, bytes.data() + written, bytes.size() - written);
    if (count < 0 && errno != EINTR) error = errno;
    if (count > 0) written += static_cast<size_t>(count);
  }
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temp_path.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(temp_path.c_str());
    return ErrnoText(error);
  }
  return {};
}

}  // namespace tavrosine
