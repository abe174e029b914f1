#pragma once

#include <cstdint>

namespace bench {

// This process's peak resident memory so far (VmHWM in /proc/self/status), in KiB; 0 when the
// system does not report it.
std::int64_t peakResidentKiB();

} // namespace bench
