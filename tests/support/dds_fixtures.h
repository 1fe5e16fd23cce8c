#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dds_writer/dds_header_writer.h"
#include "dds_writer/rgba_image.h"

namespace tavrosine::testing {

using dds_writer::DdsHeaderFields;

// A header for a legacy bit-mask layout (pf_flags e.g. kDdpfRgb | kDdpfAlphaPixels).
DdsHeaderFields MaskHeader(uint32_t width, uint32_t height, uint32_t pf_flags, uint32_t bits,
                           uint32_t r, uint32_t g, uint32_t b, uint32_t a);
// A header naming a FourCC code ("DXT1") or a numeric D3DFMT code in the FourCC field.
DdsHeaderFields FourCcHeader(uint32_t width, uint32_t height, uint32_t fourcc);
// A DX10 header for a DXGI format.
DdsHeaderFields Dx10Header(uint32_t width, uint32_t height, uint32_t dxgi_format);

// The header followed by `payload`, as file bytes.
std::string DdsFile(const DdsHeaderFields& header, const std::vector<uint8_t>& payload);

// A picture every block encoder of the writer reproduces exactly: each 4x4 block holds two
// RGBA colours. With `bc7_exact` every channel is even (so a BC7 mode 6 endpoint needs no
// p-bit); otherwise colours lie on the 5:6:5 grid and alpha is any value.
dds_writer::RgbaImage TwoColourBlocks(int width, int height, uint32_t seed, bool bc7_exact);

}  // namespace tavrosine::testing
