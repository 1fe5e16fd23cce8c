#pragma once

#include <QFont>
#include <memory>
#include <string>

#include "settings/conversion_settings.h"

namespace tavrosine {

// The font a text watermark is drawn with, checked and resolved once per batch before
// converting. It holds a description rather than a QFont: a QFont caches per-thread engine
// data behind its shared private part, so each drawing call builds its own.
struct WatermarkFont {
  std::string family;  // the installed family the face resolved to
  int pixel_size = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
};

// Face sizes the check accepts, in points. Beyond these a single glyph, and the canvas around a
// line of them, would take hundreds of megabytes.
inline constexpr int kMinFontPoints = 1;
inline constexpr int kMaxFontPoints = 1000;

// Loads face WM-FONT at WM-FONT-SIZE points with the style and effect flags; null when the
// face matches no installed family and no configured alias, or the size is out of range.
// Call on the main thread: it prepares Qt's drawing (PrepareDrawing) first.
std::shared_ptr<const WatermarkFont> LoadWatermarkFont(const ConversionSettings& settings);

// A fresh QFont for one drawing call. Raster text is drawn without anti-aliasing.
QFont MakeQFont(const WatermarkFont& font, bool antialiased);

}  // namespace tavrosine
