#include "dds_writer/dds_header_writer.h"

namespace tavrosine::dds_writer {

void AppendLe32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

std::vector<uint8_t> SerializeDdsHeader(const DdsHeaderFields& f) {
  std::vector<uint8_t> out;
  out.reserve(148);
  AppendLe32(out, FourCc('D', 'D', 'S', ' '));
  for (uint32_t v :
       {f.header_size, f.flags, f.height, f.width, f.pitch_or_linear_size, f.depth, f.mip_count}) {
    AppendLe32(out, v);
  }
  for (int i = 0; i < 11; ++i) AppendLe32(out, 0);
  AppendLe32(out, f.pf_size);
  AppendLe32(out, f.dx10 ? (f.pf_flags | kDdpfFourCc) : f.pf_flags);
  AppendLe32(out, f.dx10 ? FourCc('D', 'X', '1', '0') : f.fourcc);
  for (uint32_t v : {f.rgb_bit_count, f.r_mask, f.g_mask, f.b_mask, f.a_mask, f.caps, f.caps2}) {
    AppendLe32(out, v);
  }
  for (int i = 0; i < 3; ++i) AppendLe32(out, 0);  // caps3, caps4, reserved2
  if (f.dx10) {
    for (uint32_t v :
         {f.dxgi_format, f.resource_dimension, f.misc_flag, f.array_size, f.misc_flags2}) {
      AppendLe32(out, v);
    }
  }
  return out;
}

}  // namespace tavrosine::dds_writer
