#include "engine/steps/dds_channel_order.h"

namespace tavrosine {

Bitmap ApplyDdsChannelOrder(Bitmap image, const ConversionSettings& /*settings*/) { return image; }

}  // namespace tavrosine
