// make_dds: writes one generated texture as a DDS file, for tests, examples and benchmarks.
//   make_dds --format bgr|bgra|dxt1|dxt5|bc4|bc5|bc7 --size WxH [--seed N] [--alpha] OUT.dds

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "dds_writer/dds_writer.h"
#include "dds_writer/test_picture.h"

namespace {

using tavrosine::dds_writer::DdsFormat;

constexpr int kMaxSide = 65536;

struct Options {
  std::optional<DdsFormat> format;
  int width = 0;
  int height = 0;
  uint32_t seed = 1;
  bool alpha = false;
  std::string output;
};

void PrintUsage() {
  std::fputs(
      "usage: make_dds --format bgr|bgra|dxt1|dxt5|bc4|bc5|bc7 --size WxH [--seed N] [--alpha] "
      "OUT.dds\n",
      stderr);
}

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool ParseSize(std::string_view text, int& width, int& height) {
  const size_t x = text.find('x');
  return x != std::string_view::npos && ParseNumber(text.substr(0, x), width) &&
         ParseNumber(text.substr(x + 1), height) && width > 0 && height > 0 && width <= kMaxSide &&
         height <= kMaxSide;
}

// Returns the options, or nullopt after saying what is wrong.
std::optional<Options> ParseArguments(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--format" && has_value) {
      options.format = tavrosine::dds_writer::ParseDdsFormat(argv[++i]);
      if (!options.format) {
        std::fprintf(stderr, "make_dds: unknown format '%s'\n", argv[i]);
        return std::nullopt;
      }
    } else if (arg == "--size" && has_value) {
      if (!ParseSize(argv[++i], options.width, options.height)) {
        std::fprintf(stderr, "make_dds: size '%s' is not WxH with sides 1 to %d\n", argv[i],
                     kMaxSide);
        return std::nullopt;
      }
    } else if (arg == "--seed" && has_value) {
      if (!ParseNumber(std::string_view(argv[++i]), options.seed)) {
        std::fprintf(stderr, "make_dds: seed '%s' is not a whole number\n", argv[i]);
        return std::nullopt;
      }
    } else if (arg == "--alpha") {
      options.alpha = true;
    } else if (!arg.starts_with("--") && options.output.empty()) {
      options.output = arg;
    } else {
      std::fprintf(stderr, "make_dds: unexpected argument '%s'\n", argv[i]);
      return std::nullopt;
    }
  }
  if (!options.format || options.width == 0 || options.output.empty()) return std::nullopt;
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = ParseArguments(argc, argv);
  if (!options) {
    PrintUsage();
    return 2;
  }
  const auto picture = tavrosine::dds_writer::MakeTestPicture(options->width, options->height,
                                                              options->seed, options->alpha);
  const std::string error =
      tavrosine::dds_writer::WriteDdsFile(options->output, picture, *options->format);
  if (!error.empty()) {
    std::fprintf(stderr, "make_dds: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
