#pragma once

#include <FreeImage.h>

#include <cstdint>
#include <string>

#include "dds_writer/rgba_image.h"

namespace tavrosine::testing {

using dds_writer::RgbaImage;

// Top-down RGBA copy of an 8-bit grey, 24-bit or 32-bit FreeImage bitmap (grey repeats in
// R, G and B; alpha is 255 where the bitmap has none). Empty for any other bitmap.
RgbaImage ToRgba(FIBITMAP* bitmap);

struct ImageDifference {
  bool same_size = false;
  int max_error = 0;           // largest difference of one channel of one pixel
  double psnr = 0;             // over the compared channels; 99 when identical
  std::string first_mismatch;  // "(x,y) channel c: a vs b" for the first difference
};

// Compares the channels whose bit is set in `channels` (1 red, 2 green, 4 blue, 8 alpha).
ImageDifference Compare(const RgbaImage& actual, const RgbaImage& expected, int channels = 15);

// Decodes `bytes` with FreeImage's own DDS plugin (null when it refuses the file).
FIBITMAP* LoadWithFreeImage(const std::string& bytes);

// A reference picture (PNG, GIF, …) as RGBA, transparency included; empty if unreadable.
RgbaImage LoadReferencePicture(const std::string& path);

}  // namespace tavrosine::testing
