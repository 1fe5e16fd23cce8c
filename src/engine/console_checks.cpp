#include "engine/console_checks.h"

#include <initializer_list>
#include <utility>

#include "app/keywords.h"
#include "app/messages.h"
#include "app/text.h"
#include "engine/output_naming.h"
#include "platform/paths.h"
#include "settings/formats.h"
#include "settings/output_options.h"
#include "settings/settings_table.h"

namespace tavrosine {
namespace {

using DebugLines = std::initializer_list<std::pair<std::string_view, std::string_view>>;

// The options each output format lists after its depth.
struct FormatListing {
  std::string_view extension;
  DebugLines lines;
};
const FormatListing kFormatListings[] = {
    {"bmp", {{"BMP Compression: ", "--BMP-COMPRESSION"}, {"BMP Color Table: ", "--BMP-COLOR-TABLE"}}},
    {"exr", {{"EXR Compression: ", "--EXR-COMPRESSION"}}},
    {"jpg",
     {{"JPG Quality: ", "--JPG-QUALITY"},
      {"JPG Chroma Subsampling: ", "--JPG-CHROMA"},
      {"JPG Save As: ", "--JPG-SAVE-AS"}}},
    {"png", {{"PNG Compression: ", "--PNG-COMPRESSION"}, {"PNG Interlaced: ", "--PNG-INTERLACED"}}},
    {"tga", {{"TGA Compression: ", "--TGA-COMPRESSION"}}},
    {"tiff",
     {{"TIFF Compression: ", "--TIFF-COMPRESSION"}, {"TIFF Color Model: ", "--TIFF-COLOR-MODEL"}}},
};

const DebugLines kTextWatermarkLines = {
    {"Watermark text: ", "--WM-TEXT"},
    {"Watermark font: ", "--WM-FONT"},
    {"Watermark font size: ", "--WM-FONT-SIZE"},
    {"Watermark font leading: ", "--WM-FONT-LEADING"},
    {"Watermark font color: ", "--WM-FONT-COLOR"},
    {"Watermark font style: ", "--WM-FONT-STYLE"},
    {"Watermark font effect: ", "--WM-FONT-EFFECT"},
    {"Watermark text antialiasing: ", "--WM-TEXT-ANTIALIASING"},
    {"Watermark text alignment: ", "--WM-TEXT-ALIGNMENT"},
    {"Watermark text padding: ", "--WM-TEXT-PADDING"},
    {"Watermark text opacity: ", "--WM-TEXT-OPACITY"},
    {"Watermark background color: ", "--WM-BACK-COLOR"},
    {"Watermark background opacity: ", "--WM-BACK-OPACITY"},
    {"Watermark boundary: ", "--WM-TEXT-BOUNDARY"},
    {"Watermark position: ", "--WM-TEXT-POSITION"},
};

const DebugLines kImageWatermarkLines = {
    {"Watermark image: ", "--WM-IMAGE"},
    {"Watermark greyscale: ", "--WM-IMAGE-GREYSCALE"},
    {"Watermark opacity: ", "--WM-IMAGE-OPACITY"},
    {"Watermark boundary: ", "--WM-IMAGE-BOUNDARY"},
    {"Watermark position: ", "--WM-IMAGE-POSITION"},
};

// Prints debug lines and reports check failures, so each check reads as one line below.
class Listing {
 public:
  Listing(const ConversionSettings& settings, bool debug, ConsoleOutput& console)
      : settings_(settings), debug_(debug), console_(console) {}

  void Debug(std::string_view text) {
    if (debug_) console_.Line(text);
  }
  void Option(std::string_view label, std::string_view option) {
    if (debug_) console_.Line(std::string(label) + FormatOption(settings_, option));
  }
  void Options(DebugLines lines) {
    for (const auto& [label, option] : lines) Option(label, option);
  }
  // The offset, rotation and size lines that close both watermark listings.
  void WatermarkPlacement(std::string_view kind) {
    const std::string prefix = "--WM-" + std::string(kind) + "-";
    Debug("Watermark offset (x/y): " + FormatOption(settings_, prefix + "X-OFFSET") + "/" +
          FormatOption(settings_, prefix + "Y-OFFSET"));
    Option("Watermark rotation: ", prefix + "ROTATION");
    Option("Watermark size/mode: ", prefix + "SIZE");
  }
  bool Fail(std::string_view message) {
    console_.Line("Error: " + std::string(message));
    return false;
  }

 private:
  const ConversionSettings& settings_;
  bool debug_;
  ConsoleOutput& console_;
};

bool CheckOutputFormat(const ConversionSettings& settings, const std::string& extension,
                       Listing& listing) {
  const std::string upper = ToUpperAscii(extension);
  const std::optional<int> depth = DepthSetting(settings, extension);
  if (depth) listing.Debug(upper + " BPP: " + std::to_string(*depth));
  for (const FormatListing& format : kFormatListings) {
    if (format.extension == extension) listing.Options(format.lines);
  }
  if (depth && !IsAllowedDepth(extension, *depth)) {
    return listing.Fail("Invalid " + ToLowerAscii(extension) + "-bpp value");
  }
  if (extension == "jpg" && (settings.jpg_quality < 1 || settings.jpg_quality > 100)) {
    return listing.Fail("Invalid jpg-quality value");
  }
  return true;
}

bool CheckTransforms(const ConversionSettings& s, Listing& listing) {
  if (s.do_rotation) {
    listing.Options({{"Image Rotation Type: ", "--ROTATION-TYPE"},
                     {"Image Rotation: ", "--ROTATION"},
                     {"Image Rotation Back Color: ", "--ROTATION-BACK-COLOR"}});
  }
  if (s.do_resize) {
    listing.Debug("Width: " + std::to_string(s.width) + " " +
                  CodeToKeyword(kCatSizeUnit, s.width_unit));
    if (s.width == 0) return listing.Fail("Invalid width value");
    listing.Debug("Height: " + std::to_string(s.height) + " " +
                  CodeToKeyword(kCatSizeUnit, s.height_unit));
    if (s.height == 0) return listing.Fail("Invalid height value");
    listing.Options({{"Keep Aspect Ratio: ", "--KEEP-ASPECT-RATIO"},
                     {"Image Resize Type: ", "--RESIZE-TYPE"},
                     {"Image Resize Algorithm: ", "--RESIZE-ALGORITHM"}});
  }
  listing.Options({{"Flip Horizontal: ", "--FLIP-HORIZONTAL"},
                   {"Flip Vertical: ", "--FLIP-VERTICAL"}});
  return true;
}

bool CheckAdjustments(const ConversionSettings& s, Listing& listing) {
  if (s.do_color_correction) {
    listing.Option("Brightness: ", "--BRIGHTNESS");
    if (s.brightness < -100 || s.brightness > 100) return listing.Fail("Invalid brightness value");
    listing.Option("Contrast: ", "--CONTRAST");
    if (s.contrast < -100 || s.contrast > 100) return listing.Fail("Invalid contrast value");
    listing.Option("Gamma: ", "--GAMMA");
    // Compared as stored (32-bit floats), so 0.01 and 9.99 themselves pass.
    if (!(s.gamma >= 0.01f && s.gamma <= 9.99f)) return listing.Fail("Invalid gamma value");
    listing.Option("Invert: ", "--INVERT");
  }
  listing.Option("Greyscale: ", "--GREYSCALE");
  if (s.do_threshold) listing.Option("Image Threshold: ", "--THRESHOLD");
  listing.Debug("Frame: " + CodeToKeyword(kCatFrameType, s.do_frame));
  if (s.do_frame == 1) {
    listing.Options({{"Frame left: ", "--FR-SOLID-LEFT"},
                     {"Frame right: ", "--FR-SOLID-RIGHT"},
                     {"Frame top: ", "--FR-SOLID-TOP"},
                     {"Frame bottom: ", "--FR-SOLID-BOTTOM"},
                     {"Frame left color: ", "--FR-SOLID-LEFT-COLOR"},
                     {"Frame right color: ", "--FR-SOLID-RIGHT-COLOR"},
                     {"Frame top color: ", "--FR-SOLID-TOP-COLOR"},
                     {"Frame bottom color: ", "--FR-SOLID-BOTTOM-COLOR"},
                     {"Frame opacity: ", "--FR-SOLID-OPACITY"}});
  }
  return true;
}

bool CheckWatermark(const ConversionSettings& s, Listing& listing,
                    std::shared_ptr<const WatermarkFont>& font) {
  listing.Debug("Watermark: " + CodeToKeyword(kCatWatermarkType, s.do_watermark));
  if (s.do_watermark == kWatermarkText) {
    listing.Options(kTextWatermarkLines);
    listing.WatermarkPlacement("TEXT");
    font = LoadWatermarkFont(s);
    if (!font) return listing.Fail("Invalid watermark font");
  } else if (s.do_watermark == kWatermarkImage) {
    listing.Options(kImageWatermarkLines);
    listing.WatermarkPlacement("IMAGE");
    if (FileSize(s.wm_image) <= 0) return listing.Fail("Invalid watermark image");
  }
  return true;
}

}  // namespace

std::string ResolveConsoleFolder(std::string folder) {
  if (!IsAbsolutePath(folder)) {
    if (folder == ".") folder.clear();
    if (StartsWith(folder, "./")) folder.erase(0, 2);
    folder = CurrentFolder() + folder;
  }
  return WithTrailingSeparator(std::move(folder));
}

bool PrepareConsoleJob(ConversionSettings& settings, JobState& job, bool debug,
                       ConsoleOutput& console, std::shared_ptr<const WatermarkFont>& font) {
  Listing listing(settings, debug, console);
  listing.Debug("Input: " + job.input_argument);

  if (!ExtensionPart(job.input_argument).empty()) {
    job.input_file = std::exchange(job.input_argument, "");
    if (FileSize(job.input_file) <= 0) return listing.Fail("Invalid input file");
  } else {
    if (StartsWith(job.input_argument, "..")) return listing.Fail("Incorrect input folder");
    job.input_argument = ResolveConsoleFolder(job.input_argument);
    if (!IsExistingFolder(job.input_argument)) return listing.Fail("Invalid input folder");
  }

  if (job.output_folder.empty()) {
    job.output_folder = job.input_argument.empty() ? std::string(FolderPart(job.input_file))
                                                   : job.input_argument;
  }
  listing.Debug("Output: " + job.output_folder);
  if (StartsWith(job.output_folder, "..")) return listing.Fail("Incorrect output folder");
  job.output_folder = ResolveConsoleFolder(job.output_folder);
  if (!IsExistingFolder(job.output_folder)) return listing.Fail("Invalid output folder");

  if (job.input_format.empty()) job.input_format = std::string(kInputExtensions[0]);
  if (job.output_extension.empty()) job.output_extension = std::string(kOutputExtensions[0]);
  listing.Debug("Conversion: " + job.output_extension);
  if (!IsEnabledOutputFormat(job.output_extension)) {
    return listing.Fail("Invalid conversion type");
  }

  if (job.input_format == "dds") listing.Option("DDS Load As: ", "--DDS-LOAD-AS");
  if (!CheckOutputFormat(settings, job.output_extension, listing) ||
      !CheckTransforms(settings, listing) || !CheckAdjustments(settings, listing) ||
      !CheckWatermark(settings, listing, font)) {
    return false;
  }

  listing.Option("Filename Mask: ", "--FILENAME-MASK");
  listing.Option("File Timestamp: ", "--FILE-TIMESTAMP");
  if (settings.file_timestamp == kTimestampCustom) {
    listing.Option("Custom Timestamp: ", "--FILE-TIMESTAMP-CUSTOM");
  }
  listing.Debug("Keep Subfolders: " + std::to_string(settings.keep_subfolders));
  ResolveOutputOptions(job, settings);
  return true;
}

}  // namespace tavrosine
