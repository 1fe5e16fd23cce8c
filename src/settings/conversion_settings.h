#pragma once

#include <cstdint>
#include <string>

namespace tavrosine {

// Every option of the product, conversion and interface alike. Field defaults are the
// built-in defaults; ResetSettingsToDefaults() applies the few that depend on the run.
// Keyword-valued fields hold the codes of the keyword table (keywords.h).
struct ConversionSettings {
  // General and window (desktop only).
  std::string language = "en";
  int update_range = 2;
  int64_t update_date = 0;
  int save_window_position = 1;
  int is_maximized = 0;
  int window_x = 100;
  int window_y = 100;
  int window_width = 510;
  int window_height = 330;
  std::string ui_theme = "handdrawn";
  int ui_size = 2;

  // Input.
  std::string input_format = "dds";
  int dds_load_as = 0;
  int gif_frame_loading = 0;
  int ico_frame_loading = 0;
  int tiff_frame_loading = 0;
  int raw_load_as = 0;
  int raw_header_size = 0;
  int raw_width = 0;
  int raw_height = 0;
  int raw_tone_mapping = 2;

  // Output: one depth per format (0 = automatic) and the per-format options.
  std::string output_format = "jpg";
  int bmp_bpp = 0, dds_bpp = 0, exr_bpp = 0, gif_bpp = 0, hdr_bpp = 0, ico_bpp = 0;
  int j2k_bpp = 0, jng_bpp = 0, jp2_bpp = 0, jpg_bpp = 0, jxr_bpp = 0, pbm_bpp = 0;
  int pcx_bpp = 0, pfm_bpp = 0, pgm_bpp = 0, png_bpp = 0, ppm_bpp = 0, psd_bpp = 0;
  int tga_bpp = 0, tiff_bpp = 0, wbmp_bpp = 0, webp_bpp = 0, xpm_bpp = 0;
  int bmp_compression = 0;
  int bmp_color_table = 0;
  int exr_compression = 0;
  int jpg_quality = 95;
  int jpg_chroma = 0;
  int jpg_save_as = 0;
  int png_compression = 0;
  int png_interlaced = 0;
  int tga_compression = 0;
  int tiff_compression = 0;
  int tiff_color_model = 0;

  // Transform.
  int do_rotation = 0;
  int rotation_type = 0;
  int rotation = 0;
  std::string rotation_back_color = "000000";
  int do_resize = 0;
  int width = 0;
  int width_unit = 0;
  int height = 0;
  int height_unit = 0;
  int keep_aspect_ratio = 1;
  int resize_type = 0;
  int resize_algorithm = 3;
  int flip_horizontal = 0;
  int flip_vertical = 0;

  // Adjustment.
  int do_color_correction = 0;
  int brightness = 0;
  int contrast = 0;
  float gamma = 1.0f;
  int invert = 0;
  int greyscale = 0;
  int do_threshold = 0;
  int threshold = 0;

  // Frame.
  int do_frame = 0;
  int fr_solid_left = 0, fr_solid_right = 0, fr_solid_top = 0, fr_solid_bottom = 0;
  std::string fr_solid_left_color = "000000";
  std::string fr_solid_right_color = "000000";
  std::string fr_solid_top_color = "000000";
  std::string fr_solid_bottom_color = "000000";
  int fr_solid_opacity = 255;

  // Watermark. do_watermark: 0 none, 1 text, 2 picture.
  int do_watermark = 0;
  std::string wm_text = "Converted with Zelmorith";
  std::string fonts = "Arial,Tahoma,Verdana";
  std::string wm_font = "Arial";
  int wm_font_size = 14;
  int wm_font_leading = 0;
  std::string font_colors = "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF";
  std::string wm_font_color = "FFFFFF";
  int wm_font_style = 0;
  int wm_font_effect = 0;
  int wm_text_antialiasing = 0;
  int wm_text_alignment = 0;
  int wm_text_padding = 0;
  int wm_text_opacity = 255;
  std::string back_colors = "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF";
  std::string wm_back_color = "000000";
  int wm_back_opacity = 1;
  int wm_text_boundary = 0;
  int wm_text_position = 8;
  int wm_text_x_offset = 10;
  int wm_text_y_offset = 10;
  int wm_text_rotation = 0;
  int wm_text_size = 0;
  int text_scale = 10;
  std::string wm_image;
  int wm_image_greyscale = 0;
  int wm_image_opacity = 255;
  int wm_image_boundary = 0;
  int wm_image_position = 8;
  int wm_image_x_offset = 10;
  int wm_image_y_offset = 10;
  int wm_image_rotation = 0;
  int wm_image_size = 0;
  int image_scale = 10;

  // Advanced, file and privacy.
  std::string filename_mask = "%filename%.%ext%";
  int file_timestamp = 0;
  int64_t file_timestamp_custom = 0;
  int out_folders_history = 1;
  int out_folders_number = 5;
  int keep_subfolders = 1;
  std::string recent_out_folders;
  std::string recent_files;
  int clean_recent_files = 0;

  // How many files are converted at once; 0 means one per processor core.
  int threads = 0;

  // Where the desktop front end keeps these settings; not itself a setting.
  std::string settings_file_path;
};

// Keyword codes that the engine tests by name.
enum WatermarkKind { kWatermarkNone = 0, kWatermarkText = 1, kWatermarkImage = 2 };
enum FileTimestamp { kTimestampCurrent = 0, kTimestampOriginal = 1, kTimestampCustom = 2 };

// Puts every field to its default. Console runs keep proportions off by default.
void ResetSettingsToDefaults(ConversionSettings& settings, bool console_run);

}  // namespace tavrosine
