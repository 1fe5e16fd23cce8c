#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_context.h"
#include "engine/steps/watermark_font.h"
#include "settings/conversion_settings.h"

namespace tavrosine {

// The largest text box drawn, in pixels. A larger one (a huge padding or leading, a very long
// line) is not drawn at all rather than allocating gigabytes of canvas.
inline constexpr int64_t kMaxTextBoxPixels = int64_t{1} << 25;

// WM-TEXT with the placeholders of the file name mask filled in for this file. A placeholder
// is looked for in WM-TEXT as written, so a value brought in by an earlier one (a file named
// a%n%.dds) is not expanded again unless the text itself uses that placeholder.
std::string ExpandWatermarkText(const std::string& text, const FileContext& file,
                                std::string_view output_extension);

// The lines between the "%eol%" separators, found without regard to case.
QStringList SplitWatermarkLines(const QString& text);

// Where a line of line_width pixels starts in a box of box_width, by WM-TEXT-ALIGNMENT.
int64_t AlignedLineX(const ConversionSettings& settings, int64_t line_width, int64_t box_width);

struct TextBlock {
  int64_t width = 0;  // the box, padding included
  int64_t height = 0;
  std::vector<QPoint> origins;  // top-left corner of each line's text
};

// Lays out lines measured as box_widths × line_height in a box with WM-TEXT-PADDING; each line
// is aligned by its entry of place_widths. Several lines keep the box at least 10 × 10 before
// padding and stand line_height (or 10) + WM-FONT-LEADING apart.
TextBlock LayOutTextBlock(const std::vector<int64_t>& box_widths, int64_t line_height,
                          const std::vector<int64_t>& place_widths,
                          const ConversionSettings& settings);

// Draws the lines on a straight-alpha canvas: raster text written straight onto the background
// colour, or anti-aliased text blended over it (WM-TEXT-ANTIALIASING). Null when nothing can be
// drawn (empty or oversized box).
QImage RenderTextWatermark(const QString& text, const WatermarkFont& font,
                           const ConversionSettings& settings);

}  // namespace tavrosine
