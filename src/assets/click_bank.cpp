#include "assets/click_bank.h"

#include <algorithm>
#include <utility>

#include "assets/mixer_format.h"
#include "assets/portaudio_output.h"
#include "assets/regular_file.h"
#include "assets/steady_nanoseconds.h"
#include "assets/wav_reader.h"

namespace tickwell {

namespace {

void eraseFinished(std::vector<std::unique_ptr<Voice>>& voices) {
  std::erase_if(voices, [](const std::unique_ptr<Voice>& voice) { return voice->isFinished(); });
}

}  // namespace

ClickBank::ClickBank() : ClickBank(openPortAudioOutput, steadyNanoseconds) {}

ClickBank::ClickBank(OutputOpener openOutput, Clock clock)
    : openOutput_(std::move(openOutput)), clock_(std::move(clock)), mixer_(kOutputRate, kLatencyNs) {}

const ClickBank::Slot* ClickBank::slotAt(SoundSlot slot) const {
  return slot >= 0 && slot < kSlotCount ? &slots_[static_cast<std::size_t>(slot)] : nullptr;
}

ClickBank::Slot* ClickBank::slotAt(SoundSlot slot) {
  return const_cast<Slot*>(std::as_const(*this).slotAt(slot));
}

bool ClickBank::hasSound(SoundSlot slot) const {
  const Slot* held = slotAt(slot);
  return held && held->sound != nullptr;
}

std::size_t ClickBank::voiceCount(SoundSlot slot) const {
  const Slot* held = slotAt(slot);
  return held ? held->voices.size() : 0;
}

bool ClickBank::openAudioOutput() {
  if (!stream_) stream_ = openOutput_(mixer_);
  return stream_ != nullptr;
}

bool ClickBank::loadClick(SoundSlot slot, const std::string& path) {
  Slot* target = slotAt(slot);
  if (!target || !stream_) return false;
  const auto bytes = readRegularFile(path, kMaxFileBytes);
  if (!bytes) return false;
  const auto wav = readWav(*bytes);
  if (!wav) return false;
  auto sound = toMixerFormat(*wav);
  if (!sound) return false;

  // The old sound's voices fall silent at the next callback and are freed once it lets go.
  for (auto& voice : target->voices) {
    voice->requestStop();
    retired_.push_back(std::move(voice));
  }
  target->voices.clear();
  target->sound = std::make_shared<const ClickSound>(std::move(*sound));
  reclaimRetired();
  return true;
}

void ClickBank::playClick(SoundSlot slot) {
  Slot* target = slotAt(slot);
  if (!target || !target->sound) return;
  eraseFinished(target->voices);
  reclaimRetired();
  auto voice = std::make_unique<Voice>(target->sound, clock_());
  // A full hand-off means the output cannot take the voice: that click is silent.
  if (mixer_.submit(voice.get())) target->voices.push_back(std::move(voice));
}

void ClickBank::reclaimRetired() { eraseFinished(retired_); }

void ClickBank::releaseAllClicks() {
  // Stopping the output first silences every voice at once and ends the callback, so the
  // voices and sounds can then go in slot order.
  if (stream_) stream_->stop();
  for (Slot& slot : slots_) {
    slot.voices.clear();
    slot.sound.reset();
  }
  retired_.clear();
  stream_.reset();
}

}  // namespace tickwell
