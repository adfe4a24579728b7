#include "assets/mixer.h"

#include <algorithm>

namespace tickwell {

namespace {
constexpr std::int64_t kNsPerSecond = 1'000'000'000;
}

std::int64_t Mixer::framesToNs(std::int64_t frames) const {
  // Split so that days of frames cannot overflow.
  return frames / rate_ * kNsPerSecond + frames % rate_ * kNsPerSecond / rate_;
}

std::int64_t Mixer::frameAt(std::int64_t steadyNs) const {
  const std::int64_t sinceOrigin = steadyNs - offsetNs_;
  const std::int64_t seconds = sinceOrigin / kNsPerSecond;
  const std::int64_t rest = sinceOrigin % kNsPerSecond;
  return seconds * rate_ + rest * rate_ / kNsPerSecond;
}

void Mixer::trackClockOffset(std::int64_t nowNs) {
  const std::int64_t offset = nowNs - framesToNs(framesRendered_);
  const std::int64_t block = framesRendered_ / (rate_ / 2);
  auto& slot = blockOffsets_[static_cast<std::size_t>(block % kOffsetBlocks)];
  if (block != currentBlock_) {
    if (currentBlock_ < 0) blockOffsets_.fill(offset);
    currentBlock_ = block;
    slot = offset;
  } else {
    slot = std::min(slot, offset);
  }
  offsetNs_ = *std::min_element(blockOffsets_.begin(), blockOffsets_.end());
}

void Mixer::takeNewVoices() {
  Voice* voice = nullptr;
  while (playingCount_ < kMaxPlaying && incoming_.pop(voice)) {
    if (voice->stopRequested.load(std::memory_order_acquire)) {
      voice->finished.store(true, std::memory_order_release);
      continue;
    }
    // A voice asked for too late to keep its place starts at once.
    const std::int64_t due = frameAt(voice->requestNs + latencyNs_);
    if (due < framesRendered_) lateVoices_.fetch_add(1, std::memory_order_relaxed);
    voice->startFrame = std::max(due, framesRendered_);
    playing_[playingCount_++] = voice;
  }
}

// Adds the part of `voice` that falls in this buffer; true when the voice has ended.
bool Mixer::mixVoice(Voice& voice, float* out, std::size_t frames) {
  if (voice.stopRequested.load(std::memory_order_acquire)) return true;
  const std::int64_t startInBuffer = std::max<std::int64_t>(voice.startFrame - framesRendered_, 0);
  if (startInBuffer >= static_cast<std::int64_t>(frames)) return false;
  const ClickSound& sound = *voice.sound;
  const std::size_t first = static_cast<std::size_t>(startInBuffer);
  const std::size_t count = std::min(frames - first, sound.frameCount() - voice.position);
  const float* in = sound.samples.data() + voice.position * static_cast<std::size_t>(sound.channels);
  float* to = out + first * 2;
  for (std::size_t i = 0; i < count; ++i) {
    // A mono sound is centred: the same sample in both channels.
    to[2 * i] += in[i * static_cast<std::size_t>(sound.channels)];
    to[2 * i + 1] += in[i * static_cast<std::size_t>(sound.channels) + static_cast<std::size_t>(sound.channels - 1)];
  }
  voice.position += count;
  return voice.position == sound.frameCount();
}

void Mixer::render(float* out, std::size_t frames, std::int64_t nowNs) {
  trackClockOffset(nowNs);
  takeNewVoices();
  std::fill(out, out + frames * 2, 0.0f);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < playingCount_; ++i) {
    Voice* voice = playing_[i];
    if (mixVoice(*voice, out, frames)) {
      voice->finished.store(true, std::memory_order_release);  // the main thread may free it now
    } else {
      playing_[kept++] = voice;
    }
  }
  playingCount_ = kept;
  framesRendered_ += static_cast<std::int64_t>(frames);
}

}  // namespace tickwell
