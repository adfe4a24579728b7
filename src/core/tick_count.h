#pragma once

#include <cstdint>

namespace tickwell {

// Milliseconds from a tick counter that wraps at 2^32.
using TickCount = std::uint32_t;

// Milliseconds from `earlier` to `later`, right across a wrap of the counter.
constexpr std::int32_t elapsedTicks(TickCount earlier, TickCount later) {
  return static_cast<std::int32_t>(later - earlier);
}

class TickCounter {
 public:
  virtual ~TickCounter() = default;
  virtual TickCount now() const = 0;
};

}  // namespace tickwell
