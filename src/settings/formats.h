#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavrosine {

// The formats this product exposes; everything else in the tables stays dormant.
inline constexpr std::string_view kInputExtensions[] = {"dds"};
inline constexpr std::string_view kOutputExtensions[] = {"jpg"};

struct OutputFormat {
  std::string_view extension;
  int freeimage_format;  // the FREE_IMAGE_FORMAT the file is saved as
  std::string_view description;
  std::string_view depths;  // the bit depths the depth setting may take besides 0 (automatic)
};

struct InputFormat {
  std::string_view format_key;  // the extension naming the format this extension belongs to
  std::string_view extension;
  std::string_view description;
};

std::span<const OutputFormat> OutputFormats();
std::span<const InputFormat> InputFormats();

const OutputFormat* FindOutputFormat(std::string_view extension);
const InputFormat* FindInputFormat(std::string_view extension);

// Exactly (case-sensitively) one of the exposed output extensions.
bool IsEnabledOutputFormat(std::string_view extension);
// 0 (automatic) or one of the format's depths.
bool IsAllowedDepth(std::string_view extension, int depth);
// The depths of a format as numbers, in list order.
std::vector<int> DepthList(std::string_view extension);
// "JPG", or "JPG (JPEG File Format)" with the description.
std::string OutputFormatTitle(std::string_view extension, bool with_description);
// Every extension of the exposed input formats ("dds").
std::vector<std::string> AcceptedInputExtensions();

}  // namespace tavrosine
