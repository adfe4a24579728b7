#include "core/steady_tick_counter.h"

#include <chrono>

namespace tickwell {

TickCount SteadyTickCounter::now() const {
  const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
  const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count();
  return static_cast<TickCount>(millis);
}

}  // namespace tickwell
