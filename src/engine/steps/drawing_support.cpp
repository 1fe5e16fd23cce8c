#include "engine/steps/drawing_support.h"

#include <QGuiApplication>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <mutex>

namespace tavrosine {
namespace {

// QImage::Format_ARGB32 holds 0xAARRGGBB words, which on a little-endian machine are the
// bytes blue, green, red, alpha: exactly FreeImage's 32-bit pixel.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN && FI_RGBA_BLUE == 0 && FI_RGBA_ALPHA == 3);

void QuietQtMessage(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
  // Qt comments on the environment (no runtime folder, no display, font fallbacks); a console
  // batch prints only its own lines. A fatal message still explains the abort that follows.
  if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// QGuiApplication keeps argc by reference and argv for its whole life. The holder is a static
// of PrepareDrawing's, so the application is torn down at exit and takes the font
// configuration's data with it.
struct OffscreenApplication {
  int argc = 3;
  char program[10] = "tavrosine";
  char platform_option[10] = "-platform";
  char platform[10] = "offscreen";
  char* argv[4] = {program, platform_option, platform, nullptr};
  std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(argc, argv);
};

void CreateOffscreenApplication() { static OffscreenApplication offscreen; }

}  // namespace

bool PrepareDrawing() {
  static std::once_flag once;
  std::call_once(once, [] {
    qInstallMessageHandler(QuietQtMessage);
    if (QCoreApplication::instance() == nullptr) CreateOffscreenApplication();
  });
  return DrawingReady();
}

bool DrawingReady() { return qGuiApp != nullptr; }

QImage NewCanvas(int64_t width, int64_t height) {
  constexpr int64_t kMaxSide = std::numeric_limits<int>::max();
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return {};
  QImage canvas(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
  if (!canvas.isNull()) canvas.fill(Qt::transparent);
  return canvas;
}

int ClampAlpha(int value) { return std::clamp(value, 0, 255); }

QColor ToQColor(RgbColor color, int alpha) {
  return QColor(color.red, color.green, color.blue, ClampAlpha(alpha));
}

void ScaleAlpha(QImage& canvas, int opacity) {
  const int scale = ClampAlpha(opacity);
  if (scale == 255) return;
  for (int y = 0; y < canvas.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
    for (int x = 0; x < canvas.width(); ++x) {
      const QRgb pixel = line[x];
      line[x] =
          qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), (qAlpha(pixel) * scale + 127) / 255);
    }
  }
}

Bitmap CanvasToBitmap(const QImage& canvas) {
  if (canvas.isNull()) return nullptr;
  const QImage straight = canvas.convertToFormat(QImage::Format_ARGB32);
  if (straight.isNull()) return nullptr;
  // FreeImage only reads the bits; its signature just lacks the const.
  auto* bits = const_cast<BYTE*>(straight.constBits());
  return AdoptBitmap(FreeImage_ConvertFromRawBits(
      bits, straight.width(), straight.height(), static_cast<int>(straight.bytesPerLine()), 32,
      FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK, TRUE));
}

}  // namespace tavrosine
