#include "engine/dds/dds_decoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/dds/block_decoders.h"
#include "engine/dds/dds_header.h"
#include "engine/dds/pixel_fixups.h"
#include "engine/dds/pixel_rows.h"

namespace tavrosine::dds {
namespace {

// Where decoded pixels go: FreeImage rows, bottom row first.
struct Target {
  uint8_t* bits;
  unsigned pitch;
  int width;
  int height;
  uint8_t* Row(int y) const { return bits + static_cast<size_t>(height - 1 - y) * pitch; }
};

template <OutputKind kOut>
constexpr int kBytesPerPixel = kOut == OutputKind::kGrey8   ? 1
                               : kOut == OutputKind::kRgb24 ? 3
                                                            : 4;

static_assert(FI_RGBA_BLUE == 0 && FI_RGBA_GREEN == 1 && FI_RGBA_RED == 2 && FI_RGBA_ALPHA == 3,
              "Rgba8 mirrors the byte order of FreeImage bitmaps on little-endian machines");

template <OutputKind kOut>
inline void StoreRow(const Rgba8* pixels, int count, uint8_t* out) {
  if constexpr (kOut == OutputKind::kRgba32) {
    std::memcpy(out, pixels, static_cast<size_t>(count) * sizeof(Rgba8));
  } else if constexpr (kOut == OutputKind::kRgb24) {
    // Four-byte stores, each overwriting the spare byte of the one before; the last pixel
    // stores three so nothing past the row is touched.
    for (int i = 0; i + 1 < count; ++i) std::memcpy(out + 3 * i, &pixels[i], 4);
    if (count > 0) std::memcpy(out + 3 * (count - 1), &pixels[count - 1], 3);
  } else {
    for (int i = 0; i < count; ++i) out[i] = pixels[i].r;
  }
}

// One block in, sixteen pixels out, stored straight into the bitmap; only blocks on the
// right and bottom edges are clipped.
template <OutputKind kOut, BlockDecoder kDecode>
void DecodeBlocks(const uint8_t* data, const PixelFormat& format, const Target& target) {
  constexpr int kBpp = kBytesPerPixel<kOut>;
  const int block_bytes = format.BlockBytes();
  const int blocks_wide = (target.width + 3) / 4;
  const bool fixup = format.fixup != Fixup::kNone;
  Rgba8 pixels[16];
  for (int top = 0; top < target.height; top += 4) {
    const int rows = std::min(4, target.height - top);
    uint8_t* out_rows[4] = {};
    for (int r = 0; r < rows; ++r) out_rows[r] = target.Row(top + r);
    for (int bx = 0; bx < blocks_wide; ++bx, data += block_bytes) {
      kDecode(data, pixels);
      if (fixup) ApplyFixup(format.fixup, pixels, 16);
      const int left = bx * 4;
      const int columns = std::min(4, target.width - left);
      if (rows == 4 && columns == 4) {
        for (int r = 0; r < 4; ++r) StoreRow<kOut>(pixels + r * 4, 4, out_rows[r] + left * kBpp);
      } else {
        for (int r = 0; r < rows; ++r) {
          StoreRow<kOut>(pixels + r * 4, columns, out_rows[r] + left * kBpp);
        }
      }
    }
  }
}

template <OutputKind kOut>
void DecodeAllBlocks(const uint8_t* data, const PixelFormat& format, const Target& target) {
  switch (format.codec) {
    case Codec::kBc1:
      return DecodeBlocks<kOut, DecodeBc1Block>(data, format, target);
    case Codec::kBc2:
      return DecodeBlocks<kOut, DecodeBc2Block>(data, format, target);
    case Codec::kBc3:
      return DecodeBlocks<kOut, DecodeBc3Block>(data, format, target);
    case Codec::kBc4:
      return DecodeBlocks<kOut, DecodeBc4Block>(data, format, target);
    case Codec::kBc4Snorm:
      return DecodeBlocks<kOut, DecodeBc4SnormBlock>(data, format, target);
    case Codec::kBc5:
      return DecodeBlocks<kOut, DecodeBc5Block>(data, format, target);
    case Codec::kBc5Snorm:
      return DecodeBlocks<kOut, DecodeBc5SnormBlock>(data, format, target);
    case Codec::kBc6hUnsigned:
      return DecodeBlocks<kOut, DecodeBc6hUnsignedBlock>(data, format, target);
    case Codec::kBc6hSigned:
      return DecodeBlocks<kOut, DecodeBc6hSignedBlock>(data, format, target);
    default:
      return DecodeBlocks<kOut, DecodeBc7Block>(data, format, target);
  }
}

template <OutputKind kOut>
void DecodeRows(const uint8_t* data, const uint8_t* palette, const DdsDescription& d,
                const Target& target) {
  const PixelFormat& format = d.format;
  const MaskRowDecoder masks(format.codec == Codec::kMasks ? format : PixelFormat{});
  std::vector<Rgba8> pixels(static_cast<size_t>(target.width));
  for (int y = 0; y < target.height; ++y, data += d.row_bytes) {
    switch (format.codec) {
      case Codec::kMasks:
        masks.Decode(data, target.width, pixels.data());
        break;
      case Codec::kComponents:
        DecodeComponentRow(format, data, target.width, pixels.data());
        break;
      case Codec::kR11G11B10Float:
        DecodeR11G11B10FloatRow(data, target.width, pixels.data());
        break;
      case Codec::kR9G9B9E5:
        DecodeR9G9B9E5Row(data, target.width, pixels.data());
        break;
      default:
        DecodePaletteRow(palette, data, target.width, pixels.data());
        break;
    }
    ApplyFixup(format.fixup, pixels.data(), target.width);
    StoreRow<kOut>(pixels.data(), target.width, target.Row(y));
  }
}

// Palette files carry alpha in the fourth byte of each entry, but many writers leave it 0
// (the old flags byte) or 255 for every colour: then the picture is opaque.
OutputKind PaletteOutput(const uint8_t* palette, const uint8_t* indices, size_t count) {
  bool used[256] = {};
  for (size_t i = 0; i < count; ++i) used[indices[i]] = true;
  bool any_zero = false, any_partial = false, any_full = false;
  for (int k = 0; k < 256; ++k) {
    if (!used[k]) continue;
    const uint8_t a = palette[4 * k + 3];
    any_zero |= a == 0;
    any_full |= a == 255;
    any_partial |= a != 0 && a != 255;
  }
  return any_partial || (any_zero && any_full) ? OutputKind::kRgba32 : OutputKind::kRgb24;
}

Bitmap Allocate(uint32_t width, uint32_t height, OutputKind output) {
  const int w = static_cast<int>(width), h = static_cast<int>(height);
  switch (output) {
    case OutputKind::kGrey8:
      return AdoptBitmap(FreeImage_Allocate(w, h, 8));
    case OutputKind::kRgb24:
      return AdoptBitmap(
          FreeImage_Allocate(w, h, 24, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
    case OutputKind::kRgba32:
      break;
  }
  return AdoptBitmap(
      FreeImage_Allocate(w, h, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
}

template <OutputKind kOut>
void DecodeInto(const uint8_t* file, const DdsDescription& d, const Target& target) {
  const uint8_t* data = file + d.data_offset;
  if (d.format.BlockCompressed()) {
    DecodeAllBlocks<kOut>(data, d.format, target);
  } else {
    DecodeRows<kOut>(data, file + d.palette_offset, d, target);
  }
}

}  // namespace

DecodedDds DecodeDds(std::span<const uint8_t> file, DecodeOptions options) {
  ParsedHeader parsed = ParseDdsHeader(file);
  if (parsed.error) return {nullptr, std::move(parsed.error)};
  DdsDescription& d = parsed.description;
  if (d.format.codec == Codec::kPalette8) {
    d.format.output = PaletteOutput(file.data() + d.palette_offset, file.data() + d.data_offset,
                                    static_cast<size_t>(d.row_bytes * d.row_count));
  }
  const bool drop_alpha = options.colour_only && d.format.output == OutputKind::kRgba32;
  if (drop_alpha) d.format.output = OutputKind::kRgb24;
  Bitmap image = Allocate(d.width, d.height, d.format.output);
  if (!image) {
    return {nullptr,
            TooLarge("There is not enough memory to decode this " + std::to_string(d.width) + "x" +
                     std::to_string(d.height) + " texture.")};
  }
  const Target target{FreeImage_GetBits(image.get()), FreeImage_GetPitch(image.get()),
                      static_cast<int>(d.width), static_cast<int>(d.height)};
  switch (d.format.output) {
    case OutputKind::kGrey8:
      DecodeInto<OutputKind::kGrey8>(file.data(), d, target);
      break;
    case OutputKind::kRgb24:
      DecodeInto<OutputKind::kRgb24>(file.data(), d, target);
      break;
    case OutputKind::kRgba32:
      DecodeInto<OutputKind::kRgba32>(file.data(), d, target);
      break;
  }
  return {std::move(image), DdsError{}, drop_alpha};
}

}  // namespace tavrosine::dds
