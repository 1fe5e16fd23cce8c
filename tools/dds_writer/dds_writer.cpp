#include "dds_writer/dds_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

#include "dds_writer/block_encoders.h"
#include "dds_writer/dds_header_writer.h"

namespace tavrosine::dds_writer {
namespace {

constexpr uint32_t kDxgiBc4Unorm = 80;
constexpr uint32_t kDxgiBc5Unorm = 83;
constexpr uint32_t kDxgiBc7Unorm = 98;

int BlockBytes(DdsFormat format) {
  switch (format) {
    case DdsFormat::kDxt1:
    case DdsFormat::kBc4:
      return 8;
    case DdsFormat::kDxt5:
    case DdsFormat::kBc5:
    case DdsFormat::kBc7:
      return 16;
    default:
      return 0;
  }
}

void EncodeBlock(const Block pixels, DdsFormat format, uint8_t* out) {
  switch (format) {
    case DdsFormat::kDxt1:
      EncodeBc1Block(pixels, true, out);
      break;
    case DdsFormat::kDxt5:
      EncodeBc3Block(pixels, out);
      break;
    case DdsFormat::kBc4:
      EncodeBc4Block(pixels, 0, out);
      break;
    case DdsFormat::kBc5:
      EncodeBc4Block(pixels, 0, out);
      EncodeBc4Block(pixels, 1, out + 8);
      break;
    case DdsFormat::kBc7:
      EncodeBc7Mode6Block(pixels, out);
      break;
    default:
      break;
  }
}

DdsHeaderFields HeaderFor(const RgbaImage& image, DdsFormat format) {
  DdsHeaderFields h;
  h.width = static_cast<uint32_t>(image.width);
  h.height = static_cast<uint32_t>(image.height);
  const uint32_t blocks_wide = (h.width + 3) / 4, blocks_high = (h.height + 3) / 4;
  switch (format) {
    case DdsFormat::kBgr8:
    case DdsFormat::kBgra8: {
      const bool alpha = format == DdsFormat::kBgra8;
      h.flags |= kDdsdPitch;
      h.pf_flags = kDdpfRgb | (alpha ? kDdpfAlphaPixels : 0);
      h.rgb_bit_count = alpha ? 32 : 24;
      h.pitch_or_linear_size = h.width * h.rgb_bit_count / 8;
      h.r_mask = 0xFF0000;
      h.g_mask = 0xFF00;
      h.b_mask = 0xFF;
      h.a_mask = alpha ? 0xFF000000u : 0;
      return h;
    }
    case DdsFormat::kDxt1:
    case DdsFormat::kDxt5:
      h.pf_flags = kDdpfFourCc;
      h.fourcc =
          format == DdsFormat::kDxt1 ? FourCc('D', 'X', 'T', '1') : FourCc('D', 'X', 'T', '5');
      break;
    case DdsFormat::kBc4:
    case DdsFormat::kBc5:
    case DdsFormat::kBc7:
      h.dx10 = true;
      h.dxgi_format = format == DdsFormat::kBc4   ? kDxgiBc4Unorm
                      : format == DdsFormat::kBc5 ? kDxgiBc5Unorm
                                                  : kDxgiBc7Unorm;
      break;
  }
  h.flags |= kDdsdLinearSize;
  h.pitch_or_linear_size = blocks_wide * blocks_high * static_cast<uint32_t>(BlockBytes(format));
  return h;
}

}  // namespace

std::optional<DdsFormat> ParseDdsFormat(std::string_view name) {
  struct Named {
    std::string_view name;
    DdsFormat format;
  };
  static constexpr Named kNames[] = {{"bgr", DdsFormat::kBgr8},  {"bgra", DdsFormat::kBgra8},
                                     {"dxt1", DdsFormat::kDxt1}, {"dxt5", DdsFormat::kDxt5},
                                     {"bc4", DdsFormat::kBc4},   {"bc5", DdsFormat::kBc5},
                                     {"bc7", DdsFormat::kBc7}};
  for (const Named& n : kNames) {
    if (n.name == name) return n.format;
  }
  return std::nullopt;
}

std::vector<uint8_t> EncodePixels(const RgbaImage& image, DdsFormat format) {
  std::vector<uint8_t> out;
  if (format == DdsFormat::kBgr8 || format == DdsFormat::kBgra8) {
    const int channels = format == DdsFormat::kBgra8 ? 4 : 3;
    out.reserve(static_cast<size_t>(image.width) * image.height * channels);
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const uint8_t* p = image.Pixel(x, y);
        out.insert(out.end(), {p[2], p[1], p[0]});
        if (channels == 4) out.push_back(p[3]);
      }
    }
    return out;
  }
  const int blocks_wide = (image.width + 3) / 4, blocks_high = (image.height + 3) / 4;
  const int block_bytes = BlockBytes(format);
  out.resize(static_cast<size_t>(blocks_wide) * blocks_high * block_bytes);
  auto encode_rows = [&](int first, int last) {
    Block pixels;
    uint8_t* cursor = out.data() + static_cast<size_t>(first) * blocks_wide * block_bytes;
    for (int by = first; by < last; ++by) {
      for (int bx = 0; bx < blocks_wide; ++bx, cursor += block_bytes) {
        GatherBlock(image, bx, by, pixels);
        EncodeBlock(pixels, format, cursor);
      }
    }
  };
  // Large textures encode in two halves at once: the benchmark scripts make hundreds.
  if (blocks_high >= 256) {
    std::thread lower(encode_rows, blocks_high / 2, blocks_high);
    encode_rows(0, blocks_high / 2);
    lower.join();
  } else {
    encode_rows(0, blocks_high);
  }
  return out;
}

std::vector<uint8_t> EncodeDds(const RgbaImage& image, DdsFormat format) {
  std::vector<uint8_t> file = SerializeDdsHeader(HeaderFor(image, format));
  const std::vector<uint8_t> pixels = EncodePixels(image, format);
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

std::string WriteDdsFile(const std::string& path, const RgbaImage& image, DdsFormat format) {
  const std::vector<uint8_t> bytes = EncodeDds(image, format);
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "wb"));
  if (!file) return "cannot create " + path + ": " + std::strerror(errno);
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
      std::fclose(file.release()) != 0) {
    return "cannot write " + path + ": " + std::strerror(errno);
  }
  return "";
}

}  // namespace tavrosine::dds_writer
