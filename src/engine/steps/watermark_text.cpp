#include "engine/steps/watermark_text.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/text.h"
#include "engine/output_naming.h"
#include "engine/steps/drawing_support.h"
#include "engine/steps/hex_color.h"

namespace tavrosine {
namespace {

constexpr int kAlignLeft = 0;
constexpr int kAlignCenter = 1;
constexpr int kAlignRight = 2;
constexpr int64_t kMinMultiLineSide = 10;

bool FitsCanvasBudget(const TextBlock& block) {
  return block.width > 0 && block.height > 0 && block.width <= kMaxTextBoxPixels &&
         block.height <= kMaxTextBoxPixels && block.width * block.height <= kMaxTextBoxPixels;
}

void DrawLines(QImage& canvas, const QFont& font, const QColor& color, const QStringList& lines,
               const TextBlock& block, QPainter::CompositionMode mode) {
  QPainter painter(&canvas);
  if (!painter.isActive()) return;
  const bool antialiased = font.styleStrategy() != QFont::NoAntialias;
  painter.setRenderHint(QPainter::Antialiasing, antialiased);
  painter.setRenderHint(QPainter::TextAntialiasing, antialiased);
  painter.setCompositionMode(mode);
  painter.setFont(font);
  painter.setPen(color);
  const int ascent = QFontMetrics(font).ascent();
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QPoint origin = block.origins[static_cast<size_t>(i)];
    painter.drawText(QPoint(origin.x(), origin.y() + ascent), lines[i]);
  }
}

}  // namespace

std::string ExpandWatermarkText(const std::string& text, const FileContext& file,
                                std::string_view output_extension) {
  if (std::count(text.begin(), text.end(), '%') < 2) return text;
  std::string expanded = text;
  for (const std::string_view placeholder : MaskPlaceholders()) {
    if (!ContainsIgnoringCase(text, placeholder)) continue;
    expanded = ReplaceAllIgnoringCase(expanded, placeholder,
                                      PlaceholderValue(placeholder, file, output_extension));
  }
  return expanded;
}

QStringList SplitWatermarkLines(const QString& text) {
  return text.split(QStringLiteral("%eol%"), Qt::KeepEmptyParts, Qt::CaseInsensitive);
}

int64_t AlignedLineX(const ConversionSettings& settings, int64_t line_width, int64_t box_width) {
  switch (settings.wm_text_alignment) {
    case kAlignLeft:
      return settings.wm_text_padding;
    case kAlignCenter:
      return std::llround((box_width - line_width) / 2.0);
    case kAlignRight:
      return box_width - line_width - settings.wm_text_padding;
    default:
      return 0;
  }
}

TextBlock LayOutTextBlock(const std::vector<int64_t>& box_widths, int64_t line_height,
                          const std::vector<int64_t>& place_widths,
                          const ConversionSettings& settings) {
  const int64_t padding = settings.wm_text_padding;
  TextBlock block;
  if (box_widths.size() <= 1) {
    block.width = (box_widths.empty() ? 0 : box_widths.front()) + 2 * padding;
    block.height = line_height + 2 * padding;
    block.origins.emplace_back(static_cast<int>(padding), static_cast<int>(padding));
    return block;
  }
  const int64_t widest = *std::max_element(box_widths.begin(), box_widths.end());
  const int64_t tallest = std::max(kMinMultiLineSide, line_height);
  const int64_t step = tallest + settings.wm_font_leading;
  const auto separators = static_cast<int64_t>(box_widths.size()) - 1;
  block.width = std::max(kMinMultiLineSide, widest) + 2 * padding;
  block.height = tallest + separators * step + 2 * padding;
  for (size_t i = 0; i < place_widths.size(); ++i) {
    const int64_t x = AlignedLineX(settings, place_widths[i], block.width);
    const int64_t y = padding + static_cast<int64_t>(i) * step;
    block.origins.emplace_back(static_cast<int>(x), static_cast<int>(y));
  }
  return block;
}

QImage RenderTextWatermark(const QString& text, const WatermarkFont& font,
                           const ConversionSettings& settings) {
  const bool antialiased = settings.wm_text_antialiasing != 0;
  const QFont raster_font = MakeQFont(font, false);
  const QFont draw_font = antialiased ? MakeQFont(font, true) : raster_font;
  const QStringList lines = SplitWatermarkLines(text);

  // The box always comes from the raster metrics; anti-aliased lines are aligned by their
  // (rounded) vector widths.
  const QFontMetrics raster_metrics(raster_font);
  const QFontMetricsF vector_metrics(draw_font);
  std::vector<int64_t> box_widths;
  std::vector<int64_t> place_widths;
  for (const QString& line : lines) {
    box_widths.push_back(raster_metrics.horizontalAdvance(line));
    place_widths.push_back(antialiased ? std::llround(vector_metrics.horizontalAdvance(line))
                                       : box_widths.back());
  }
  const TextBlock block =
      LayOutTextBlock(box_widths, raster_metrics.height(), place_widths, settings);
  if (!FitsCanvasBudget(block)) return {};

  const RgbColor font_color = ParseHexColor(settings.wm_font_color);
  const RgbColor back_color = ParseHexColor(settings.wm_back_color);
  QImage canvas = NewCanvas(block.width, block.height);
  if (canvas.isNull()) return {};
  if (!antialiased) {
    // Colour and alpha are written as they are, text over box, with no blending.
    canvas.fill(ToQColor(back_color, settings.wm_back_opacity));
    DrawLines(canvas, raster_font, ToQColor(font_color, settings.wm_text_opacity), lines, block,
              QPainter::CompositionMode_Source);
    return canvas;
  }
  DrawLines(canvas, draw_font, ToQColor(font_color, 255), lines, block,
            QPainter::CompositionMode_SourceOver);
  ScaleAlpha(canvas, settings.wm_text_opacity);
  QImage result = NewCanvas(block.width, block.height);
  if (result.isNull()) return {};
  result.fill(ToQColor(back_color, settings.wm_back_opacity));
  QPainter painter(&result);
  if (!painter.isActive()) return {};
  painter.drawImage(0, 0, canvas);
  painter.end();
  return result;
}

}  // namespace tavrosine
