#include "engine/steps/watermark_picture.h"

#include <QImageReader>

#include "engine/steps/drawing_support.h"

namespace tavrosine {

QRgb GreyFilter(QRgb color) {
  const int grey = (77 * qRed(color) + 150 * qGreen(color) + 29 * qBlue(color)) >> 8;
  return qRgba(grey, grey, grey, qAlpha(color));
}

QImage RenderPictureWatermark(const ConversionSettings& settings) {
  QImageReader reader(QString::fromStdString(settings.wm_image));
  QImage canvas = reader.read();
  if (canvas.isNull()) return {};
  // A picture without alpha comes out opaque, so at full opacity it covers its rectangle.
  canvas.convertTo(QImage::Format_ARGB32);
  if (canvas.isNull()) return {};
  if (settings.wm_image_greyscale == 1) {
    for (int y = 0; y < canvas.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
      for (int x = 0; x < canvas.width(); ++x) line[x] = GreyFilter(line[x]);
    }
  }
  // Written with colour and alpha as they are, at the constant opacity: nothing underneath
  // shows through, only the alpha shrinks.
  ScaleAlpha(canvas, settings.wm_image_opacity);
  return canvas;
}

}  // namespace tavrosine
