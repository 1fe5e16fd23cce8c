#include "engine/steps/watermark_font.h"

namespace tavrosine {

struct WatermarkFont {};

std::shared_ptr<const WatermarkFont> LoadWatermarkFont(const ConversionSettings& /*settings*/) {
  return std::make_shared<const WatermarkFont>();
}

}  // namespace tavrosine
