#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace tavrosine {

inline constexpr char kPathSeparator = '/';

// Folder of the running executable, with a trailing separator.
std::string ProgramFolder();
// The process's current folder, with a trailing separator.
std::string CurrentFolder();

std::string WithTrailingSeparator(std::string folder);
bool IsAbsolutePath(std::string_view path);

// Size of a file: kMissingFile when nothing is there, kFolderSize for a folder.
inline constexpr int64_t kMissingFile = -1;
inline constexpr int64_t kFolderSize = -2;
int64_t FileSize(const std::string& path);
bool IsExistingFolder(const std::string& path);
bool IsExistingFile(const std::string& path);
bool CreateFolder(const std::string& path);

// What a path names on disk (device and file number), so two spellings of one file, or
// links to it, compare equal. None when nothing is there.
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  auto operator<=>(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const std::string& path);

std::optional<std::time_t> ModificationTime(const std::string& path);
bool SetModificationTime(const std::string& path, std::time_t time);

}  // namespace tavrosine
