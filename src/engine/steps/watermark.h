#pragma once

#include <string>

#include "engine/bitmap.h"
#include "engine/file_context.h"
#include "engine/steps/watermark_font.h"
#include "engine/steps/watermark_placement.h"
#include "settings/conversion_settings.h"

namespace tavrosine {

// What the watermark needs besides the settings: the file in hand (its placeholders; the
// depth it will be written with, its counter and random number) and the batch's font.
struct WatermarkContext {
  const FileContext& file;
  const WatermarkFont* font = nullptr;
  std::string output_extension;
};

// Lays the text or picture watermark over the image; the result is 24-bit whenever a
// watermark is on. Returns the image that continues. Safe to run on several threads at once
// for different images once PrepareDrawing (or LoadWatermarkFont) has run on the main thread.
Bitmap ApplyWatermark(Bitmap image, const ConversionSettings& settings,
                      const WatermarkContext& context);

// Turns a rendered watermark by `angle` degrees (1 … 359); the corners it uncovers stay
// transparent. Other angles leave it.
Bitmap RotateWatermark(Bitmap watermark, int angle);

// Cuts the watermark so that it fits its boundary on a W × H image (see FittedSize). Null when
// nothing of it fits.
Bitmap FitWatermark(Bitmap watermark, const WatermarkPlacement& placement, int64_t image_width,
                    int64_t image_height);

}  // namespace tavrosine
