// The executable's answers to its parameters: help, version, parameter errors, the
// checks made before anything is converted, and their exit codes.
#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/textures.h"

namespace tavrosine::testing {
namespace {

struct ParameterCase {
  std::vector<std::string> args;
  int exit_code;
  std::string last_line;  // the last line on stdout
};

class ParameterTest : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(ParameterTest, AnswersWithItsLineAndExitCode) {
  TempDir dir;
  WriteTexture(dir, "in/a.dds", 8, 8);
  dir.Write("in/zero.dds", "");
  dir.Write("my.folder/x.dds", "x");
  dir.Write("profile.ini", "[CLI]\n--jpg-quality=0\n");
  dir.Write("mark.png", "");
  const ParameterCase& c = GetParam();
  const ProgramResult result = RunTavrosine(c.args, dir.Folder());
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), c.last_line);
  EXPECT_EQ(result.exit_code, c.exit_code);
  EXPECT_EQ(result.err, "");
}

const std::string kWrong = "Error: Incorrect number of parameters";
const std::string kHelpLast = "  -v, --version             Display version information and exit";

INSTANTIATE_TEST_SUITE_P(
    CommandLine, ParameterTest,
    ::testing::Values(
        ParameterCase{{"-v"}, 0, "2.7"}, ParameterCase{{"--VERSION"}, 0, "2.7"},
        ParameterCase{{"-?"}, 0, kHelpLast},
        // No input named: the desktop front end's start, which explains the console one.
        ParameterCase{{"-x"}, 0, kHelpLast}, ParameterCase{{"-q", "-h"}, 0, kHelpLast},
        ParameterCase{{"-i=in/a.dds"}, 0, kHelpLast}, ParameterCase{{"a.dds"}, 0, kHelpLast},
        ParameterCase{{"-i", "in/a.dds", "-o"}, 1, kWrong},
        ParameterCase{{"-i", "-q"}, 1, kWrong}, ParameterCase{{"--input="}, 1, kWrong},
        ParameterCase{{"--input"}, 1, kWrong},
        ParameterCase{{"-i", "in/a.dds", "--width", "800"}, 1, kWrong},
        ParameterCase{{"-i", "in/a.dds", "--profile=missing.ini"}, 1,
                      "Error: Invalid profile file"},
        ParameterCase{{"-o", "-i", "in/a.dds"}, 1, kWrong}));

INSTANTIATE_TEST_SUITE_P(
    BatchChecks, ParameterTest,
    ::testing::Values(
        ParameterCase{{"-i", "in/zero.dds"}, 1, "Error: Invalid input file"},
        ParameterCase{{"-i", "in/missing.dds"}, 1, "Error: Invalid input file"},
        ParameterCase{{"-i", "my.folder"}, 1, "Error: Invalid input file"},
        ParameterCase{{"-i", "../in"}, 1, "Error: Incorrect input folder"},
        ParameterCase{{"-i", "nowhere"}, 1, "Error: Invalid input folder"},
        ParameterCase{{"-i", "in", "-o", "missing"}, 1, "Error: Invalid output folder"},
        ParameterCase{{"-i", "in", "-o", "../out"}, 1, "Error: Incorrect output folder"},
        ParameterCase{{"-i", "in", "-c", "png"}, 1, "Error: Invalid conversion type"},
        ParameterCase{{"-i", "in", "-c", "JPG"}, 1, "Error: Invalid conversion type"},
        ParameterCase{{"-i", "in", "--jpg-bpp=32"}, 1, "Error: Invalid jpg-bpp value"},
        ParameterCase{{"-i", "in", "--jpg-quality=0"}, 1, "Error: Invalid jpg-quality value"},
        ParameterCase{{"-i", "in", "--profile=profile.ini"}, 1,
                      "Error: Invalid jpg-quality value"},
        ParameterCase{{"-i", "in", "--width=800"}, 1, "Error: Invalid height value"},
        ParameterCase{{"-i", "in", "--height=8", "--width=0"}, 1, "Error: Invalid width value"},
        ParameterCase{{"-i", "in", "--brightness=101"}, 1, "Error: Invalid brightness value"},
        ParameterCase{{"-i", "in", "--contrast=-101"}, 1, "Error: Invalid contrast value"},
        ParameterCase{{"-i", "in", "--gamma=10"}, 1, "Error: Invalid gamma value"},
        ParameterCase{{"-i", "in", "--gamma=abc"}, 1, "Error: Invalid gamma value"},
        ParameterCase{{"-i", "in", "--wm-image=mark.png"}, 1, "Error: Invalid watermark image"},
        ParameterCase{{"-i", "in", "--brightness=-100", "--gamma=9.99", "--jpg-bpp=8"}, 0,
                      "Files converted: 1 of 1"}));

TEST(Help, PrintsTheUsageForThisExecutable) {
  TempDir dir;
  const ProgramResult result = RunTavrosine({"--help"}, dir.Folder());
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 38u);
  EXPECT_EQ(lines[0], " ");
  EXPECT_EQ(lines[1], "Usage: tavrosine -i <filename> [options]");
  EXPECT_EQ(lines[3], "  tavrosine -i example.dds");
  EXPECT_EQ(lines[8], "  tavrosine -i /tmp/ -o ~/converted -c jpg --jpg-quality=95");
  EXPECT_EQ(result.exit_code, 0);
}

TEST(Banner, ComesFirstUnlessQuiet) {
  TempDir dir;
  WriteTexture(dir, "a.dds", 4, 4);
  const std::vector<std::string> lines = Lines(RunTavrosine({"-i", "a.dds"}, dir.Folder()).out);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "Zelmorith 2.7");
  EXPECT_EQ(lines[3], " ");
  EXPECT_EQ(lines[4], "Preparing...");
  EXPECT_EQ(RunTavrosine({"-q", "-i", "a.dds"}, dir.Folder()).out, "");
}

TEST(Pause, PromptsOnlyAfterARunAndNeverHangsWithoutATerminal) {
  TempDir dir;
  WriteTexture(dir, "a.dds", 4, 4);
  EXPECT_EQ(Lines(RunTavrosine({"-p", "-q", "-i", "a.dds"}, dir.Folder()).out),
            std::vector<std::string>{"Press any key to exit."});
  EXPECT_EQ(Lines(RunTavrosine({"-p", "-o"}, dir.Folder()).out),
            std::vector<std::string>{"Error: Incorrect number of parameters"});
}

}  // namespace
}  // namespace tavrosine::testing
