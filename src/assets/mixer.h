#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "assets/spsc_ring.h"
#include "assets/voice.h"

namespace tickwell {

// Sums the playing voices into stereo float frames and starts each on the output frame of its
// request time plus a constant latency, so the buffer size changes the latency but never the
// spacing of the clicks.
class Mixer {
 public:
  static constexpr std::size_t kHandOffCapacity = 256;
  static constexpr std::size_t kMaxPlaying = 256;

  Mixer(int rate, std::int64_t latencyNs) : rate_(rate), latencyNs_(latencyNs) {}

  // Main thread: hands a voice to the audio callback; false when the hand-off is full.
  bool submit(Voice* voice) { return incoming_.push(voice); }

  // Audio thread: fills `frames` interleaved stereo frames. `nowNs` is the steady clock read
  // as the callback began.
  void render(float* out, std::size_t frames, std::int64_t nowNs);

  std::int64_t framesRendered() const { return framesRendered_; }
  // Voices that reached the callback after their frame had passed, and so started late: the
  // measure of whether the latency is long enough. Readable from any thread.
  std::uint64_t lateVoices() const { return lateVoices_.load(std::memory_order_relaxed); }

 private:
  static constexpr int kOffsetBlocks = 4;  // with half-second blocks: the last two seconds

  void trackClockOffset(std::int64_t nowNs);
  std::int64_t framesToNs(std::int64_t frames) const;
  std::int64_t frameAt(std::int64_t steadyNs) const;
  void takeNewVoices();
  bool mixVoice(Voice& voice, float* out, std::size_t frames);

  const int rate_;
  const std::int64_t latencyNs_;
  SpscRing<Voice*, kHandOffCapacity> incoming_;
  std::array<Voice*, kMaxPlaying> playing_{};
  std::size_t playingCount_ = 0;
  std::int64_t framesRendered_ = 0;
  std::atomic<std::uint64_t> lateVoices_{0};

  // Steady time minus output time, least over recent blocks: callbacks are only ever late,
  // so the least is the truest.
  std::array<std::int64_t, kOffsetBlocks> blockOffsets_{};
  std::int64_t currentBlock_ = -1;
  std::int64_t offsetNs_ = 0;
};

}  // namespace tickwell
