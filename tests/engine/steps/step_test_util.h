#pragma once

// Small bitmap fixtures for the pipeline step tests: images built pixel by pixel and read back
// with the top-left corner as (0, 0), the way the steps' settings talk about positions.

#include <FreeImage.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>

#include "engine/bitmap.h"
#include "engine/steps/hex_color.h"

namespace tavrosine::testing {

struct Rgba {
  int red = 0;
  int green = 0;
  int blue = 0;
  int alpha = 255;
  bool operator==(const Rgba&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Rgba& c) {
  return out << "(" << c.red << "," << c.green << "," << c.blue << "," << c.alpha << ")";
}

inline Rgba ReadPixel(const Bitmap& image, int x, int y) {
  FIBITMAP* dib = image.get();
  const unsigned row = FreeImage_GetHeight(dib) - 1 - static_cast<unsigned>(y);
  const unsigned bpp = FreeImage_GetBPP(dib);
  RGBQUAD quad{};
  if (bpp <= 8) {
    BYTE index = 0;
    FreeImage_GetPixelIndex(dib, static_cast<unsigned>(x), row, &index);
    quad = FreeImage_GetPalette(dib)[index];
    quad.rgbReserved = 255;
  } else {
    FreeImage_GetPixelColor(dib, static_cast<unsigned>(x), row, &quad);
    if (bpp != 32) quad.rgbReserved = 255;
  }
  return {quad.rgbRed, quad.rgbGreen, quad.rgbBlue, quad.rgbReserved};
}

// A 24- or 32-bit image whose pixel (x, y) is paint(x, y).
inline Bitmap PaintedImage(int width, int height, int bpp,
                           const std::function<Rgba(int, int)>& paint) {
  Bitmap image = AdoptBitmap(FreeImage_Allocate(width, height, bpp));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgba c = paint(x, y);
      RGBQUAD quad{static_cast<BYTE>(c.blue), static_cast<BYTE>(c.green), static_cast<BYTE>(c.red),
                   static_cast<BYTE>(c.alpha)};
      FreeImage_SetPixelColor(image.get(), static_cast<unsigned>(x),
                              static_cast<unsigned>(height - 1 - y), &quad);
    }
  }
  return image;
}

inline Bitmap SolidImage(int width, int height, int bpp, Rgba color) {
  return PaintedImage(width, height, bpp, [color](int, int) { return color; });
}

// Every pixel different, so that any misplaced pixel shows.
inline Bitmap PatternImage(int width, int height, int bpp) {
  return PaintedImage(width, height, bpp, [](int x, int y) {
    return Rgba{(x * 37 + y) % 256, (y * 53 + x * 3) % 256, (x * y + 11) % 256, (x + 2 * y) % 256};
  });
}

// An 8-bit greyscale image (linear palette) whose pixel (x, y) is grey(x, y).
inline Bitmap GreyImage(int width, int height, const std::function<int(int, int)>& grey) {
  Bitmap image = AdoptBitmap(FreeImage_Allocate(width, height, 8));
  RGBQUAD* palette = FreeImage_GetPalette(image.get());
  for (int i = 0; i < 256; ++i) {
    palette[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      BYTE value = static_cast<BYTE>(grey(x, y));
      FreeImage_SetPixelIndex(image.get(), static_cast<unsigned>(x),
                              static_cast<unsigned>(height - 1 - y), &value);
    }
  }
  return image;
}

// Same size and the same colour (and alpha, for 32-bit images) in every pixel.
inline bool SamePixels(const Bitmap& a, const Bitmap& b) {
  if (Width(a) != Width(b) || Height(a) != Height(b)) return false;
  for (int y = 0; y < static_cast<int>(Height(a)); ++y) {
    for (int x = 0; x < static_cast<int>(Width(a)); ++x) {
      if (!(ReadPixel(a, x, y) == ReadPixel(b, x, y))) return false;
    }
  }
  return true;
}

// The smallest rectangle holding every pixel for which `hit` is true; empty when none is.
struct Box {
  int left = 0;
  int top = 0;
  int right = 0;  // one past the last column
  int bottom = 0;
  bool operator==(const Box&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Box& box) {
  return out << "[" << box.left << "," << box.top << " - " << box.right << "," << box.bottom << ")";
}

inline Box BoundingBox(const Bitmap& image, const std::function<bool(const Rgba&)>& hit) {
  Box box{static_cast<int>(Width(image)), static_cast<int>(Height(image)), 0, 0};
  for (int y = 0; y < static_cast<int>(Height(image)); ++y) {
    for (int x = 0; x < static_cast<int>(Width(image)); ++x) {
      if (!hit(ReadPixel(image, x, y))) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box.right == 0 ? Box{} : box;
}

inline bool Near(const Rgba& a, const Rgba& b, int tolerance) {
  return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
         std::abs(a.blue - b.blue) <= tolerance;
}

}  // namespace tavrosine::testing
