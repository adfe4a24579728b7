#include "core/beat_clock.h"

namespace tickwell {

namespace {
// Further back than any beat interval, so the first beat falls due in the pass that starts.
constexpr TickCount kStartLookback = 1000000;
}  // namespace

void BeatClock::start(TickCount now) {
  running_ = true;
  lastBeatTick_ = now - kStartLookback;
  beat_ = 0;
}

BeatPass BeatClock::pass(const BeatSettingsSource& settings) {
  BeatPass result;
  if (!running_) return result;

  if (elapsedTicks(lastBeatTick_, ticks_.now()) >= beatInterval()) {
    lastBeatTick_ = ticks_.now();
    const BeatSettings current = settings.beatSettings();
    ++beat_;
    if (beat_ > current.beatsPerBar) beat_ = 1;
    const bool accent = beat_ == 1 && current.accentFirstBeat;
    result.click = accent ? current.soundChoice : current.soundChoice + kNormalSoundOffset;
  }

  const bool secondHalf = elapsedTicks(lastBeatTick_, ticks_.now()) >= halfInterval();
  result.indicator = secondHalf ? kSpeakerOffSlot : kSpeakerOnSlot;
  return result;
}

}  // namespace tickwell
