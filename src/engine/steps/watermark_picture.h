#pragma once

#include <QImage>
#include <QRgb>

#include "settings/conversion_settings.h"

namespace tavrosine {

// The grey a picture pixel turns into with WM-IMAGE-GREYSCALE: (77 R + 150 G + 29 B) / 256 in
// all three channels, alpha kept.
QRgb GreyFilter(QRgb color);

// Reads WM-IMAGE (PNG, BMP, JPEG and whatever else Qt reads) and draws it on a straight-alpha
// canvas of its own size, with the grey filter when asked, at opacity WM-IMAGE-OPACITY. Null
// when the picture cannot be read.
QImage RenderPictureWatermark(const ConversionSettings& settings);

}  // namespace tavrosine
