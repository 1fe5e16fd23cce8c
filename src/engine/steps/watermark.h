#pragma once

#include "engine/bitmap.h"
#include "engine/file_context.h"
#include "engine/steps/watermark_font.h"
#include "settings/conversion_settings.h"

namespace tavrosine {

// What the watermark needs besides the settings: the file in hand (its placeholders)
// and the batch's font.
struct WatermarkContext {
  const FileContext& file;
  const WatermarkFont* font = nullptr;
  std::string output_extension;
};

// Lays the text or picture watermark over the image; the result is 24-bit whenever a
// watermark is on. Returns the image that continues.
Bitmap ApplyWatermark(Bitmap image, const ConversionSettings& settings,
                      const WatermarkContext& context);

}  // namespace tavrosine
