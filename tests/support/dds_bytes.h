#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "engine/dds/dds_decoder.h"

namespace tavrosine::testing {

inline std::span<const uint8_t> AsBytes(const std::string& bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

inline dds::DecodedDds DecodeDdsString(const std::string& bytes) {
  return dds::DecodeDds(AsBytes(bytes));
}

}  // namespace tavrosine::testing
