#pragma once

#include <cstdint>
#include <optional>

#include "core/slots.h"
#include "core/tick_count.h"

namespace tickwell {

// The user's settings that the clock reads at the moment of each beat.
struct BeatSettings {
  int beatsPerBar = 4;
  bool accentFirstBeat = true;
  int soundChoice = 0;
};

class BeatSettingsSource {
 public:
  virtual ~BeatSettingsSource() = default;
  virtual BeatSettings beatSettings() const = 0;
};

// What one pass asks of the caller: a click to start, and while running the picture of the moment.
struct BeatPass {
  std::optional<SoundSlot> click;
  std::optional<ImageSlot> indicator;
};

// Polled once per main-loop pass. Each beat is timed from the moment the previous one was
// noticed, so a late pass lengthens that beat and missed beats are never made up.
class BeatClock {
 public:
  static constexpr std::int32_t kInitialTempo = 120;

  explicit BeatClock(const TickCounter& ticks) : ticks_(ticks) {}

  void start(TickCount now);
  void stop() { running_ = false; }
  void setTempo(std::int32_t bpm) { tempo_ = bpm; }
  BeatPass pass(const BeatSettingsSource& settings);

  bool isRunning() const { return running_; }
  std::int32_t tempo() const { return tempo_; }
  std::int32_t beat() const { return beat_; }
  TickCount lastBeatTick() const { return lastBeatTick_; }

  std::int32_t beatInterval() const { return 60000 / tempo_; }
  std::int32_t halfInterval() const { return beatInterval() / 2; }

 private:
  const TickCounter& ticks_;
  bool running_ = false;
  std::int32_t tempo_ = kInitialTempo;
  std::int32_t beat_ = 0;
  TickCount lastBeatTick_ = 0;
};

}  // namespace tickwell
