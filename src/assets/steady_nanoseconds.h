#pragma once

#include <chrono>
#include <cstdint>

namespace tickwell {

// The program's monotonic clock in nanoseconds: click requests and audio callbacks are both
// stamped with it.
inline std::int64_t steadyNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace tickwell
