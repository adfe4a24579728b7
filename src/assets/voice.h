#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "assets/click_sound.h"

namespace tickwell {

// One playing of a ClickSound, once, from its first frame to its end. Made and freed by the
// main thread; while it sounds only the audio callback moves it, and it reports its end by `finished`.
struct Voice {
  Voice(std::shared_ptr<const ClickSound> of, std::int64_t requestedAtNs)
      : sound(std::move(of)), requestNs(requestedAtNs) {}

  bool isFinished() const { return finished.load(std::memory_order_acquire); }
  void requestStop() { stopRequested.store(true, std::memory_order_release); }

  const std::shared_ptr<const ClickSound> sound;  // keeps the samples alive while the voice exists
  const std::int64_t requestNs;                   // steady-clock time of the request

  // The audio callback's own.
  std::int64_t startFrame = 0;
  std::size_t position = 0;

  std::atomic<bool> stopRequested{false};
  std::atomic<bool> finished{false};
};

}  // namespace tickwell
