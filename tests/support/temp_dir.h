#pragma once

#include <filesystem>
#include <string>

namespace tavrosine::testing {

// A fresh folder below the system temp folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as the product stores folders: with a trailing separator.
  std::string Folder() const;
  // Writes `bytes` to a file below the folder, creating parent folders; returns its path.
  std::string Write(const std::string& relative, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);

}  // namespace tavrosine::testing
