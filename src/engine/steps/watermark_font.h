#pragma once

#include <memory>

#include "settings/conversion_settings.h"

namespace tavrosine {

// The font a text watermark is drawn with, loaded once per batch before converting.
struct WatermarkFont;

// Loads face WM-FONT at WM-FONT-SIZE points with the style and effect flags; null when
// the face matches no installed family and no configured alias.
std::shared_ptr<const WatermarkFont> LoadWatermarkFont(const ConversionSettings& settings);

}  // namespace tavrosine
