#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "inputs/batch_counters.h"

namespace tavrosine {

struct InputEntry {
  std::string sub_path;  // folder relative to the imported folder, "" or ending in '/'
};

// The queue of input files, keyed by full path exactly as offered. Iterated in path
// order, so a given set of files always converts in the same order.
using InputList = std::map<std::string, InputEntry>;

// The folder part of filePath with every occurrence of the base folder removed, when the
// base occurs in it; "" otherwise, or when either is "".
std::string SubPathOf(std::string_view file_path, std::string_view base_folder);

// Admits files into a list: non-empty existing files whose extension (lower-cased) is
// accepted, each path once.
class InputCollector {
 public:
  InputCollector(InputList& list, std::vector<std::string> accepted_extensions,
                 std::string base_folder);

  // Called for each newly admitted path (the desktop shows it in its list).
  void OnAdded(std::function<void(const std::string&)> callback) { on_added_ = std::move(callback); }

  bool AddFile(const std::string& path);
  // Every acceptable file of a folder tree (the folder ends with a separator), depth
  // first in name order; returns the number added.
  int AddFolder(const std::string& folder);

  // The folder named by the base folder: each top-level entry counts as processed; a
  // stop request is honoured between them. Adds its total to the result count.
  void ScanBaseFolder(BatchCounters& counters);
  // Every existing path listed in a list file, one per line (UTF-8, optional byte-order
  // mark, surrounding spaces ignored); folders add their trees. Adds its total to the
  // result count.
  void ImportListFile(const std::string& list_path, BatchCounters& counters);

 private:
  int AddFolderEntry(const std::string& folder, const std::string& name, bool is_folder);

  InputList& list_;
  std::vector<std::string> accepted_;
  std::string base_folder_;
  std::function<void(const std::string&)> on_added_;
  std::vector<std::pair<unsigned long, unsigned long>> open_folders_;  // device, inode
};

// Number of line-feed bytes in a file; 0 when it cannot be read.
int CountListFileLines(const std::string& path);

}  // namespace tavrosine
