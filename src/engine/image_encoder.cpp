#include "engine/image_encoder.h"

#include <algorithm>
#include <cstring>

#include "engine/freeimage_errors.h"

namespace tavrosine {
namespace {

// A growing byte buffer behind FreeImage's I/O callbacks.
struct ByteSink {
  std::vector<uint8_t>& bytes;
  size_t position = 0;
};

unsigned DLL_CALLCONV Write(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  auto& sink = *static_cast<ByteSink*>(handle);
  const size_t length = static_cast<size_t>(size) * count;
  if (sink.position + length > sink.bytes.size()) sink.bytes.resize(sink.position + length);
  std::memcpy(sink.bytes.data() + sink.position, buffer, length);
  sink.position += length;
  return count;
}

unsigned DLL_CALLCONV Read(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  auto& sink = *static_cast<ByteSink*>(handle);
  const size_t available = sink.bytes.size() - std::min(sink.position, sink.bytes.size());
  const size_t items = size == 0 ? 0 : std::min<size_t>(count, available / size);
  std::memcpy(buffer, sink.bytes.data() + sink.position, items * size);
  sink.position += items * size;
  return static_cast<unsigned>(items);
}

int DLL_CALLCONV Seek(fi_handle handle, long offset, int origin) {
  auto& sink = *static_cast<ByteSink*>(handle);
  const long base = origin == SEEK_SET   ? 0
                    : origin == SEEK_CUR ? static_cast<long>(sink.position)
                                         : static_cast<long>(sink.bytes.size());
  if (base + offset < 0) return -1;
  sink.position = static_cast<size_t>(base + offset);
  return 0;
}

long DLL_CALLCONV Tell(fi_handle handle) {
  return static_cast<long>(static_cast<ByteSink*>(handle)->position);
}

}  // namespace

std::string EncodeImage(const Bitmap& image, int freeimage_format, int flags,
                        std::vector<uint8_t>& bytes) {
  bytes.clear();
  if (!image) return "the image could not be converted to the output format";
  ByteSink sink{bytes};
  FreeImageIO io{Read, Write, Seek, Tell};
  FreeImageErrorScope errors;
  if (!FreeImage_SaveToHandle(static_cast<FREE_IMAGE_FORMAT>(freeimage_format), image.get(), &io,
                              &sink, flags)) {
    return errors.LastMessage().empty() ? "the encoder rejected the image" : errors.LastMessage();
  }
  return {};
}

}  // namespace tavrosine
