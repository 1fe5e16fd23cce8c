#include "app/help_text.h"

#include <algorithm>
#include <random>

#include "app/messages.h"
#include "settings/formats.h"

namespace tavrosine {
namespace {

constexpr std::string_view kHelpTemplate[] = {
    " ",
    "Usage: %s1% -i <filename> [options]",
    " ",
    "  %s1% -i example.%s2%",
    "  %s1% -i /tmp/example.%s2%",
    "  %s1% -i /tmp/example.%s2% -o ~/converted",
    "  %s1% -i /tmp/filelist.txt",
    "  %s1% -i /tmp/ -o ~/converted --jpg-quality=95",
    "  %s1% -i /tmp/ -o ~/converted -c %s2% --jpg-quality=95",
    " ",
    "Options:",
    " ",
    "  -h, -?, --help            Display this help and exit",
    "  -i FILE, --input=FILE     Set input file/list/folder",
    "  -o PATH, --output=PATH    Set output folder",
    "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)",
    " ",
    "Advanced options:",
    " ",
    "  --width=NUM               Set output image width",
    "  --height=NUM              Set output image height",
    "  --filename-mask=STR       Define output filename format",
    "  --flip-horizontal         Flip output image horizontally",
    "  --flip-vertical           Flip output image vertically",
    "  --brightness=NUM          Set output image brightness, NUM = -100..100",
    "  --contrast=NUM            Set output image contrast, NUM = -100..100",
    "  --gamma=NUM               Set output image gamma, NUM = 0.01..9.99",
    "  --invert                  Invert output image",
    "  --greyscale               Greyscale output image",
    "  --profile=FILE            Set configuration file with required settings",
    "    ...                     Refer documentation for all available options",
    " ",
    "Other options:",
    " ",
    "  -q, --quiet               Don't print status messages to stdout",
    "  -d, --debug               Print debug information to stdout",
    "  -p, --pause               Pause at exit",
    "  -v, --version             Display version information and exit",
};

// Lines 4 to 6 show an input extension picked at random, line 9 the first output one.
constexpr size_t kRandomInputLines[] = {3, 4, 5};
constexpr size_t kOutputExampleLine = 8;

std::string_view RandomInputExtension() {
  static std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, std::size(kInputExtensions) - 1);
  return kInputExtensions[pick(generator)];
}

}  // namespace

std::vector<std::string> HelpLines(std::string_view program_name) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < std::size(kHelpTemplate); ++i) {
    std::string_view extension;
    if (std::ranges::find(kRandomInputLines, i) != std::end(kRandomInputLines)) {
      extension = RandomInputExtension();
    } else if (i == kOutputExampleLine) {
      extension = kOutputExtensions[0];
    }
    lines.push_back(FillPlaceholders(kHelpTemplate[i], program_name, extension));
  }
  return lines;
}

}  // namespace tavrosine
