// Whole console runs over generated folder trees: names, sub-folders, counts, messages,
// exit codes and what lands on each stream.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/run_program.h"
#include "support/textures.h"

namespace tavrosine::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> FilesBelow(const fs::path& root) {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), root).string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// a.dds, sub/B.DDS, sub/deeper/c.dds, folder named x.dds holding d.dds; a zero-byte and a
// damaged .dds; a file that is not a texture.
void MakeTree(const TempDir& dir) {
  WriteTexture(dir, "in/a.dds", 16, 8);
  WriteTexture(dir, "in/sub/B.DDS", 8, 8, dds_writer::DdsFormat::kDxt1);
  WriteTexture(dir, "in/sub/deeper/c.dds", 12, 4, dds_writer::DdsFormat::kBgr8);
  WriteTexture(dir, "in/x.dds/d.dds", 4, 4);
  dir.Write("in/empty.dds", "");
  dir.Write("in/broken.dds", "DDS not really");
  dir.Write("in/notes.txt", "not a texture");
  fs::create_directory(dir.path() / "out");
}

TEST(FolderRun, ConvertsTheTreeAndNamesTheFileThatFailed) {
  TempDir dir;
  MakeTree(dir);
  const ProgramResult result = RunTavrosine({"-i", "in/", "-o", "out"}, dir.Folder());
  EXPECT_EQ(FilesBelow(dir.path() / "out"),
            (std::vector<std::string>{"a.jpg", "sub/B.jpg", "sub/deeper/c.jpg", "x.dds/d.jpg"}));
  const std::vector<std::string> lines = Lines(result.out);
  const std::vector<std::string> expected_tail = {
      "Preparing...", "Importing...", "Import complete, new files added: 5", "Converting...",
      "Conversion complete", "Files converted: 4 of 5"};
  ASSERT_GE(lines.size(), expected_tail.size());
  EXPECT_EQ(std::vector<std::string>(lines.end() - expected_tail.size(), lines.end()),
            expected_tail);
  const std::vector<std::string> errors = Lines(result.err);
  ASSERT_EQ(errors.size(), 1u) << result.err;
  EXPECT_EQ(errors[0].rfind("Error: Unable to open the file: " + dir.Folder() + "in/broken.dds! (", 0),
            0u)
      << errors[0];
  EXPECT_EQ(result.exit_code, 2);
}

TEST(FolderRun, WithoutSubfoldersEverythingLandsInTheOutputFolder) {
  TempDir dir;
  MakeTree(dir);
  RunTavrosine({"-q", "-i", "./in", "-o", "./out", "--no-subfolders"}, dir.Folder());
  EXPECT_EQ(FilesBelow(dir.path() / "out"),
            (std::vector<std::string>{"B.jpg", "a.jpg", "c.jpg", "d.jpg"}));
}

TEST(FolderRun, QuietSuccessPrintsNothingAnywhere) {
  TempDir dir;
  WriteTexture(dir, "in/a.dds", 8, 8);
  const ProgramResult result = RunTavrosine({"-q", "-i", "in"}, dir.Folder());
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_TRUE(fs::exists(dir.path() / "in/a.jpg"));  // no -o: beside the inputs
}

TEST(FolderRun, NothingConvertedSaysSo) {
  TempDir dir;
  dir.Write("in/broken.dds", "DDS junk");
  dir.Write("empty/readme.txt", "x");
  const ProgramResult failed = RunTavrosine({"-q", "-i", "in"}, dir.Folder());
  EXPECT_EQ(failed.out, "Conversion stopped\n");
  EXPECT_EQ(Lines(failed.err).size(), 1u);
  EXPECT_EQ(failed.exit_code, 2);

  const ProgramResult none = RunTavrosine({"-i", "empty"}, dir.Folder());
  const std::vector<std::string> lines = Lines(none.out);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{
                "Import complete, new files added: 0", "Conversion stopped",
                "No input file(s) found. Please, add valid file(s) and try again!"}));
  EXPECT_EQ(none.exit_code, 1);
}

TEST(FilenameMask, CounterAdvancesOnlyForWrittenFiles) {
  TempDir dir;
  WriteTexture(dir, "in/a.dds", 4, 4);
  dir.Write("in/b.dds", "DDS junk");
  WriteTexture(dir, "in/c.dds", 4, 4);
  const ProgramResult result =
      RunTavrosine({"-q", "-d", "-i", "in", "-o", ".", "--filename-mask=IMG_%n%.%ext%"},
                   dir.Folder());
  EXPECT_TRUE(fs::exists(dir.path() / "img_00001.jpg"));
  EXPECT_TRUE(fs::exists(dir.path() / "img_00002.jpg"));
  EXPECT_FALSE(fs::exists(dir.path() / "img_00003.jpg"));
  const std::vector<std::string> lines = Lines(result.out);
  const std::vector<std::string> worker(lines.end() - 9, lines.end());
  EXPECT_EQ(worker, (std::vector<std::string>{
                        "Processing: " + dir.Folder() + "in/a.dds",
                        "Saving As: " + dir.Folder() + "img_00001.jpg", "OK",
                        "Processing: " + dir.Folder() + "in/b.dds", "Saving As: ", "Not OK",
                        "Processing: " + dir.Folder() + "in/c.dds",
                        "Saving As: " + dir.Folder() + "img_00002.jpg", "OK"}));
}

TEST(FilenameMask, NeverOverwritesAnInputOfTheBatch) {
  TempDir dir;
  const std::string a = WriteTexture(dir, "in/a.dds", 4, 4);
  const std::string before = ReadFileBytes(a);
  const ProgramResult result =
      RunTavrosine({"-q", "-i", "in", "--filename-mask=%filename%.dds"}, dir.Folder());
  EXPECT_EQ(ReadFileBytes(a), before);
  EXPECT_NE(result.err.find("would overwrite an input file"), std::string::npos) << result.err;
  EXPECT_EQ(result.exit_code, 2);

  // The same file reached through a linked folder is still the input.
  fs::create_directory_symlink(dir.path() / "in", dir.path() / "link");
  const ProgramResult linked = RunTavrosine(
      {"-q", "-i", "in", "-o", "link", "--filename-mask=%filename%.dds"}, dir.Folder());
  EXPECT_EQ(ReadFileBytes(a), before);
  EXPECT_EQ(linked.exit_code, 2);
}

TEST(ListFile, ImportsWhatItNames) {
  TempDir dir;
  const std::string a = WriteTexture(dir, "a.dds", 4, 4);
  WriteTexture(dir, "tree/sub/b.dds", 4, 4);
  fs::create_directory(dir.path() / "out");
  dir.Write("list.lst", "\xEF\xBB\xBF   " + a + "  \r\n" + dir.Folder() + "gone.dds\r\n\r\n" +
                            dir.Folder() + "tree\r\n");
  const ProgramResult result = RunTavrosine({"-i", "list.lst", "-o", "out"}, dir.Folder());
  EXPECT_EQ(Lines(result.out).back(), "Files converted: 2 of 2");
  // Files from a list keep no sub-folders.
  EXPECT_EQ(FilesBelow(dir.path() / "out"), (std::vector<std::string>{"a.jpg", "b.jpg"}));
  EXPECT_EQ(result.exit_code, 0);
}

TEST(SingleFile, WithoutAFolderLandsInTheCurrentFolder) {
  TempDir dir;
  WriteTexture(dir, "a.dds", 4, 4);
  const ProgramResult result = RunTavrosine({"-q", "-i", "a.dds"}, dir.Folder());
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_TRUE(fs::exists(dir.path() / "a.jpg"));
}

TEST(FileTimes, OriginalAndCustom) {
  TempDir dir;
  const std::string a = WriteTexture(dir, "in/a.dds", 4, 4);
  const fs::file_time_type old_time = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
  fs::last_write_time(a, old_time);
  fs::create_directories(dir.path() / "orig");
  fs::create_directories(dir.path() / "custom");
  RunTavrosine({"-q", "-i", "in", "-o", "orig", "--file-timestamp=original"}, dir.Folder());
  EXPECT_EQ(std::chrono::duration_cast<std::chrono::seconds>(
                fs::last_write_time(dir.path() / "orig/a.jpg") - old_time)
                .count(),
            0);

  // 2001-02-03 04:05:06 local time, as seconds counted in local time.
  RunTavrosine({"-q", "-i", "in", "-o", "custom", "--file-timestamp=CUSTOM",
                "--file-timestamp-custom=981173106"},
               dir.Folder());
  struct stat info {};
  ASSERT_EQ(stat((dir.path() / "custom/a.jpg").c_str(), &info), 0);
  std::tm local{};
  localtime_r(&info.st_mtime, &local);
  EXPECT_EQ(local.tm_year + 1900, 2001);
  EXPECT_EQ(local.tm_mon + 1, 2);
  EXPECT_EQ(local.tm_mday, 3);
  EXPECT_EQ(local.tm_hour, 4);
  EXPECT_EQ(local.tm_min, 5);
}

TEST(DebugListing, ListsEverySettingInOrder) {
  TempDir dir;
  WriteTexture(dir, "in/a.dds", 8, 8);
  const ProgramResult result = RunTavrosine(
      {"-q", "-d", "-i", "in/", "-o", "in", "--rotation=90", "--width=50", "--width-unit=percent",
       "--height=40", "--brightness=10", "--gamma=1.2", "--threshold=100", "--fr-solid-left=3",
       "--wm-text=Hi", "--file-timestamp=custom", "--file-timestamp-custom=86400",
       "--no-subfolders"},
      dir.Folder());
  const std::vector<std::string> expected = {
      "Input: in/", "Output: in", "Conversion: jpg", "DDS Load As: auto", "JPG BPP: 0",
      "JPG Quality: 95", "JPG Chroma Subsampling: none", "JPG Save As: standard",
      "Image Rotation Type: simple", "Image Rotation: 90", "Image Rotation Back Color: 000000",
      "Width: 50 percent", "Height: 40 pixels", "Keep Aspect Ratio: 0",
      "Image Resize Type: allimages", "Image Resize Algorithm: bicubic", "Flip Horizontal: 0",
      "Flip Vertical: 0", "Brightness: 10", "Contrast: 0", "Gamma: 1.20", "Invert: 0",
      "Greyscale: 0", "Image Threshold: 100", "Frame: solid", "Frame left: 3", "Frame right: 0",
      "Frame top: 0", "Frame bottom: 0", "Frame left color: 000000", "Frame right color: 000000",
      "Frame top color: 000000", "Frame bottom color: 000000", "Frame opacity: 255",
      "Watermark: text", "Watermark text: Hi", "Watermark font: Arial",
      "Watermark font size: 14", "Watermark font leading: 0", "Watermark font color: FFFFFF",
      "Watermark font style: regular", "Watermark font effect: none",
      "Watermark text antialiasing: 0", "Watermark text alignment: left",
      "Watermark text padding: 0", "Watermark text opacity: 255",
      "Watermark background color: 000000", "Watermark background opacity: 1",
      "Watermark boundary: image", "Watermark position: bottomright",
      "Watermark offset (x/y): 10/10", "Watermark rotation: 0", "Watermark size/mode: fixed",
      "Filename Mask: %filename%.%ext%", "File Timestamp: custom", "Custom Timestamp: 86400",
      "Keep Subfolders: 0", "Processing: " + dir.Folder() + "in/a.dds",
      "Saving As: " + dir.Folder() + "in/a.jpg", "OK"};
  EXPECT_EQ(Lines(result.out), expected);
  EXPECT_EQ(result.err, "");
}

TEST(DebugListing, ImageWatermarkLines) {
  TempDir dir;
  WriteTexture(dir, "in/a.dds", 8, 8);
  dir.Write("mark.png", "not empty");
  const std::vector<std::string> lines = Lines(
      RunTavrosine({"-q", "-d", "-i", "in", "--wm-image=mark.png", "--wm-image-position=topleft"},
                   dir.Folder())
          .out);
  const auto first = std::find(lines.begin(), lines.end(), "Watermark: image");
  ASSERT_NE(first, lines.end());
  EXPECT_EQ(std::vector<std::string>(first, first + 9),
            (std::vector<std::string>{
                "Watermark: image", "Watermark image: mark.png", "Watermark greyscale: 0",
                "Watermark opacity: 255", "Watermark boundary: image",
                "Watermark position: topleft", "Watermark offset (x/y): 10/10",
                "Watermark rotation: 0", "Watermark size/mode: fixed"}));
}

}  // namespace
}  // namespace tavrosine::testing
