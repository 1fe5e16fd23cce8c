#include "engine/output_naming.h"

#include <gtest/gtest.h>

#include <cctype>

namespace tavrosine {
namespace {

FileContext File(const std::string& input, int counter = 1, int random = 42) {
  FileContext file;
  file.input_file = input;
  file.counter = counter;
  file.random_number = random;
  file.target_depth = 24;
  file.output_width = 800;
  file.output_height = 600;
  return file;
}

TEST(OutputNaming, MaskExamples) {
  struct Case {
    const char* mask;
    const char* input;
    const char* name;
  } cases[] = {
      {"%filename%.%ext%", "/in/Photo.DDS", "Photo.jpg"},
      {"", "/in/Photo.DDS", "Photo.jpg"},
      {"%FILENAME%-%N%.%EXT[U]%", "/in/a.dds", "a-00001.JPG"},
      {"%filename[t]%.%ext%", "/in/hELLO wORLD.dds", "Hello world.jpg"},
      {"%filename[u]%_%filename[l]%.%ext[t]%", "/in/MiXed.dds", "MIXED_mixed.Jpg"},
      {"%width%x%height%_%bpp%.%ext%", "/in/a.dds", "800x600_24.jpg"},
      {"%filename%", "/in/a.dds", "a"},
      {"IMG_%n%.%ext%", "/in/a.dds", "img_00001.jpg"},
      {"%filename%.%ext[l]%", "/in/a.dds", "a.%ext[l]%"},
      {"%filename%.%ext%", "/in/photo.final.dds", "photo.final.jpg"},
      {"%filename%.%ext%", "/in/a%n%.dds", "a00001.jpg"},  // later placeholders see earlier values
      {"%rnd%", "/in/a.dds", "00042"},
      {"%filename[u]%.%ext%", "/in/straße.dds", "STRASSE.jpg"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildOutputFileName(c.mask, File(c.input), "jpg"), c.name) << c.mask;
  }
}

TEST(OutputNaming, NumbersArePaddedButNeverCut) {
  EXPECT_EQ(BuildOutputFileName("%n%", File("/a.dds", 123456), "jpg"), "123456");
  EXPECT_EQ(BuildOutputFileName("%n%", File("/a.dds", 100000), "jpg"),
            BuildOutputFileName("%n%", File("/a.dds", 100000), "jpg"));
  EXPECT_NE(BuildOutputFileName("%n%", File("/a.dds", 100000), "jpg"),
            BuildOutputFileName("%n%", File("/a.dds", 10000), "jpg"));
}

TEST(OutputNaming, DatePlaceholdersUseLocalTime) {
  const std::string name = BuildOutputFileName("%yyyy%-%mm%-%dd% %hh%.%ii%.%ss%", File("/a.dds"), "jpg");
  const std::string shape = "dddd-dd-dd dd.dd.dd";
  ASSERT_EQ(name.size(), shape.size()) << name;
  for (size_t i = 0; i < shape.size(); ++i) {
    EXPECT_EQ(shape[i] == 'd', std::isdigit(static_cast<unsigned char>(name[i])) != 0) << name;
  }
}

TEST(OutputNaming, SubFoldersOnlyWhenKept) {
  FileContext file = File("/in/2019/summer/a.dds");
  file.sub_path = "2019/summer/";
  EXPECT_EQ(BuildOutputPath("/out/", true, "", file, "jpg"), "/out/2019/summer/a.jpg");
  EXPECT_EQ(BuildOutputPath("/out/", false, "", file, "jpg"), "/out/a.jpg");
}

TEST(OutputNaming, ExtensionPartRules) {
  struct Case {
    const char* path;
    const char* extension;
    const char* stripped;
  } cases[] = {
      {"/a/b.dds", "dds", "/a/b"},   {"/a.b/c", "", "/a.b/c"},        {"/a/.dds", "", "/a/.dds"},
      {"/a/b.d s", "", "/a/b.d s"},  {"/a/my.folder", "folder", "/a/my"}, {"x", "", "x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtensionPart(c.path), c.extension) << c.path;
    EXPECT_EQ(StripExtension(c.path), c.stripped) << c.path;
  }
}

}  // namespace
}  // namespace tavrosine
