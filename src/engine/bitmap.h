#pragma once

#include <FreeImage.h>

#include <memory>

namespace tavrosine {

struct BitmapDeleter {
  void operator()(FIBITMAP* bitmap) const noexcept { FreeImage_Unload(bitmap); }
};

// Owns one FreeImage bitmap. A step that replaces the image returns a new Bitmap;
// the one it received is released when its owner goes out of scope.
using Bitmap = std::unique_ptr<FIBITMAP, BitmapDeleter>;

inline Bitmap AdoptBitmap(FIBITMAP* raw) { return Bitmap(raw); }

inline unsigned Width(const Bitmap& image) { return image ? FreeImage_GetWidth(image.get()) : 0; }
inline unsigned Height(const Bitmap& image) { return image ? FreeImage_GetHeight(image.get()) : 0; }
inline unsigned Bpp(const Bitmap& image) { return image ? FreeImage_GetBPP(image.get()) : 0; }

}  // namespace tavrosine
