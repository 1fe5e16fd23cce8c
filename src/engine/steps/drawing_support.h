#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

#include "engine/bitmap.h"
#include "engine/steps/hex_color.h"

namespace tavrosine {

// Makes Qt's drawing and fonts usable by the frame and watermark steps. The front end calls
// it once on the main thread, before any conversion thread starts, whenever a frame or a
// watermark is on (LoadWatermarkFont calls it too). It keeps Qt's messages off stderr and,
// when the process has no Qt application yet, creates a QGuiApplication on the "offscreen"
// platform, so no display and no desktop session are needed. Later calls only report.
// Returns false when no QGuiApplication can be had (a plain QCoreApplication exists): text
// watermarks are then not drawn.
bool PrepareDrawing();

// True once a QGuiApplication exists. Fonts need one; plain canvas drawing does not.
bool DrawingReady();

// A fully transparent canvas with straight (not premultiplied) alpha, the pixel layout of
// FreeImage's 32-bit bitmaps. Null when a side is not positive or too large to allocate.
QImage NewCanvas(int64_t width, int64_t height);

// Opacity settings are alpha values; anything outside 0..255 is taken as the nearest end.
int ClampAlpha(int value);

QColor ToQColor(RgbColor color, int alpha);

// Gives every pixel alpha × opacity / 255 (rounded), keeping its colour: the effect of drawing
// the canvas with a constant opacity onto a transparent one.
void ScaleAlpha(QImage& canvas, int opacity);

// The canvas as a 32-bit FreeImage bitmap with the same straight-alpha pixels, ready for
// FreeImage_Composite. Null on failure.
Bitmap CanvasToBitmap(const QImage& canvas);

}  // namespace tavrosine
