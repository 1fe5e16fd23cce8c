#include "engine/dds/dds_limits.h"

#include <unistd.h>

namespace tavrosine::dds {

uint64_t MaxBitmapBytes() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long page_size = sysconf(_SC_PAGE_SIZE);
  // Without an answer, assume a small machine rather than none.
  const uint64_t memory = pages > 0 && page_size > 0
                              ? static_cast<uint64_t>(pages) * static_cast<uint64_t>(page_size)
                              : uint64_t{4} << 30;
  return memory / 100 * kMaxMemoryPercent;
}

}  // namespace tavrosine::dds
