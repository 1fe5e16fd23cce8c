#include "engine/steps/watermark_placement.h"

namespace tavrosine {
namespace {

constexpr int kFrameBoundary = 1;

enum Position {
  kTopLeft = 0,
  kTopCenter,
  kTopRight,
  kMiddleLeft,
  kMiddleCenter,
  kMiddleRight,
  kBottomLeft,
  kBottomCenter,
  kBottomRight,
};

// The area the watermark lives in: the whole image, or the part the frame's bands leave.
struct Area {
  int64_t left;
  int64_t top;
  int64_t width;
  int64_t height;
};

Area BoundaryArea(const WatermarkPlacement& placement, int64_t image_width, int64_t image_height) {
  if (!placement.inside_frame) return {0, 0, image_width, image_height};
  return {placement.frame_left, placement.frame_top,
          image_width - (int64_t{placement.frame_left} + placement.frame_right),
          image_height - (int64_t{placement.frame_top} + placement.frame_bottom)};
}

}  // namespace

WatermarkPlacement PlacementFor(const ConversionSettings& settings) {
  const bool text = settings.do_watermark == kWatermarkText;
  WatermarkPlacement placement;
  placement.position = text ? settings.wm_text_position : settings.wm_image_position;
  placement.offset_x = text ? settings.wm_text_x_offset : settings.wm_image_x_offset;
  placement.offset_y = text ? settings.wm_text_y_offset : settings.wm_image_y_offset;
  placement.rotation = text ? settings.wm_text_rotation : settings.wm_image_rotation;
  const int boundary = text ? settings.wm_text_boundary : settings.wm_image_boundary;
  placement.inside_frame = settings.do_frame != 0 && boundary == kFrameBoundary;
  placement.frame_left = settings.fr_solid_left;
  placement.frame_right = settings.fr_solid_right;
  placement.frame_top = settings.fr_solid_top;
  placement.frame_bottom = settings.fr_solid_bottom;
  return placement;
}

WatermarkSize FittedSize(const WatermarkPlacement& placement, int64_t image_width,
                         int64_t image_height, int64_t width, int64_t height) {
  const Area area = BoundaryArea(placement, image_width, image_height);
  if (width + placement.offset_x > area.width) width = area.width - placement.offset_x;
  if (height + placement.offset_y > area.height) height = area.height - placement.offset_y;
  return {width, height};
}

WatermarkOrigin PlaceWatermark(const WatermarkPlacement& placement, int64_t image_width,
                               int64_t image_height, int64_t width, int64_t height) {
  const Area area = BoundaryArea(placement, image_width, image_height);
  const int64_t ox = placement.offset_x;
  const int64_t oy = placement.offset_y;
  // A centred axis ignores its offset; the others move away from the edge they hang on.
  const int64_t left = ox;
  const int64_t centre_x = (area.width - width) / 2;
  const int64_t right = area.width - width - ox;
  const int64_t top = oy;
  const int64_t middle_y = (area.height - height) / 2;
  const int64_t bottom = area.height - height - oy;
  WatermarkOrigin origin{0, 0};
  switch (placement.position) {
    case kTopLeft:
      origin = {left, top};
      break;
    case kTopCenter:
      origin = {centre_x, top};
      break;
    case kTopRight:
      origin = {right, top};
      break;
    case kMiddleLeft:
      origin = {left, middle_y};
      break;
    case kMiddleCenter:
      origin = {centre_x, middle_y};
      break;
    case kMiddleRight:
      origin = {right, middle_y};
      break;
    case kBottomLeft:
      origin = {left, bottom};
      break;
    case kBottomCenter:
      origin = {centre_x, bottom};
      break;
    case kBottomRight:
      origin = {right, bottom};
      break;
    default:
      break;
  }
  return {origin.x + area.left, origin.y + area.top};
}

}  // namespace tavrosine
