#include "engine/steps/frame.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdint>

#include "engine/steps/drawing_support.h"

namespace tavrosine {
namespace {

constexpr int kSolidFrame = 1;

struct Band {
  int64_t width;
  QColor color;
};

QPainterPath Polygon(std::initializer_list<QPointF> corners) {
  QPainterPath path;
  path.moveTo(*corners.begin());
  for (auto corner = corners.begin() + 1; corner != corners.end(); ++corner) path.lineTo(*corner);
  path.closeSubpath();
  return path;
}

// A band can cover at most the whole image; clamping keeps absurd widths from overflowing the
// corner arithmetic or reaching the rasteriser as huge coordinates.
Band ReadBand(int width, const std::string& color, int64_t limit) {
  return {std::clamp<int64_t>(width, 0, limit), ToQColor(ParseHexColor(color), 255)};
}

// The four bands meet in mitred corners:
//
//   +--------------------------+
//   |\          top           /|
//   | \______________________/ |
//   |  |                    |  |
//   |l |                    | r|
//   |  |____________________|  |
//   | /        bottom        \ |
//   |/                        \|
//   +--------------------------+
//
// The corner boxes go down first so that anti-aliasing along the diagonals never lets the
// picture show through between two bands.
void DrawFrame(QImage& canvas, const ConversionSettings& settings) {
  const int64_t w = canvas.width();
  const int64_t h = canvas.height();
  const Band left = ReadBand(settings.fr_solid_left, settings.fr_solid_left_color, w);
  const Band right = ReadBand(settings.fr_solid_right, settings.fr_solid_right_color, w);
  const Band top = ReadBand(settings.fr_solid_top, settings.fr_solid_top_color, h);
  const Band bottom = ReadBand(settings.fr_solid_bottom, settings.fr_solid_bottom_color, h);
  const auto l = static_cast<qreal>(left.width);
  const auto r = static_cast<qreal>(right.width);
  const auto t = static_cast<qreal>(top.width);
  const auto b = static_cast<qreal>(bottom.width);
  const auto fw = static_cast<qreal>(w);
  const auto fh = static_cast<qreal>(h);

  QPainter painter(&canvas);
  if (!painter.isActive()) return;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.fillRect(QRectF(0, 0, l, t), top.color);
  painter.fillRect(QRectF(fw - r, 0, r, t), right.color);
  painter.fillRect(QRectF(fw - r, fh - b, r, b), bottom.color);
  painter.fillRect(QRectF(0, fh - b, l, b), left.color);
  painter.fillPath(Polygon({{0, 0}, {fw, 0}, {fw - r, t}, {l, t}}), top.color);
  painter.fillPath(Polygon({{fw, 0}, {fw, fh}, {fw - r, fh - b}, {fw - r, t}}), right.color);
  painter.fillPath(Polygon({{fw, fh}, {0, fh}, {l, fh - b}, {fw - r, fh - b}}), bottom.color);
  painter.fillPath(Polygon({{0, fh}, {0, 0}, {l, t}, {l, fh - b}}), left.color);
}

}  // namespace

Bitmap ApplyFrame(Bitmap image, const ConversionSettings& settings) {
  if (!image || settings.do_frame == 0) return image;
  if (Bpp(image) != 24) {
    image = AdoptBitmap(FreeImage_ConvertTo24Bits(image.get()));
    if (!image) return image;
  }
  if (settings.do_frame != kSolidFrame) return image;

  QImage canvas = NewCanvas(Width(image), Height(image));
  if (canvas.isNull()) return image;
  DrawFrame(canvas, settings);
  ScaleAlpha(canvas, settings.fr_solid_opacity);
  const Bitmap layer = CanvasToBitmap(canvas);
  if (!layer) return image;
  return AdoptBitmap(FreeImage_Composite(layer.get(), FALSE, nullptr, image.get()));
}

}  // namespace tavrosine
