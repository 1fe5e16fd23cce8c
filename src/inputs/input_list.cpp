#include "inputs/input_list.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/text.h"
#include "platform/paths.h"

namespace tavrosine {
namespace {

// The text after the last dot, unless a separator or a space comes after that dot.
std::string AcceptanceExtension(std::string_view path) {
  const size_t last = path.find_last_of("./\\ ");
  if (last == std::string_view::npos || path[last] != '.') return {};
  return ToLowerAscii(path.substr(last + 1));
}

struct FolderEntry {
  std::string name;
  bool is_folder;
};

// The entries of a folder in name order, so every run sees the same order.
std::vector<FolderEntry> ListFolder(const std::string& folder) {
  std::vector<FolderEntry> entries;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code type_error;
    entries.push_back({it->path().filename().string(), it->is_directory(type_error)});
  }
  std::ranges::sort(entries, {}, &FolderEntry::name);
  return entries;
}

}  // namespace

std::string SubPathOf(std::string_view file_path, std::string_view base_folder) {
  if (file_path.empty() || base_folder.empty()) return {};
  const size_t slash = file_path.find_last_of("/\\");
  if (slash == std::string_view::npos) return {};
  const std::string folder(file_path.substr(0, slash + 1));
  if (folder.find(base_folder) == std::string::npos) return {};
  return ReplaceAll(folder, base_folder, "");
}

InputCollector::InputCollector(InputList& list, std::vector<std::string> accepted_extensions,
                               std::string base_folder)
    : list_(list), accepted_(std::move(accepted_extensions)), base_folder_(std::move(base_folder)) {}

bool InputCollector::AddFile(const std::string& path) {
  // Only real, non-empty files: a folder named like a texture is not a texture.
  if (FileSize(path) <= 0) return false;
  if (std::ranges::find(accepted_, AcceptanceExtension(path)) == accepted_.end()) return false;
  if (list_.contains(path)) return false;
  list_.emplace(path, InputEntry{SubPathOf(path, base_folder_)});
  if (on_added_) on_added_(path);
  return true;
}

int InputCollector::AddFolderEntry(const std::string& folder, const std::string& name,
                                   bool is_folder) {
  if (!is_folder) return AddFile(folder + name) ? 1 : 0;
  return AddFolder(WithTrailingSeparator(folder + name));
}

int InputCollector::AddFolder(const std::string& folder) {
  // A linked folder may lead back to one being read; enter each folder once per path.
  struct stat info {};
  if (stat(folder.c_str(), &info) != 0) return 0;
  const std::pair<unsigned long, unsigned long> id{info.st_dev, info.st_ino};
  if (std::ranges::find(open_folders_, id) != open_folders_.end()) return 0;
  open_folders_.push_back(id);
  int total = 0;
  for (const FolderEntry& entry : ListFolder(folder)) {
    total += AddFolderEntry(folder, entry.name, entry.is_folder);
  }
  open_folders_.pop_back();
  return total;
}

void InputCollector::ScanBaseFolder(BatchCounters& counters) {
  int total = 0;
  for (const FolderEntry& entry : ListFolder(base_folder_)) {
    if (!counters.running) break;
    {
      std::lock_guard lock(counters.mutex);
      ++counters.processed;
    }
    total += AddFolderEntry(base_folder_, entry.name, entry.is_folder);
  }
  counters.AddResult(total);
}

void InputCollector::ImportListFile(const std::string& list_path, BatchCounters& counters) {
  int total = 0;
  std::ifstream in(list_path, std::ios::binary);
  if (in && FileSize(list_path) >= 0) {
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (StartsWith(text, "\xEF\xBB\xBF")) text.erase(0, 3);
    size_t start = 0;
    while (counters.running && start < text.size()) {
      size_t end = text.find_first_of("\r\n", start);
      if (end == std::string::npos) end = text.size();
      const std::string line(TrimSpaces(std::string_view(text).substr(start, end - start)));
      start = end + ((end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ? 2 : 1);
      if (line.empty() || FileSize(line) == kMissingFile) continue;
      {
        std::lock_guard lock(counters.mutex);
        ++counters.processed;
      }
      total += IsExistingFolder(line) ? AddFolder(WithTrailingSeparator(line)) : AddFile(line);
    }
  }
  counters.AddResult(total);
}

int CountListFileLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return 0;
  int count = 0;
  char block[65536];
  while (in.read(block, sizeof block) || in.gcount() > 0) {
    count += static_cast<int>(std::count(block, block + in.gcount(), '\n'));
  }
  return count;
}

}  // namespace tavrosine
