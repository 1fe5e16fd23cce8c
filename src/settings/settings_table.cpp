#include "settings/settings_table.h"

#include <charconv>
#include <cmath>
#include <type_traits>
#include <vector>

#include "app/keywords.h"
#include "app/text.h"

namespace tavrosine {
namespace {

using S = ConversionSettings;
using K = ValueKind;

constexpr SideEffect kRotationOn{&S::do_rotation, 1};
constexpr SideEffect kResizeOn{&S::do_resize, 1};
constexpr SideEffect kColorOn{&S::do_color_correction, 1};
constexpr SideEffect kThresholdOn{&S::do_threshold, 1};
constexpr SideEffect kFrameOn{&S::do_frame, 1};
constexpr SideEffect kTextMark{&S::do_watermark, kWatermarkText};
constexpr SideEffect kImageMark{&S::do_watermark, kWatermarkImage};

SettingRow Depth(std::string_view key, int S::*field, std::string_view option) {
  return {"Output", key, field, K::kInt, -1, option};
}

// The one list of settings, in settings-file order within each group.
const std::vector<SettingRow>& Rows() {
  static const std::vector<SettingRow> rows = {
      {"General", "Language", &S::language, K::kText},
      {"General", "Update Range", &S::update_range, K::kInt},
      {"General", "Update Date", &S::update_date, K::kDate},
      {"General", "Save Window Position", &S::save_window_position, K::kFlag},
      {"Window", "IsMaximized", &S::is_maximized, K::kFlag},
      {"Window", "Width", &S::window_width, K::kInt},
      {"Window", "Height", &S::window_height, K::kInt},
      {"Window", "X", &S::window_x, K::kInt},
      {"Window", "Y", &S::window_y, K::kInt},
      {"Interface", "UI Theme", &S::ui_theme, K::kText},
      {"Interface", "UI Size", &S::ui_size, K::kInt},

      {"Input", "Format", &S::input_format, K::kText},
      {"Input", "DDS Load As", &S::dds_load_as, K::kKeyword, kCatDdsLoadAs, "--DDS-LOAD-AS"},
      {"Input", "GIF Frame Loading", &S::gif_frame_loading, K::kKeyword, kCatFrameLoading,
       "--GIF-FRAME-LOADING"},
      {"Input", "ICO Frame Loading", &S::ico_frame_loading, K::kKeyword, kCatFrameLoading,
       "--ICO-FRAME-LOADING"},
      {"Input", "TIFF Frame Loading", &S::tiff_frame_loading, K::kKeyword, kCatFrameLoading,
       "--TIFF-FRAME-LOADING"},
      {"Input", "RAW Load As", &S::raw_load_as, K::kKeyword, kCatRawLoadAs, "--RAW-LOAD-AS"},
      {"Input", "RAW Header Size", &S::raw_header_size, K::kInt, -1, "--RAW-HEADER-SIZE"},
      {"Input", "RAW Image Width", &S::raw_width, K::kInt, -1, "--RAW-WIDTH"},
      {"Input", "RAW Image Height", &S::raw_height, K::kInt, -1, "--RAW-HEIGHT"},
      {"Input", "RAW Tone Mapping", &S::raw_tone_mapping, K::kKeyword, kCatToneMapping,
       "--RAW-TONE-MAPPING"},

      {"Output", "Format", &S::output_format, K::kText},
      Depth("BMP BPP", &S::bmp_bpp, "--BMP-BPP"),
      {"Output", "BMP Compression", &S::bmp_compression, K::kKeyword, kCatCompression,
       "--BMP-COMPRESSION"},
      {"Output", "BMP Color Table", &S::bmp_color_table, K::kKeyword, kCatBmpColorTable,
       "--BMP-COLOR-TABLE"},
      Depth("DDS BPP", &S::dds_bpp, "--DDS-BPP"),
      Depth("EXR BPP", &S::exr_bpp, "--EXR-BPP"),
      {"Output", "EXR Compression", &S::exr_compression, K::kKeyword, kCatCompression,
       "--EXR-COMPRESSION"},
      Depth("GIF BPP", &S::gif_bpp, "--GIF-BPP"),
      Depth("HDR BPP", &S::hdr_bpp, "--HDR-BPP"),
      Depth("ICO BPP", &S::ico_bpp, "--ICO-BPP"),
      Depth("J2K BPP", &S::j2k_bpp, "--J2K-BPP"),
      Depth("JNG BPP", &S::jng_bpp, "--JNG-BPP"),
      Depth("JP2 BPP", &S::jp2_bpp, "--JP2-BPP"),
      Depth("JPG BPP", &S::jpg_bpp, "--JPG-BPP"),
      {"Output", "JPG Quality", &S::jpg_quality, K::kInt, -1, "--JPG-QUALITY"},
      {"Output", "JPG Chroma", &S::jpg_chroma, K::kKeyword, kCatJpgChroma, "--JPG-CHROMA"},
      {"Output", "JPG Save As", &S::jpg_save_as, K::kKeyword, kCatJpgSaveAs, "--JPG-SAVE-AS"},
      Depth("JXR BPP", &S::jxr_bpp, "--JXR-BPP"),
      Depth("PBM BPP", &S::pbm_bpp, "--PBM-BPP"),
      Depth("PCX BPP", &S::pcx_bpp, "--PCX-BPP"),
      Depth("PFM BPP", &S::pfm_bpp, "--PFM-BPP"),
      Depth("PGM BPP", &S::pgm_bpp, "--PGM-BPP"),
      Depth("PNG BPP", &S::png_bpp, "--PNG-BPP"),
      {"Output", "PNG Compression", &S::png_compression, K::kKeyword, kCatCompression,
       "--PNG-COMPRESSION"},
      {"Output", "PNG Interlaced", &S::png_interlaced, K::kFlag, -1, "--PNG-INTERLACED"},
      Depth("PPM BPP", &S::ppm_bpp, "--PPM-BPP"),
      Depth("PSD BPP", &S::psd_bpp, "--PSD-BPP"),
      Depth("TGA BPP", &S::tga_bpp, "--TGA-BPP"),
      {"Output", "TGA Compression", &S::tga_compression, K::kKeyword, kCatCompression,
       "--TGA-COMPRESSION"},
      Depth("TIFF BPP", &S::tiff_bpp, "--TIFF-BPP"),
      {"Output", "TIFF Compression", &S::tiff_compression, K::kKeyword, kCatCompression,
       "--TIFF-COMPRESSION"},
      {"Output", "TIFF Color Model", &S::tiff_color_model, K::kKeyword, kCatTiffColorModel,
       "--TIFF-COLOR-MODEL"},
      Depth("WBMP BPP", &S::wbmp_bpp, "--WBMP-BPP"),
      Depth("WEBP BPP", &S::webp_bpp, "--WEBP-BPP"),
      Depth("XPM BPP", &S::xpm_bpp, "--XPM-BPP"),

      {"Transform", "Do Image Rotation", &S::do_rotation, K::kFlag},
      {"Transform", "Image Rotation Type", &S::rotation_type, K::kKeyword, kCatRotationType,
       "--ROTATION-TYPE"},
      {"Transform", "Image Rotation", &S::rotation, K::kInt, -1, "--ROTATION", kRotationOn},
      {"Transform", "Image Rotation Back Color", &S::rotation_back_color, K::kText, -1,
       "--ROTATION-BACK-COLOR"},
      {"Transform", "Do Image Resize", &S::do_resize, K::kFlag},
      {"Transform", "Image Width", &S::width, K::kInt, -1, "--WIDTH", kResizeOn},
      {"Transform", "Image Width Unit", &S::width_unit, K::kKeyword, kCatSizeUnit,
       "--WIDTH-UNIT"},
      {"Transform", "Image Height", &S::height, K::kInt, -1, "--HEIGHT", kResizeOn},
      {"Transform", "Image Height Unit", &S::height_unit, K::kKeyword, kCatSizeUnit,
       "--HEIGHT-UNIT"},
      {"Transform", "Keep Aspect Ratio", &S::keep_aspect_ratio, K::kFlag, -1,
       "--KEEP-ASPECT-RATIO"},
      {"Transform", "Image Resize Type", &S::resize_type, K::kKeyword, kCatResizeType,
       "--RESIZE-TYPE"},
      {"Transform", "Image Resize Algorithm", &S::resize_algorithm, K::kKeyword,
       kCatResizeAlgorithm, "--RESIZE-ALGORITHM"},
      {"Transform", "Do Image Flip Horizontal", &S::flip_horizontal, K::kFlag, -1,
       "--FLIP-HORIZONTAL"},
      {"Transform", "Do Image Flip Vertical", &S::flip_vertical, K::kFlag, -1,
       "--FLIP-VERTICAL"},

      {"Adjustment", "Do Image Color Correction", &S::do_color_correction, K::kFlag},
      {"Adjustment", "Image Brightness", &S::brightness, K::kInt, -1, "--BRIGHTNESS", kColorOn},
      {"Adjustment", "Image Contrast", &S::contrast, K::kInt, -1, "--CONTRAST", kColorOn},
      {"Adjustment", "Image Gamma", &S::gamma, K::kReal, -1, "--GAMMA", kColorOn},
      {"Adjustment", "Image Invert", &S::invert, K::kFlag, -1, "--INVERT", kColorOn},
      {"Adjustment", "Do Image Greyscale", &S::greyscale, K::kFlag, -1, "--GREYSCALE"},
      {"Adjustment", "Do Image Threshold", &S::do_threshold, K::kFlag},
      {"Adjustment", "Image Threshold", &S::threshold, K::kInt, -1, "--THRESHOLD", kThresholdOn},

      {"Frame", "Do Frame", &S::do_frame, K::kFlag},
      {"Frame", "Solid Left", &S::fr_solid_left, K::kInt, -1, "--FR-SOLID-LEFT", kFrameOn},
      {"Frame", "Solid Right", &S::fr_solid_right, K::kInt, -1, "--FR-SOLID-RIGHT", kFrameOn},
      {"Frame", "Solid Top", &S::fr_solid_top, K::kInt, -1, "--FR-SOLID-TOP", kFrameOn},
      {"Frame", "Solid Bottom", &S::fr_solid_bottom, K::kInt, -1, "--FR-SOLID-BOTTOM",
       kFrameOn},
      {"Frame", "Solid Left Color", &S::fr_solid_left_color, K::kText, -1,
       "--FR-SOLID-LEFT-COLOR"},
      {"Frame", "Solid Right Color", &S::fr_solid_right_color, K::kText, -1,
       "--FR-SOLID-RIGHT-COLOR"},
      {"Frame", "Solid Top Color", &S::fr_solid_top_color, K::kText, -1,
       "--FR-SOLID-TOP-COLOR"},
      {"Frame", "Solid Bottom Color", &S::fr_solid_bottom_color, K::kText, -1,
       "--FR-SOLID-BOTTOM-COLOR"},
      {"Frame", "Solid Opacity", &S::fr_solid_opacity, K::kInt, -1, "--FR-SOLID-OPACITY", {}, 1,
       "--WM-SOLID-OPACITY"},

      {"Watermark", "Do Watermark", &S::do_watermark, K::kInt},
      {"Watermark", "Text", &S::wm_text, K::kText, -1, "--WM-TEXT", kTextMark},
      {"Watermark", "Fonts", &S::fonts, K::kText},
      {"Watermark", "Font", &S::wm_font, K::kText, -1, "--WM-FONT"},
      {"Watermark", "Font Size", &S::wm_font_size, K::kInt, -1, "--WM-FONT-SIZE"},
      {"Watermark", "Font Leading", &S::wm_font_leading, K::kInt, -1, "--WM-FONT-LEADING"},
      {"Watermark", "Font Colors", &S::font_colors, K::kText},
      {"Watermark", "Font Color", &S::wm_font_color, K::kText, -1, "--WM-FONT-COLOR"},
      {"Watermark", "Font Style", &S::wm_font_style, K::kKeyword, kCatFontStyle,
       "--WM-FONT-STYLE"},
      {"Watermark", "Font Effect", &S::wm_font_effect, K::kKeyword, kCatFontEffect,
       "--WM-FONT-EFFECT"},
      {"Watermark", "Text Antialiasing", &S::wm_text_antialiasing, K::kFlag, -1,
       "--WM-TEXT-ANTIALIASING"},
      {"Watermark", "Text Alignment", &S::wm_text_alignment, K::kKeyword, kCatTextAlignment,
       "--WM-TEXT-ALIGNMENT"},
      {"Watermark", "Text Padding", &S::wm_text_padding, K::kInt, -1, "--WM-TEXT-PADDING"},
      {"Watermark", "Text Opacity", &S::wm_text_opacity, K::kInt, -1, "--WM-TEXT-OPACITY"},
      {"Watermark", "Back Colors", &S::back_colors, K::kText},
      {"Watermark", "Back Color", &S::wm_back_color, K::kText, -1, "--WM-BACK-COLOR"},
      {"Watermark", "Back Opacity", &S::wm_back_opacity, K::kInt, -1, "--WM-BACK-OPACITY"},
      {"Watermark", "Text Boundary", &S::wm_text_boundary, K::kKeyword, kCatBoundary,
       "--WM-TEXT-BOUNDARY"},
      {"Watermark", "Text Position", &S::wm_text_position, K::kKeyword, kCatPosition,
       "--WM-TEXT-POSITION"},
      {"Watermark", "Text X Offset", &S::wm_text_x_offset, K::kInt, -1, "--WM-TEXT-X-OFFSET"},
      {"Watermark", "Text Y Offset", &S::wm_text_y_offset, K::kInt, -1, "--WM-TEXT-Y-OFFSET"},
      {"Watermark", "Text Rotation", &S::wm_text_rotation, K::kInt, -1, "--WM-TEXT-ROTATION"},
      {"Watermark", "Text Size", &S::wm_text_size, K::kKeyword, kCatSizeMode, "--WM-TEXT-SIZE"},
      {"Watermark", "Text Scale", &S::text_scale, K::kInt},
      {"Watermark", "Image", &S::wm_image, K::kText, -1, "--WM-IMAGE", kImageMark},
      {"Watermark", "Image Greyscale", &S::wm_image_greyscale, K::kFlag, -1,
       "--WM-IMAGE-GREYSCALE"},
      {"Watermark", "Image Opacity", &S::wm_image_opacity, K::kInt, -1, "--WM-IMAGE-OPACITY"},
      {"Watermark", "Image Boundary", &S::wm_image_boundary, K::kKeyword, kCatBoundary,
       "--WM-IMAGE-BOUNDARY"},
      {"Watermark", "Image Position", &S::wm_image_position, K::kKeyword, kCatPosition,
       "--WM-IMAGE-POSITION"},
      {"Watermark", "Image X Offset", &S::wm_image_x_offset, K::kInt, -1, "--WM-IMAGE-X-OFFSET"},
      {"Watermark", "Image Y Offset", &S::wm_image_y_offset, K::kInt, -1, "--WM-IMAGE-Y-OFFSET"},
      {"Watermark", "Image Rotation", &S::wm_image_rotation, K::kInt, -1, "--WM-IMAGE-ROTATION"},
      {"Watermark", "Image Size", &S::wm_image_size, K::kKeyword, kCatSizeMode,
       "--WM-IMAGE-SIZE"},
      {"Watermark", "Image Scale", &S::image_scale, K::kInt},

      {"Advanced", "Filename Mask", &S::filename_mask, K::kMask, -1, "--FILENAME-MASK"},
      {"Advanced", "File Timestamp", &S::file_timestamp, K::kKeyword, kCatFileTimestamp,
       "--FILE-TIMESTAMP"},
      {"Advanced", "Custom Timestamp", &S::file_timestamp_custom, K::kDate, -1,
       "--FILE-TIMESTAMP-CUSTOM"},
      {"Advanced", "Out Folders History", &S::out_folders_history, K::kFlag},
      {"Advanced", "Out Folders Number", &S::out_folders_number, K::kInt},
      {"Advanced", "Keep Subfolders", &S::keep_subfolders, K::kFlag, -1, "--NO-SUBFOLDERS", {},
       0},
      {"Advanced", "Threads", &S::threads, K::kInt, -1, "--THREADS"},
      {"File", "Recent Out Folders", &S::recent_out_folders, K::kText},
      {"File", "Recent Files", &S::recent_files, K::kText},
      {"Privacy", "Clean Recent Files", &S::clean_recent_files, K::kFlag},
  };
  return rows;
}

}  // namespace

std::span<const SettingRow> SettingsTable() { return Rows(); }

const SettingRow* FindOption(std::string_view upper_name, OptionSource source) {
  for (const SettingRow& row : Rows()) {
    if (row.option.empty()) continue;
    const std::string_view name = (source == OptionSource::kProfile && !row.profile_option.empty())
                                      ? row.profile_option
                                      : row.option;
    if (name == upper_name) return &row;
  }
  return nullptr;
}

void ApplyOptionValue(ConversionSettings& settings, const SettingRow& row, std::string_view value,
                      OptionSource source) {
  const bool profile = source == OptionSource::kProfile;
  switch (row.kind) {
    case K::kFlag:
      settings.*std::get<int S::*>(row.field) = row.switch_value;
      break;
    case K::kInt:
      settings.*std::get<int S::*>(row.field) = ParseLenientInt32(value);
      break;
    case K::kDate:
      settings.*std::get<int64_t S::*>(row.field) = ParseLenientInteger(value);
      break;
    case K::kReal:
      settings.*std::get<float S::*>(row.field) = static_cast<float>(ParseLenientReal(value));
      break;
    case K::kKeyword:
      settings.*std::get<int S::*>(row.field) = KeywordToCode(row.category, value);
      break;
    case K::kText:
      settings.*std::get<std::string S::*>(row.field) =
          std::string(profile ? TrimSpaces(value) : value);
      break;
    case K::kMask: {
      std::string_view mask = value;
      if (profile) {
        while (!mask.empty() && mask.front() == '"') mask.remove_prefix(1);
        while (!mask.empty() && mask.back() == '"') mask.remove_suffix(1);
      }
      settings.*std::get<std::string S::*>(row.field) = std::string(mask);
      break;
    }
  }
  if (row.also.flag != nullptr) settings.*row.also.flag = row.also.value;
}

std::string SettingText(const ConversionSettings& settings, const SettingRow& row,
                        SettingTextStyle style) {
  const bool listing = style == SettingTextStyle::kListing;
  return std::visit(
      [&](auto member) -> std::string {
        const auto& value = settings.*member;
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>) {
          return value;
        } else if constexpr (std::is_same_v<T, float>) {
          if (!listing && std::isinf(value)) {
            return std::string(value > 0 ? kPlusInfinityText : kMinusInfinityText);
          }
          char text[64];
          const auto end = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                         std::chars_format::fixed, listing ? 2 : 6);
          return std::string(text, end.ptr);
        } else if constexpr (std::is_same_v<T, int>) {
          return listing && row.kind == K::kKeyword ? CodeToKeyword(row.category, value)
                                                    : std::to_string(value);
        } else {
          return std::to_string(value);
        }
      },
      row.field);
}

std::string FormatOption(const ConversionSettings& settings, std::string_view option) {
  const SettingRow* row = FindOption(option, OptionSource::kCommandLine);
  return row ? SettingText(settings, *row, SettingTextStyle::kListing) : std::string();
}

namespace {
const SettingRow* DepthRow(std::string_view extension) {
  return FindOption("--" + ToUpperAscii(extension) + "-BPP", OptionSource::kCommandLine);
}
}  // namespace

int* MutableDepthSetting(ConversionSettings& settings, std::string_view extension) {
  const SettingRow* row = DepthRow(extension);
  return row ? &(settings.*std::get<int S::*>(row->field)) : nullptr;
}

std::optional<int> DepthSetting(const ConversionSettings& settings, std::string_view extension) {
  const SettingRow* row = DepthRow(extension);
  if (row == nullptr) return std::nullopt;
  return settings.*std::get<int S::*>(row->field);
}

}  // namespace tavrosine
