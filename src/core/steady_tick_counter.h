#pragma once

#include "core/tick_count.h"

namespace tickwell {

// The system's monotonic clock in milliseconds, taken modulo 2^32.
class SteadyTickCounter final : public TickCounter {
 public:
  TickCount now() const override;
};

}  // namespace tickwell
