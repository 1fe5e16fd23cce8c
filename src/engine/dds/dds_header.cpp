#include "engine/dds/dds_header.h"

#include <algorithm>
#include <bit>
#include <string>

#include "engine/dds/byte_order.h"
#include "engine/dds/dds_formats.h"
#include "engine/dds/dds_limits.h"

namespace tavrosine::dds {
namespace {

constexpr size_t kHeaderBytes = 128;  // magic and DDS_HEADER
constexpr size_t kDx10HeaderBytes = 20;
constexpr size_t kPaletteBytes = 256 * 4;

constexpr uint32_t kFlagDepth = 0x800000;
constexpr uint32_t kCaps2Cubemap = 0x200;
constexpr uint32_t kCaps2CubemapFaces = 0xFC00;
constexpr uint32_t kCaps2Volume = 0x200000;
constexpr uint32_t kDx10MiscTextureCube = 0x4;
constexpr uint32_t kDx10AlphaModePremultiplied = 2;

enum ResourceDimension : uint32_t {
  kUnknown = 0,
  kBuffer = 1,
  kTexture1d = 2,
  kTexture2d = 3,
  kTexture3d = 4
};

std::string Size(uint32_t width, uint32_t height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

ParsedHeader Fail(DdsError error) { return {DdsDescription{}, std::move(error)}; }

LegacyPixelFormat ReadPixelFormat(const uint8_t* p) {
  LegacyPixelFormat pf;
  pf.flags = Le32(p + 80);
  pf.fourcc = Le32(p + 84);
  pf.bit_count = Le32(p + 88);
  for (int c = 0; c < 4; ++c) pf.masks[c] = Le32(p + 92 + 4 * c);
  // GIMP signs its files in the reserved words and names special encodings there.
  if (Le32(p + 32) == MakeFourCc("GIMP") && Le32(p + 36) == MakeFourCc("-DDS")) {
    pf.writer_tag = Le32(p + 44);
  }
  return pf;
}

// Reads the DX10 header into `d`; returns an error for what cannot be a texture.
DdsError ReadDx10Header(const uint8_t* p, DdsDescription& d) {
  const uint32_t dimension = Le32(p + 132);
  const uint32_t misc = Le32(p + 136);
  const uint32_t array_size = Le32(p + 140);
  const uint32_t alpha_mode = Le32(p + 144) & 7;
  if (dimension == kBuffer) {
    return Unsupported("The DX10 header describes a buffer, not a texture.");
  }
  // Some writers leave the dimension at 0; they mean a 2D texture.
  if (dimension != kUnknown && dimension != kTexture1d && dimension != kTexture2d &&
      dimension != kTexture3d) {
    return InvalidData("The DX10 header gives resource dimension " + std::to_string(dimension) +
                       ", which is not a texture type.");
  }
  if (dimension == kTexture3d) d.depth = std::max<uint32_t>(Le32(p + 24), 1);
  d.faces = (misc & kDx10MiscTextureCube) ? 6 : 1;
  d.array_size = std::max<uint32_t>(array_size, 1);
  FormatLookup lookup = LookUpDxgiFormat(Le32(p + 128), alpha_mode == kDx10AlphaModePremultiplied);
  d.format = lookup.format;
  d.format_name = std::move(lookup.name);
  return std::move(lookup.error);
}

}  // namespace

ParsedHeader ParseDdsHeader(std::span<const uint8_t> file) {
  const size_t size = file.size();
  const uint8_t* p = file.data();
  static constexpr uint8_t kMagic[4] = {'D', 'D', 'S', ' '};
  if (size == 0) return Fail(InvalidData("The file is empty."));
  for (size_t i = 0; i < 4 && i < size; ++i) {
    if (p[i] != kMagic[i]) {
      return Fail(InvalidData("This is not a DDS file: it does not start with \"DDS \"."));
    }
  }
  if (size < kHeaderBytes) {
    return Fail(Truncated("The file ends after " + std::to_string(size) +
                          " bytes, inside the 128-byte DDS header."));
  }

  DdsDescription d;
  // The header and pixel-format size fields, the flags, the pitch and the mip count are
  // all written wrongly by some tools; nothing below depends on them.
  d.height = Le32(p + 12);
  d.width = Le32(p + 16);
  d.mip_count = std::max<uint32_t>(Le32(p + 28), 1);
  const LegacyPixelFormat pf = ReadPixelFormat(p);
  const uint32_t caps2 = Le32(p + 112);
  size_t header_end = kHeaderBytes;

  if (pf.fourcc == kFourCcDx10) {
    d.dx10 = true;
    header_end += kDx10HeaderBytes;
    if (size < header_end) {
      return Fail(Truncated("The file ends after " + std::to_string(size) +
                            " bytes, inside the 148-byte DX10 header."));
    }
    if (DdsError error = ReadDx10Header(p, d)) return {d, std::move(error)};
  } else {
    if ((caps2 & kCaps2Volume) || (Le32(p + 8) & kFlagDepth)) {
      d.depth = std::max<uint32_t>(Le32(p + 24), 1);
    }
    if (caps2 & kCaps2Cubemap) {
      d.faces = std::max(std::popcount(caps2 & kCaps2CubemapFaces), 1);
    }
    FormatLookup lookup = LookUpLegacyFormat(pf);
    d.format = lookup.format;
    d.format_name = std::move(lookup.name);
    if (lookup.error) return {d, std::move(lookup.error)};
  }

  if (d.width == 0 || d.height == 0) {
    return {d, InvalidData("The header gives a size of " + Size(d.width, d.height) +
                           " pixels; a texture has at least one pixel each way.")};
  }
  if (d.width > kMaxSide || d.height > kMaxSide || d.depth > kMaxSide) {
    const std::string slices = d.depth > 1 ? "x" + std::to_string(d.depth) : "";
    return {d, TooLarge("The texture is " + Size(d.width, d.height) + slices +
                        " pixels; this program converts textures of up to " +
                        std::to_string(kMaxSide) + " pixels per side.")};
  }

  const PixelFormat& f = d.format;
  if (f.BlockCompressed()) {
    d.row_bytes = (uint64_t{d.width} + 3) / 4 * static_cast<uint64_t>(f.BlockBytes());
    d.row_count = (uint64_t{d.height} + 3) / 4;
  } else {
    d.row_bytes = (uint64_t{d.width} * f.bits_per_pixel + 7) / 8;
    d.row_count = d.height;
  }
  // The largest level of a volume texture holds all its slices one after the other; they
  // must all be there even though only the first is converted. Missing smaller mip levels
  // and further faces are tolerated: many writers declare levels they never write.
  d.bytes_needed = d.row_bytes * d.row_count * d.depth;
  d.data_offset = header_end;
  if (f.codec == Codec::kPalette8) {
    d.palette_offset = header_end;
    d.data_offset += kPaletteBytes;
    d.bytes_needed += kPaletteBytes;
  }
  const uint64_t available = size - header_end;
  if (available < d.bytes_needed) {
    return {d,
            Truncated("Truncated: needs " + std::to_string(d.bytes_needed) +
                      " bytes of pixel data, the file holds " + std::to_string(available) + ".")};
  }
  const uint64_t bitmap_bytes = OutputBitmapBytes(d);
  if (bitmap_bytes > MaxBitmapBytes()) {
    return {d, TooLarge("Decoding this " + Size(d.width, d.height) + " texture needs " +
                        std::to_string(bitmap_bytes >> 20) + " MiB, more than " +
                        std::to_string(kMaxMemoryPercent) + "% of this machine's memory.")};
  }
  return {d, DdsError{}};
}

uint64_t OutputBitmapBytes(const DdsDescription& d) {
  const uint64_t bytes_per_pixel = d.format.output == OutputKind::kGrey8   ? 1
                                   : d.format.output == OutputKind::kRgb24 ? 3
                                                                           : 4;
  // FreeImage pads rows to whole 32-bit words.
  return (uint64_t{d.width} * bytes_per_pixel + 3) / 4 * 4 * d.height;
}

}  // namespace tavrosine::dds
