#include "engine/steps/watermark_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <cmath>

#include "engine/steps/drawing_support.h"
#include "platform/font_aliases.h"

namespace tavrosine {
namespace {

constexpr int kBold = 1;
constexpr int kItalic = 2;
constexpr int kBoldItalic = 3;
constexpr int kUnderline = 1;
constexpr int kStrikeOut = 2;

// Sizes are points at the 96 dots per inch the product has always drawn with; a fixed pixel
// size keeps the text the same whatever screen (if any) Qt believes in.
int PointsToPixels(int points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QString ResolvedFamily(const QString& face) { return QFontInfo(QFont(face)).family(); }

// A face is usable when it is an installed family, or when the font configuration names an
// installed family in its place (Arial → Liberation Sans on Debian). A name it knows nothing
// about only gets the generic fallback, and is refused.
bool IsKnownFace(const QString& face) {
  const QStringList installed = QFontDatabase::families();
  if (installed.contains(face, Qt::CaseInsensitive)) return true;
  for (const std::string& alias : ConfiguredFaceAliases(face.toStdString())) {
    if (installed.contains(QString::fromStdString(alias), Qt::CaseInsensitive)) return true;
  }
  return false;
}

}  // namespace

std::shared_ptr<const WatermarkFont> LoadWatermarkFont(const ConversionSettings& settings) {
  if (!PrepareDrawing()) return nullptr;
  const QString face = QString::fromStdString(settings.wm_font).trimmed();
  if (face.isEmpty() || !IsKnownFace(face)) return nullptr;
  if (settings.wm_font_size < kMinFontPoints || settings.wm_font_size > kMaxFontPoints) {
    return nullptr;
  }
  WatermarkFont font;
  font.family = ResolvedFamily(face).toStdString();
  font.pixel_size = PointsToPixels(settings.wm_font_size);
  font.bold = settings.wm_font_style == kBold || settings.wm_font_style == kBoldItalic;
  font.italic = settings.wm_font_style == kItalic || settings.wm_font_style == kBoldItalic;
  font.underline = settings.wm_font_effect == kUnderline;
  font.strike_out = settings.wm_font_effect == kStrikeOut;
  return std::make_shared<const WatermarkFont>(std::move(font));
}

QFont MakeQFont(const WatermarkFont& font, bool antialiased) {
  QFont qfont(QString::fromStdString(font.family));
  qfont.setPixelSize(font.pixel_size);
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  qfont.setStrikeOut(font.strike_out);
  qfont.setStyleStrategy(antialiased ? QFont::PreferAntialias : QFont::NoAntialias);
  return qfont;
}

}  // namespace tavrosine
