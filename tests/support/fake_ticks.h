#pragma once

#include "core/tick_count.h"

namespace tickwell::testing {

// A tick counter that moves only when the test says so.
class FakeTicks final : public TickCounter {
 public:
  TickCount now() const override { return now_; }
  void set(TickCount now) { now_ = now; }
  void advance(std::int32_t ms) { now_ += static_cast<TickCount>(ms); }

 private:
  TickCount now_ = 5000;
};

}  // namespace tickwell::testing
