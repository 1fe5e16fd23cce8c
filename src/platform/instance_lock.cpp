#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace tavrosine {
namespace {

std::string LockPath(const std::string& name) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::filesystem::path folder = (runtime != nullptr && *runtime != '\0')
                                           ? std::filesystem::path(runtime)
                                           : std::filesystem::temp_directory_path();
  // The temp folder is shared between users: keep each user's lock apart.
  return (folder / (name + "." + std::to_string(getuid()) + ".lock")).string();
}

}  // namespace

InstanceLock::InstanceLock(const std::string& name) {
  const int fd = open(LockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return;
  }
  fd_ = fd;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) close(fd_);
}

}  // namespace tavrosine
