#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dds_writer/rgba_image.h"

namespace tavrosine::dds_writer {

enum class DdsFormat {
  kBgr8,   // legacy header, 24-bit B8G8R8
  kBgra8,  // legacy header, 32-bit B8G8R8A8
  kDxt1,   // legacy header; pixels with alpha below 128 become transparent
  kDxt5,   // legacy header
  kBc4,    // DX10 header, BC4_UNORM of the red channel
  kBc5,    // DX10 header, BC5_UNORM of red and green
  kBc7,    // DX10 header, BC7_UNORM (mode 6 blocks)
};

// "bgr", "bgra", "dxt1", "dxt5", "bc4", "bc5", "bc7".
std::optional<DdsFormat> ParseDdsFormat(std::string_view name);

// A complete one-level DDS file. Any size from 1x1 up; blocks are padded at the edges.
std::vector<uint8_t> EncodeDds(const RgbaImage& image, DdsFormat format);

// Only the pixel data (no header), for callers that write headers of their own.
std::vector<uint8_t> EncodePixels(const RgbaImage& image, DdsFormat format);

// Writes EncodeDds to `path`; returns "" or a sentence saying why it could not.
std::string WriteDdsFile(const std::string& path, const RgbaImage& image, DdsFormat format);

}  // namespace tavrosine::dds_writer
