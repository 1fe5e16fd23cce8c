#pragma once

#include <cstdint>

#include "settings/conversion_settings.h"

namespace tavrosine {

// Where a watermark goes: the settings of the kind in hand (text or picture).
struct WatermarkPlacement {
  int position = 8;
  int offset_x = 10;
  int offset_y = 10;
  int rotation = 0;
  // With the FRAME boundary and a frame on, the watermark keeps inside the frame's bands.
  bool inside_frame = false;
  int frame_left = 0;
  int frame_right = 0;
  int frame_top = 0;
  int frame_bottom = 0;
};

WatermarkPlacement PlacementFor(const ConversionSettings& settings);

struct WatermarkSize {
  int64_t width;
  int64_t height;
};

struct WatermarkOrigin {
  int64_t x;
  int64_t y;
};

// The size a w × h watermark keeps on a W × H image: cut at the right and bottom so that it
// ends by the boundary, its offset away. The result may be empty or negative when the offset
// alone reaches past the boundary.
WatermarkSize FittedSize(const WatermarkPlacement& placement, int64_t image_width,
                         int64_t image_height, int64_t width, int64_t height);

// The top-left corner of a w × h watermark on a W × H image, by position and offsets.
WatermarkOrigin PlaceWatermark(const WatermarkPlacement& placement, int64_t image_width,
                               int64_t image_height, int64_t width, int64_t height);

}  // namespace tavrosine
