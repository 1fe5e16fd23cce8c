#include "inputs/input_list.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tavrosine {
namespace {

using testing::TempDir;

TEST(SubPath, IsTheFolderBelowTheBase) {
  EXPECT_EQ(SubPathOf("/in/a/b/x.dds", "/in/"), "a/b/");
  EXPECT_EQ(SubPathOf("/in/x.dds", "/in/"), "");
  EXPECT_EQ(SubPathOf("/other/x.dds", "/in/"), "");
  EXPECT_EQ(SubPathOf("/in/x.dds", ""), "");
}

TEST(InputCollector, AdmitsNonEmptyAcceptedFilesOnce) {
  TempDir dir;
  InputList list;
  InputCollector collector(list, {"dds"}, "");
  struct Case {
    const char* name;
    const char* bytes;
    bool added;
  } cases[] = {
      {"zero.dds", "", false},    {"one.dds", "x", true},   {"CAPS.DDS", "x", true},
      {"x.dds.bak", "x", false},  {"x", "x", false},        {"a b.dds", "x", true},
      {"x.d ds", "x", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(collector.AddFile(dir.Write(c.name, c.bytes)), c.added) << c.name;
  }
  EXPECT_FALSE(collector.AddFile(dir.Folder() + "one.dds"));  // already queued
  EXPECT_FALSE(collector.AddFile(dir.Folder() + "missing.dds"));
  dir.Write("folder.dds/inner.txt", "x");
  EXPECT_FALSE(collector.AddFile(dir.Folder() + "folder.dds"));
  EXPECT_EQ(list.size(), 3u);
}

TEST(InputCollector, ScansAFolderTreeWithSubPaths) {
  TempDir dir;
  dir.Write("a.dds", "x");
  dir.Write("sub/b.dds", "x");
  dir.Write("sub/deeper/c.DDS", "x");
  dir.Write("sub/notes.txt", "x");
  dir.Write("named.dds/d.dds", "x");
  InputList list;
  BatchCounters counters;
  InputCollector(list, {"dds"}, dir.Folder()).ScanBaseFolder(counters);
  EXPECT_EQ(counters.result, 4);
  EXPECT_EQ(counters.processed, 3);  // top-level entries: a.dds, named.dds/, sub/
  EXPECT_EQ(list.at(dir.Folder() + "a.dds").sub_path, "");
  EXPECT_EQ(list.at(dir.Folder() + "sub/deeper/c.DDS").sub_path, "sub/deeper/");
  EXPECT_EQ(list.at(dir.Folder() + "named.dds/d.dds").sub_path, "named.dds/");
}

TEST(InputCollector, ScanStopsBetweenTopLevelEntries) {
  TempDir dir;
  dir.Write("a.dds", "x");
  dir.Write("b.dds", "x");
  InputList list;
  BatchCounters counters;
  counters.running = false;
  InputCollector(list, {"dds"}, dir.Folder()).ScanBaseFolder(counters);
  EXPECT_TRUE(list.empty());
}

TEST(InputCollector, ImportsListFiles) {
  TempDir dir;
  const std::string a = dir.Write("in/a.dds", "x");
  dir.Write("tree/sub/b.dds", "x");
  const std::string list_file = dir.Write(
      "list.txt", "\xEF\xBB\xBF  " + a + "  \r\n\r\n" + dir.Folder() + "missing.dds\n" +
                      dir.Folder() + "tree\r" + dir.Folder() + "in/a.dds");
  InputList list;
  BatchCounters counters;
  InputCollector(list, {"dds"}, "").ImportListFile(list_file, counters);
  EXPECT_EQ(counters.result, 2);
  EXPECT_EQ(counters.processed, 3);  // blank and missing lines are not counted
  EXPECT_EQ(list.at(dir.Folder() + "tree/sub/b.dds").sub_path, "");
  EXPECT_EQ(CountListFileLines(list_file), 3);
  EXPECT_EQ(CountListFileLines(dir.Folder() + "missing.txt"), 0);
}

}  // namespace
}  // namespace tavrosine
