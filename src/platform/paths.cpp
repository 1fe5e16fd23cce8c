#include "platform/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>

namespace tavrosine {

std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return CurrentFolder();
  return WithTrailingSeparator(exe.parent_path().string());
}

std::string CurrentFolder() {
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  return error ? std::string() : WithTrailingSeparator(current.string());
}

std::string WithTrailingSeparator(std::string folder) {
  if (folder.empty() || folder.back() != kPathSeparator) folder += kPathSeparator;
  return folder;
}

bool IsAbsolutePath(std::string_view path) { return !path.empty() && path.front() == '/'; }

int64_t FileSize(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return kMissingFile;
  if (S_ISDIR(info.st_mode)) return kFolderSize;
  return static_cast<int64_t>(info.st_size);
}

bool IsExistingFolder(const std::string& path) { return FileSize(path) == kFolderSize; }
bool IsExistingFile(const std::string& path) { return FileSize(path) >= 0; }

bool CreateFolder(const std::string& path) { return mkdir(path.c_str(), 0777) == 0 || errno == EEXIST; }

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)};
}

std::optional<std::time_t> ModificationTime(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  return info.st_mtime;
}

bool SetModificationTime(const std::string& path, std::time_t time) {
  const struct timespec times[2] = {{0, UTIME_OMIT}, {time, 0}};
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

}  // namespace tavrosine
